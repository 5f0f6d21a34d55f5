#include "native_file.h"

#include <cerrno>
#include <utility>

#include "native_calls.h"

namespace kestro::native {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

}  // namespace

File::~File() {
    if (fd_ >= 0) calls::close(fd_);
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), readable_(other.readable_) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) calls::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        readable_ = other.readable_;
    }
    return *this;
}

std::error_code File::open(const std::filesystem::path& path, OpenFor purpose) {
    using namespace calls;
    if (fd_ >= 0) calls::close(std::exchange(fd_, -1));
    readable_ = false;
    switch (purpose) {
    case OpenFor::WritingExisting:
        // A pipe that nobody reads fails at once instead of holding the program.
        fd_ = calls::open(path, Write | NoWait);
        break;
    case OpenFor::CreatingNew:
        fd_ = calls::open(path, Write | Create | Exclusive);
        break;
    case OpenFor::Replacing:
        fd_ = calls::open(path, Write | Create | Truncate);
        break;
    case OpenFor::Appending:
        fd_ = calls::open(path, ReadWrite | Create | Append);
        readable_ = fd_ >= 0;
        // A file we may write but not read still takes appends.
        if (fd_ < 0 && errno == EACCES) fd_ = calls::open(path, Write | Create | Append);
        break;
    }
    return fd_ >= 0 ? std::error_code{} : lastError();
}

std::error_code File::write(std::string_view bytes) {
    if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
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
    if (fd_ < 0) return {};
    return calls::close(std::exchange(fd_, -1)) == 0 ? std::error_code{} : lastError();
}

bool File::isRegular() const {
    const std::optional<calls::Status> status = fd_ >= 0 ? calls::status(fd_) : std::nullopt;
    return status && status->regular;
}

bool File::hasOtherNames() const {
    const std::optional<calls::Status> status = fd_ >= 0 ? calls::status(fd_) : std::nullopt;
    return status && status->names > 1;
}

std::optional<char> File::lastByte() const {
    const std::optional<calls::Status> status = fd_ >= 0 ? calls::status(fd_) : std::nullopt;
    if (!readable_ || !status || !status->regular || status->size <= 0) return std::nullopt;
    char byte = 0;
    if (!calls::readByteAt(fd_, status->size - 1, byte)) return std::nullopt;
    return byte;
}

std::error_code File::truncate() {
    if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
    return calls::truncate(fd_) == 0 ? std::error_code{} : lastError();
}

std::error_code File::flush() {
    if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
    return calls::sync(fd_) == 0 ? std::error_code{} : lastError();
}

}  // namespace kestro::native
