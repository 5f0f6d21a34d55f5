#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "native_calls.h"
#include "native_file.h"

namespace kestro::native {

namespace calls {

int open(const std::filesystem::path& path, unsigned flags) {
    const int system = (flags & Write ? O_WRONLY : 0) | (flags & ReadWrite ? O_RDWR : 0) |
                       (flags & Create ? O_CREAT : 0) | (flags & Exclusive ? O_EXCL : 0) |
                       (flags & Truncate ? O_TRUNC : 0) | (flags & Append ? O_APPEND : 0) |
                       (flags & NoWait ? O_NONBLOCK : 0) | O_CLOEXEC;
    int fd;
    do fd = ::open(path.c_str(), system, 0666);
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
int close(int fd) { return ::close(fd); }

int truncate(int fd) {
    int result;
    do result = ::ftruncate(fd, 0);
    while (result < 0 && errno == EINTR);
    return result;
}

int sync(int fd) { return ::fsync(fd); }

int replace(const std::filesystem::path& staged, const std::filesystem::path& target) {
    return ::rename(staged.c_str(), target.c_str());
}

std::optional<Status> status(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return std::nullopt;
    return Status{S_ISREG(st.st_mode), static_cast<long long>(st.st_size),
                  static_cast<unsigned long>(st.st_nlink)};
}

}  // namespace calls

std::optional<File::Attributes> File::attributes() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return std::nullopt;
    return Attributes{st.st_uid, st.st_gid, unsigned(st.st_mode & 07777)};
}

std::error_code File::setAttributes(const Attributes& wanted) const {
    const auto failure = [] { return std::error_code{errno, std::generic_category()}; };
    const std::optional<Attributes> now = attributes();
    if (!now) return std::make_error_code(std::errc::bad_file_descriptor);
    // Owner first: a change of owner may clear the set-user-ID and set-group-ID bits.
    if (now->owner != wanted.owner || now->group != wanted.group) {
        int result = ::fchown(fd_, uid_t(wanted.owner), gid_t(wanted.group));
        // Without the right to give the file away, the group alone may still be ours to set.
        if (result < 0 && errno == EPERM && now->group != wanted.group)
            result = ::fchown(fd_, uid_t(-1), gid_t(wanted.group));
        // EINVAL: an owner that this system's user namespace cannot name (a container's).
        if (result < 0 && errno != EPERM && errno != EINVAL) return failure();
    }
    const std::optional<Attributes> owned = attributes();
    if (owned && owned->permissions != wanted.permissions &&
        ::fchmod(fd_, mode_t(wanted.permissions)) < 0 && errno != EPERM)
        return failure();
    return {};
}

unsigned long processId() { return static_cast<unsigned long>(::getpid()); }

}  // namespace kestro::native
