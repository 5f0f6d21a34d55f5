#include "line_files.h"

#include <optional>
#include <string>

namespace kestro {

namespace fs = std::filesystem;
using native::File;
using native::Folder;
using native::OpenFor;

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Names tried for the new file before giving up: other running copies of the program take
// other names, so only leftovers of this process id can be in the way.
constexpr int kStagingAttempts = 100;

std::string lineOf(std::string_view text) {
    std::string line;
    line.reserve(text.size() + kLineEnd.size());
    line.append(text).append(kLineEnd);
    return line;
}

std::error_code writeLine(File& file, std::string_view text) {
    // One write for the text and its line end.
    if (std::error_code error = file.write(lineOf(text))) return error;
    return file.close();
}

// A name beside `target` in `folder` that no other file has yet, opened as a new file;
// `attempt`: the number in that name.
std::error_code createSibling(const Folder& folder, const fs::path& target, File& file,
                              fs::path& name, int& attempt) {
    // Built by appending: g++ 12 misreports `"." + std::to_string(...)` as an overlapping copy.
    std::string suffixBase(1, '.');
    suffixBase += std::to_string(native::processId());
    suffixBase += '.';
    std::error_code error;
    for (attempt = 0; attempt < kStagingAttempts; ++attempt) {
        const std::string suffix = suffixBase + std::to_string(attempt) + ".tmp";
        name = target;
        name += fs::path::string_type(suffix.begin(), suffix.end());
        error = file.open(folder, name, OpenFor::CreatingNew);
        if (error != std::errc::file_exists) return error;
    }
    return error;
}

// Whether the folder refused to take a new file or to let one take the place of another, or
// its file system cannot replace one.
bool refusedByFolder(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
           error == std::errc::read_only_file_system || error == std::errc::not_supported;
}

// What a replace left when the new text could not take the file's name and the old text could
// not go back to it (Windows' replace moves the old file aside first): both files lie beside
// the name, which this failure's message tells the player.
class LeftBesideCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "kestro-left-beside"; }
    // `value`: one more than the number in the staged file's name (0 would be no error).
    std::string message(int value) const override {
        const std::string suffix =
            "." + std::to_string(native::processId()) + "." + std::to_string(value - 1) + ".";
        return "the new text could not take this name: it is beside it, in this name with " +
               suffix + "tmp added, and the old text in this name with " + suffix + "old added";
    }
};

std::error_code leftBeside(int attempt) {
    static const LeftBesideCategory category;
    return {attempt + 1, category};
}

// Empties an open file and writes the line into it. A failure after the file was emptied
// leaves it empty or cut short.
std::error_code rewrite(File& file, std::string_view text) {
    if (std::error_code error = file.truncate()) return error;
    if (std::error_code error = file.write(lineOf(text))) return error;
    if (std::error_code error = file.flush()) return error;
    return file.close();
}

// Rewrites `target` itself: for a folder that takes no new file but holds one we may write.
// `refusal` is what the folder said, reported when the file cannot be opened either. Unlike a
// replacement, a failure after the file was emptied leaves it empty or cut short.
std::error_code rewriteInPlace(const Folder& folder, const fs::path& target,
                               std::error_code refusal, std::string_view text) {
    File file;
    if (file.open(folder, target, OpenFor::WritingExisting)) return refusal;
    return rewrite(file, text);
}

// Writes the new contents beside `target`, stores them on disk and puts them in its place
// (on Windows as the system's own replace does, keeping the old file's ACL and attributes),
// giving them the owner, group and permissions of the file they replace. Where the folder
// refuses that, the file is rewritten in place instead. `replacing`: whether `target` exists.
std::error_code replaceWhole(const Folder& folder, const fs::path& target, bool replacing,
                             const std::optional<File::Attributes>& attributes,
                             std::string_view text) {
    File staged;
    fs::path stagedName;
    int attempt = 0;
    std::error_code error = createSibling(folder, target, staged, stagedName, attempt);
    if (refusedByFolder(error)) return rewriteInPlace(folder, target, error, text);
    if (error) return error;
    if (attributes) error = staged.setAttributes(*attributes);
    if (!error) error = staged.write(lineOf(text));
    if (!error) error = staged.flush();
    if (!error) error = staged.close();
    bool renameRefused = false;
    if (!error) {
        error = folder.rename(stagedName, target);
        renameRefused = refusedByFolder(error);
    }
    if (error) {
        staged = File{};  // closed before removal: Windows removes no open file
        // A replace that lost the old file on the way (Windows' can) leaves the new one as a
        // copy of the config: it stays, under its staged name.
        File old;
        if (replacing && old.open(folder, target, OpenFor::WritingExisting) ==
                             std::errc::no_such_file_or_directory)
            return leftBeside(attempt);
        folder.remove(stagedName);
    }
    // A folder where others' files may not be replaced (the sticky bit) or renamed over.
    if (renameRefused) return rewriteInPlace(folder, target, error, text);
    return error;
}

}  // namespace

std::error_code writeLineReplacing(const Folder& folder, const fs::path& name,
                                   std::string_view text) {
    // Where the file is, once links are followed; from here on nothing is followed again.
    Folder at;
    fs::path leaf;
    if (std::error_code error = folder.locate(name, at, leaf)) return error;

    // Opening the file as it is tells whether it exists and whether we may write it.
    File existing;
    const std::error_code error = existing.open(at, leaf, OpenFor::WritingExisting);
    // No file yet (or no folder, which creating the new file then reports).
    if (error == std::errc::no_such_file_or_directory)
        return replaceWhole(at, leaf, false, std::nullopt, text);
    if (error) return error;  // for example a directory, or a file we may not write

    // A device or a pipe has no contents to replace: the line goes straight to it.
    if (!existing.isRegular()) return writeLine(existing, text);
    // A file with more names than one: a new file would take only this name, and the others
    // would keep the old text.
    if (existing.hasOtherNames()) return rewrite(existing, text);
    const std::optional<File::Attributes> attributes = existing.attributes();
    existing = File{};
    return replaceWhole(at, leaf, true, attributes, text);
}

std::error_code appendLine(const Folder& folder, const fs::path& name, std::string_view text) {
    Folder at;
    fs::path leaf;
    if (std::error_code error = folder.locate(name, at, leaf)) return error;
    File target;
    if (std::error_code error = target.open(at, leaf, OpenFor::Appending)) return error;
    const std::optional<char> last = target.lastByte();
    if (last && *last != '\n') {
        if (std::error_code error = target.write(kLineEnd)) return error;
    }
    return writeLine(target, text);
}

}  // namespace kestro
