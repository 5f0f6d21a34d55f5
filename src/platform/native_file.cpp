#include "native_file.h"

#include <cerrno>
#include <string>
#include <utility>

#include "native_calls.h"

namespace kestro::native {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

// As many links as the system itself follows in one path before it gives up.
constexpr int kMaxLinks = 40;

class RefusalCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "kestro"; }
    std::string message(int) const override {
        return "a link that another user made; run as root, Kestro follows only root's links";
    }
};

}  // namespace

std::error_code make_error_code(Refusal refusal) {
    static const RefusalCategory category;
    return {static_cast<int>(refusal), category};
}

Folder::~Folder() { calls::closeFolder(handle_); }

Folder::Folder(Folder&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}

Folder& Folder::operator=(Folder&& other) noexcept {
    if (this != &other) {
        calls::closeFolder(handle_);
        handle_ = std::exchange(other.handle_, {});
    }
    return *this;
}

std::error_code Folder::open(const std::filesystem::path& path) {
    return calls::openFolder(nullptr, path, 0, handle_) ? std::error_code{} : lastError();
}

std::error_code Folder::open(const Folder& in, const std::filesystem::path& name) {
    Folder at;
    std::filesystem::path leaf;
    if (std::error_code error = in.locate(name, at, leaf)) return error;
    // A link put in the leaf's place since it was located fails here instead of being followed.
    return calls::openFolder(&at.handle_, leaf, calls::NoFollow, handle_) ? std::error_code{}
                                                                          : lastError();
}

std::error_code Folder::locate(const std::filesystem::path& name, Folder& at,
                               std::filesystem::path& leaf) const {
    namespace fs = std::filesystem;
    const Folder* in = this;
    leaf = name;
    for (int followed = 0; followed <= kMaxLinks; ++followed) {
        const std::optional<calls::Link> link = calls::readLink(in->handle_, leaf);
        if (!link) {
            if (errno != EINVAL && errno != ENOENT) return lastError();
            // No link (or nothing) there: the entry is where its name says.
            if (in == this && calls::openFolder(&handle_, ".", 0, at.handle_)) return {};
            return in == this ? lastError() : std::error_code{};
        }
        if (!calls::followsLinksOf(link->owner)) return make_error_code(Refusal::OthersLink);
        // The link's target, read relative to the folder that holds the link.
        fs::path folder = link->target.parent_path();
        leaf = link->target.filename();
        if (leaf.empty() || leaf == "." || leaf == "..") {
            folder = link->target;
            leaf = ".";
        }
        Folder next;
        if (folder.empty()) folder = ".";
        if (!calls::openFolder(&in->handle_, folder, 0, next.handle_)) return lastError();
        at = std::move(next);
        in = &at;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

std::error_code Folder::rename(const std::filesystem::path& from,
                               const std::filesystem::path& to) const {
    return calls::renameIn(handle_, from, to) == 0 ? std::error_code{} : lastError();
}

std::error_code Folder::remove(const std::filesystem::path& name) const {
    return calls::removeIn(handle_, name) == 0 ? std::error_code{} : lastError();
}

File::~File() {
    if (isOpen()) calls::close(fd_);
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, kClosed)), readable_(other.readable_) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (isOpen()) calls::close(fd_);
        fd_ = std::exchange(other.fd_, kClosed);
        readable_ = other.readable_;
    }
    return *this;
}

std::error_code File::open(const Folder& in, const std::filesystem::path& name,
                           OpenFor purpose) {
    using namespace calls;
    const auto open = [&in, &name](unsigned flags) {
        return calls::openIn(in.handle_, name, flags | NoFollow);
    };
    if (isOpen()) calls::close(std::exchange(fd_, kClosed));
    readable_ = false;
    switch (purpose) {
    case OpenFor::WritingExisting:
        // A pipe that nobody reads fails at once instead of holding the program.
        fd_ = open(Write | NoWait);
        break;
    case OpenFor::CreatingNew:
        fd_ = open(Write | Create | Exclusive);
        break;
    case OpenFor::Replacing:
        fd_ = open(Write | Create | Truncate);
        break;
    case OpenFor::Appending:
        fd_ = open(ReadWrite | Create | Append);
        readable_ = isOpen();
        // A file we may write but not read still takes appends.
        if (!isOpen() && errno == EACCES) fd_ = open(Write | Create | Append | NoWait);
        break;
    }
    return isOpen() ? std::error_code{} : lastError();
}

std::error_code File::write(std::string_view bytes) {
    if (!isOpen()) return std::make_error_code(std::errc::bad_file_descriptor);
    while (!bytes.empty()) {
        const long long written = calls::writeSome(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        // A system that accepts nothing without naming an error would spin here forever.
        if (written == 0) return std::make_error_code(std::errc::io_error);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code File::close() {
    if (!isOpen()) return {};
    return calls::close(std::exchange(fd_, kClosed)) == 0 ? std::error_code{} : lastError();
}

std::optional<calls::Status> File::status() const {
    return isOpen() ? calls::status(fd_) : std::nullopt;
}

bool File::isRegular() const {
    const std::optional<calls::Status> now = status();
    return now && now->regular;
}

bool File::hasOtherNames() const {
    const std::optional<calls::Status> now = status();
    return now && now->names > 1;
}

std::optional<char> File::lastByte() const {
    const std::optional<calls::Status> now = status();
    if (!readable_ || !now || !now->regular || now->size <= 0) return std::nullopt;
    char byte = 0;
    if (!calls::readByteAt(fd_, now->size - 1, byte)) return std::nullopt;
    return byte;
}

std::error_code File::truncate() {
    if (!isOpen()) return std::make_error_code(std::errc::bad_file_descriptor);
    return calls::truncate(fd_) == 0 ? std::error_code{} : lastError();
}

std::error_code File::flush() {
    if (!isOpen()) return std::make_error_code(std::errc::bad_file_descriptor);
    return calls::sync(fd_) == 0 ? std::error_code{} : lastError();
}

std::optional<File::Attributes> File::attributes() const {
    return isOpen() ? calls::attributes(fd_) : std::nullopt;
}

std::error_code File::setAttributes(const Attributes& wanted) const {
    if (!isOpen()) return std::make_error_code(std::errc::bad_file_descriptor);
    return calls::setAttributes(fd_, wanted) == 0 ? std::error_code{} : lastError();
}

}  // namespace kestro::native
