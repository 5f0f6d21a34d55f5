#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "native_calls.h"
#include "native_file.h"

namespace kestro::native {

namespace calls {

int open(const std::filesystem::path& path, unsigned flags) {
    // Binary mode: text mode would turn every "\r\n" written into "\r\r\n".
    const int system = (flags & Write ? _O_WRONLY : 0) | (flags & ReadWrite ? _O_RDWR : 0) |
                       (flags & Create ? _O_CREAT : 0) | (flags & Exclusive ? _O_EXCL : 0) |
                       (flags & Truncate ? _O_TRUNC : 0) | (flags & Append ? _O_APPEND : 0) |
                       _O_BINARY | _O_NOINHERIT;
    return ::_wopen(path.c_str(), system, _S_IREAD | _S_IWRITE);
}

long long writeSome(int fd, const char* data, std::size_t size) {
    return ::_write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
}

bool readByteAt(int fd, long long offset, char& byte) {
    return ::_lseeki64(fd, offset, SEEK_SET) == offset && ::_read(fd, &byte, 1) == 1;
}

int close(int fd) { return ::_close(fd); }

int truncate(int fd) { return ::_chsize_s(fd, 0) == 0 ? 0 : -1; }

int sync(int fd) { return ::_commit(fd); }

namespace {

// A replace's failure as errno: a refusal reads as a rename's refusal would.
int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:  // both files whole, each under its own name
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
}

}  // namespace

int replace(const std::filesystem::path& staged, const std::filesystem::path& target) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    BOOL done = FALSE;
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        done = ::MoveFileExW(staged.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
    } else {
        // Windows' replace carries the attributes over, Wine's does not: the new file takes
        // them first (but read-only, which would keep it from taking the old one's place; the
        // old file is never read-only here, as it was just opened for writing). A failure
        // leaves them as they were, which the replace itself corrects on Windows.
        constexpr DWORD kCarried = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                   FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        if (attributes & kCarried) ::SetFileAttributesW(staged.c_str(), attributes & kCarried);
        done = ::ReplaceFileW(target.c_str(), staged.c_str(), nullptr, 0, nullptr, nullptr);
        // The old file went but the new one could not take its name: one more try, as a move.
        if (!done && ::GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT)
            done = ::MoveFileExW(staged.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    if (done) return 0;
    errno = errnoOf(::GetLastError());
    return -1;
}

std::optional<Status> status(int fd) {
    struct _stat64 st {};
    if (::_fstat64(fd, &st) != 0) return std::nullopt;
    // The C library counts one name for every file; the file system knows the real count.
    BY_HANDLE_FILE_INFORMATION information{};
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    const unsigned long names =
        ::GetFileInformationByHandle(handle, &information) ? information.nNumberOfLinks : 1;
    return Status{(st.st_mode & _S_IFMT) == _S_IFREG, st.st_size, names};
}

}  // namespace calls

// A file that may not be written is never opened for writing in the first place.
std::optional<File::Attributes> File::attributes() const { return std::nullopt; }

std::error_code File::setAttributes(const Attributes&) const { return {}; }

unsigned long processId() { return static_cast<unsigned long>(::_getpid()); }

}  // namespace kestro::native
