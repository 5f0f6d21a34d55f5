#include "native_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace kestro::native {

// The few system calls that differ between Windows and the POSIX systems.
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

#ifdef _WIN32
using FileStat = struct _stat64;
constexpr int kWrite = _O_WRONLY, kReadWrite = _O_RDWR, kCreate = _O_CREAT,
              kExclusive = _O_EXCL, kTruncate = _O_TRUNC, kAppend = _O_APPEND, kNoWait = 0;

int openPath(const std::filesystem::path& path, int flags) {
    // Binary mode: text mode would turn every "\r\n" written into "\r\r\n".
    return ::_wopen(path.c_str(), flags | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}
long long writeSome(int fd, const char* data, std::size_t size) {
    return ::_write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
}
bool readByteAt(int fd, long long offset, char& byte) {
    return ::_lseeki64(fd, offset, SEEK_SET) == offset && ::_read(fd, &byte, 1) == 1;
}
int closeFd(int fd) { return ::_close(fd); }
int truncateFd(int fd) { return ::_chsize_s(fd, 0) == 0 ? 0 : -1; }
int syncFd(int fd) { return ::_commit(fd); }
int statFd(int fd, FileStat& stat) { return ::_fstat64(fd, &stat); }
bool isRegularMode(unsigned mode) { return (mode & _S_IFMT) == _S_IFREG; }
#else
using FileStat = struct stat;
constexpr int kWrite = O_WRONLY, kReadWrite = O_RDWR, kCreate = O_CREAT,
              kExclusive = O_EXCL, kTruncate = O_TRUNC, kAppend = O_APPEND,
              kNoWait = O_NONBLOCK;

int openPath(const std::filesystem::path& path, int flags) {
    int fd;
    do fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}
long long writeSome(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, std::min<std::size_t>(size, SSIZE_MAX));
}
bool readByteAt(int fd, long long offset, char& byte) {
    return ::pread(fd, &byte, 1, static_cast<off_t>(offset)) == 1;
}
// On Linux the descriptor is gone even when close reports EINTR, so it is never retried.
int closeFd(int fd) { return ::close(fd); }
int truncateFd(int fd) {
    int result;
    do result = ::ftruncate(fd, 0);
    while (result < 0 && errno == EINTR);
    return result;
}
int syncFd(int fd) { return ::fsync(fd); }
int statFd(int fd, FileStat& stat) { return ::fstat(fd, &stat); }
bool isRegularMode(unsigned mode) { return S_ISREG(mode); }
#endif

}  // namespace

File::~File() {
    if (fd_ >= 0) closeFd(fd_);
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), readable_(other.readable_) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) closeFd(fd_);
        fd_ = std::exchange(other.fd_, -1);
        readable_ = other.readable_;
    }
    return *this;
}

std::error_code File::open(const std::filesystem::path& path, OpenFor purpose) {
    if (fd_ >= 0) closeFd(std::exchange(fd_, -1));
    readable_ = false;
    switch (purpose) {
    case OpenFor::WritingExisting:
        // A pipe that nobody reads fails at once instead of holding the program.
        // kNoWait is 0 on Windows, which has no non-blocking open.
        // cppcheck-suppress badBitmaskCheck
        fd_ = openPath(path, kWrite | kNoWait);
        break;
    case OpenFor::CreatingNew:
        fd_ = openPath(path, kWrite | kCreate | kExclusive);
        break;
    case OpenFor::Replacing:
        fd_ = openPath(path, kWrite | kCreate | kTruncate);
        break;
    case OpenFor::Appending:
        fd_ = openPath(path, kReadWrite | kCreate | kAppend);
        readable_ = fd_ >= 0;
        // A file we may write but not read still takes appends.
        if (fd_ < 0 && errno == EACCES) fd_ = openPath(path, kWrite | kCreate | kAppend);
        break;
    }
    return fd_ >= 0 ? std::error_code{} : lastError();
}

std::error_code File::write(std::string_view bytes) {
    if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
    while (!bytes.empty()) {
        const long long written = writeSome(fd_, bytes.data(), bytes.size());
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
    return closeFd(std::exchange(fd_, -1)) == 0 ? std::error_code{} : lastError();
}

bool File::isRegular() const {
    FileStat stat{};
    return fd_ >= 0 && statFd(fd_, stat) == 0 && isRegularMode(stat.st_mode);
}

std::optional<char> File::lastByte() const {
    FileStat stat{};
    if (fd_ < 0 || !readable_ || statFd(fd_, stat) != 0 || !isRegularMode(stat.st_mode) ||
        stat.st_size <= 0)
        return std::nullopt;
    char byte = 0;
    if (!readByteAt(fd_, static_cast<long long>(stat.st_size) - 1, byte)) return std::nullopt;
    return byte;
}

std::error_code File::truncate() {
    if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
    return truncateFd(fd_) == 0 ? std::error_code{} : lastError();
}

std::error_code File::flush() {
    if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
    return syncFd(fd_) == 0 ? std::error_code{} : lastError();
}

std::optional<File::Attributes> File::attributes() const {
#ifdef _WIN32
    return std::nullopt;
#else
    FileStat stat{};
    if (fd_ < 0 || statFd(fd_, stat) != 0) return std::nullopt;
    return Attributes{stat.st_uid, stat.st_gid, unsigned(stat.st_mode & 07777)};
#endif
}

std::error_code File::setAttributes([[maybe_unused]] const Attributes& wanted) const {
#ifndef _WIN32
    const std::optional<Attributes> now = attributes();
    if (!now) return std::make_error_code(std::errc::bad_file_descriptor);
    // Owner first: a change of owner may clear the set-user-ID and set-group-ID bits.
    if (now->owner != wanted.owner || now->group != wanted.group) {
        int result = ::fchown(fd_, uid_t(wanted.owner), gid_t(wanted.group));
        // Without the right to give the file away, the group alone may still be ours to set.
        if (result < 0 && errno == EPERM && now->group != wanted.group)
            result = ::fchown(fd_, uid_t(-1), gid_t(wanted.group));
        // EINVAL: an owner that this system's user namespace cannot name (a container's).
        if (result < 0 && errno != EPERM && errno != EINVAL) return lastError();
    }
    const std::optional<Attributes> owned = attributes();
    if (owned && owned->permissions != wanted.permissions &&
        ::fchmod(fd_, mode_t(wanted.permissions)) < 0 && errno != EPERM)
        return lastError();
#endif
    return {};
}

unsigned long processId() {
#ifdef _WIN32
    return static_cast<unsigned long>(::_getpid());
#else
    return static_cast<unsigned long>(::getpid());
#endif
}

}  // namespace kestro::native
