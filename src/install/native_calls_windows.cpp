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

namespace {

bool holdsZero(const std::filesystem::path& name) {
    return name.native().find(L'\0') != std::wstring::npos;
}

// errno for what Windows said, as far as the installer tells the cases apart: a refusal reads
// as a POSIX system's refusal would, so that the writer falls back alike.
int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:  // both files whole, each under its own name
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
}

// Sets errno for a folder that could not be opened.
bool failed(int error) {
    errno = error;
    return false;
}

}  // namespace

bool openFolder(const FolderHandle* in, const std::filesystem::path& name, unsigned,
                FolderHandle& folder) {
    if (holdsZero(name)) return failed(ENOENT);
    std::filesystem::path path = in ? in->path / name : name;
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return failed(errnoOf(::GetLastError()));
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return failed(ENOTDIR);
    folder = {-1, std::move(path)};
    return true;
}

void closeFolder(FolderHandle&) {}

int openIn(const FolderHandle& in, const std::filesystem::path& name, unsigned flags) {
    if (holdsZero(name)) {
        errno = ENOENT;
        return -1;
    }
    // Binary mode: text mode would turn every "\r\n" written into "\r\r\n".
    const int system = (flags & Write ? _O_WRONLY : 0) | (flags & ReadWrite ? _O_RDWR : 0) |
                       (flags & Create ? _O_CREAT : 0) | (flags & Exclusive ? _O_EXCL : 0) |
                       (flags & Truncate ? _O_TRUNC : 0) | (flags & Append ? _O_APPEND : 0) |
                       _O_BINARY | _O_NOINHERIT;
    return ::_wopen((in.path / name).c_str(), system, _S_IREAD | _S_IWRITE);
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

// A program may follow any link it can open: only administrators make them on Windows.
std::optional<Link> readLink(const FolderHandle&, const std::filesystem::path&) {
    errno = EINVAL;
    return std::nullopt;
}

bool followsLinksOf(unsigned) { return true; }

int renameIn(const FolderHandle& in, const std::filesystem::path& from,
             const std::filesystem::path& to) {
    const std::filesystem::path staged = in.path / from, target = in.path / to;
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    // Written through: the call returns once the new name is on the disk.
    constexpr DWORD kMove = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    BOOL done = FALSE;
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        done = ::MoveFileExW(staged.c_str(), target.c_str(), kMove);
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
            done = ::MoveFileExW(staged.c_str(), target.c_str(), kMove);
    }
    if (done) return 0;
    errno = errnoOf(::GetLastError());
    return -1;
}

int removeIn(const FolderHandle& in, const std::filesystem::path& name) {
    return ::_wremove((in.path / name).c_str());
}

}  // namespace calls

// A file that may not be written is never opened for writing in the first place.
std::optional<File::Attributes> File::attributes() const { return std::nullopt; }

std::error_code File::setAttributes(const Attributes&) const { return {}; }

unsigned long processId() { return static_cast<unsigned long>(::_getpid()); }

}  // namespace kestro::native
