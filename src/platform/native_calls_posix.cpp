#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "native_calls.h"
#include "native_file.h"

namespace kestro::native {

namespace calls {

namespace {

int at(const FolderHandle* in) { return in ? in->fd : AT_FDCWD; }

}  // namespace

bool openFolder(const FolderHandle* in, const std::filesystem::path& name, unsigned flags,
                FolderHandle& folder) {
    // The system would see the name only up to the zero, which is another name.
    if (holdsZero(name)) return failed(ENOENT);
    // Only to find and make files in: no right to list the folder is needed.
    int fd;
    const int noFollow = flags & NoFollow ? O_NOFOLLOW : 0;
    do fd = ::openat(at(in), name.c_str(), O_PATH | O_DIRECTORY | noFollow | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) return false;
    closeFolder(folder);
    folder = {fd, in ? in->path / name : name};
    return true;
}

void closeFolder(FolderHandle& folder) {
    if (folder.fd >= 0) ::close(folder.fd);
    folder.fd = -1;
}

int openIn(const FolderHandle& in, const std::filesystem::path& name, unsigned flags) {
    if (holdsZero(name)) {
        errno = ENOENT;
        return -1;
    }
    const int system = (flags & Write ? O_WRONLY : 0) | (flags & ReadWrite ? O_RDWR : 0) |
                       (flags & Create ? O_CREAT : 0) | (flags & Exclusive ? O_EXCL : 0) |
                       (flags & Truncate ? O_TRUNC : 0) | (flags & Append ? O_APPEND : 0) |
                       (flags & NoWait ? O_NONBLOCK : 0) | (flags & NoFollow ? O_NOFOLLOW : 0) |
                       O_CLOEXEC;
    int fd;
    do fd = ::openat(in.fd, name.c_str(), system, 0666);
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

std::optional<Status> status(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return std::nullopt;
    return Status{S_ISREG(st.st_mode), static_cast<long long>(st.st_size),
                  static_cast<unsigned long>(st.st_nlink)};
}

std::optional<Link> readLink(const FolderHandle& in, const std::filesystem::path& name) {
    if (holdsZero(name)) {
        errno = ENOENT;
        return std::nullopt;
    }
    // The link itself, so that its owner and its target are read from the same link even when
    // another one takes its name meanwhile.
    const int fd = ::openat(in.fd, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<Link> link;
    struct stat st {};
    std::string target(PATH_MAX + 1, '\0');
    ssize_t length = -1;
    if (::fstat(fd, &st) == 0) {
        if (S_ISLNK(st.st_mode)) length = ::readlinkat(fd, "", target.data(), target.size());
        else errno = EINVAL;
    }
    if (length >= 0 && std::size_t(length) < target.size()) {
        target.resize(std::size_t(length));
        link = Link{unsigned(st.st_uid), std::move(target)};
    } else if (length >= 0) {
        errno = ENAMETOOLONG;
    }
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return link;
}

bool followsLinksOf(unsigned owner) { return ::geteuid() != 0 || owner == 0; }

int renameIn(const FolderHandle& in, const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat(in.fd, from.c_str(), in.fd, to.c_str()) != 0) return -1;
    // The new name is stored with the folder: without this, a power cut may bring back the old
    // file, or none. A folder this process cannot open or sync keeps the rename all the same.
    const int folder = ::openat(in.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return 0;
}

int removeIn(const FolderHandle& in, const std::filesystem::path& name) {
    return ::unlinkat(in.fd, name.c_str(), 0);
}

std::optional<Attributes> attributes(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return std::nullopt;
    return Attributes{st.st_uid, st.st_gid, unsigned(st.st_mode & 07777)};
}

int setAttributes(int fd, const Attributes& wanted) {
    const std::optional<Attributes> now = attributes(fd);
    if (!now) {
        errno = EBADF;
        return -1;
    }
    // Owner first: a change of owner may clear the set-user-ID and set-group-ID bits.
    if (now->owner != wanted.owner || now->group != wanted.group) {
        int result = ::fchown(fd, uid_t(wanted.owner), gid_t(wanted.group));
        // Without the right to give the file away, the group alone may still be ours to set.
        if (result < 0 && errno == EPERM && now->group != wanted.group)
            result = ::fchown(fd, uid_t(-1), gid_t(wanted.group));
        // EINVAL: an owner that this system's user namespace cannot name (a container's).
        if (result < 0 && errno != EPERM && errno != EINVAL) return -1;
    }
    const std::optional<Attributes> owned = attributes(fd);
    if (owned && owned->permissions != wanted.permissions &&
        ::fchmod(fd, mode_t(wanted.permissions)) < 0 && errno != EPERM)
        return -1;
    return 0;
}

}  // namespace calls

unsigned long processId() { return static_cast<unsigned long>(::getpid()); }

}  // namespace kestro::native
