#include "staged_file.h"

#include <string>
#include <utility>

namespace kestro {

namespace fs = std::filesystem;
using native::File;
using native::OpenFor;

namespace {

// Names tried for the staged file before giving up: other running copies of the program take
// other names, so only leftovers of this process id can be in the way.
constexpr int kStagingAttempts = 100;

// The answers of a folder that takes no new file or lets none take the place of another, and
// of a file system that cannot replace one.
bool refusedByFolder(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
           error == std::errc::read_only_file_system || error == std::errc::not_supported;
}

// What names the staged file and the old one of attempt `attempt` carry after the target's
// name: ".<process id>.<attempt>." and then "tmp" or "old".
std::string stagingSuffix(int attempt) {
    // Built by appending: g++ 12 misreports `"." + std::to_string(...)` as an overlapping copy.
    std::string suffix(1, '.');
    suffix += std::to_string(native::processId());
    suffix += '.';
    suffix += std::to_string(attempt);
    suffix += '.';
    return suffix;
}

// What a replace left when the new text could not take the file's name and the old text could
// not go back to it (Windows' replace moves the old file aside first): both files lie beside
// the name, which this failure's message tells the player.
class LeftBesideCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "kestro-left-beside"; }
    // `value`: one more than the number in the staged file's name (0 would be no error).
    std::string message(int value) const override {
        const std::string suffix = stagingSuffix(value - 1);
        return "the new text could not take this name: it is beside it, in this name with " +
               suffix + "tmp added, and the old text in this name with " + suffix + "old added";
    }
};

std::error_code leftBeside(int attempt) {
    static const LeftBesideCategory category;
    return {attempt + 1, category};
}

}  // namespace

StagedFile::StagedFile(const native::Folder& folder, fs::path target,
                       std::optional<Replaced> replaced)
    : folder_(folder), target_(std::move(target)), replaced_(replaced) {}

StagedFile::~StagedFile() { cancel(); }

std::error_code StagedFile::open() {
    std::error_code error;
    for (attempt_ = 0; attempt_ < kStagingAttempts; ++attempt_) {
        const std::string suffix = stagingSuffix(attempt_) + "tmp";
        fs::path name = target_;
        name += fs::path::string_type(suffix.begin(), suffix.end());
        error = file_.open(folder_, name, OpenFor::CreatingNew);
        if (!error) name_ = std::move(name);
        if (error != std::errc::file_exists) break;
    }
    refused_ = refusedByFolder(error);
    return error;
}

std::error_code StagedFile::write(std::string_view bytes) { return file_.write(bytes); }

// Everything commit() does up to the new name; the first failure ends it.
std::error_code StagedFile::store() {
    refused_ = false;
    if (replaced_ && replaced_->attributes) {
        if (std::error_code error = file_.setAttributes(*replaced_->attributes)) return error;
    }
    if (std::error_code error = file_.flush()) return error;
    if (std::error_code error = file_.close()) return error;
    const std::error_code error = folder_.rename(name_, target_);
    refused_ = refusedByFolder(error);
    return error;
}

std::error_code StagedFile::commit() {
    const std::error_code error = store();
    if (!error) {
        name_.clear();  // the target's now
        return {};
    }
    file_ = File{};  // closed before removal: Windows removes no open file
    // A replace that lost the old file on the way (Windows' can) leaves the new one as a copy
    // of the config: it stays, under its staged name.
    File old;
    if (replaced_ && old.open(folder_, target_, OpenFor::WritingExisting) ==
                         std::errc::no_such_file_or_directory) {
        name_.clear();
        refused_ = false;
        return leftBeside(attempt_);
    }
    cancel();
    return error;
}

void StagedFile::cancel() {
    file_ = File{};  // closed before removal: Windows removes no open file
    if (!name_.empty()) folder_.remove(std::exchange(name_, {}));
}

}  // namespace kestro
