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
