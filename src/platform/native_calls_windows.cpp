#include <windows.h>

#include <aclapi.h>
#include <fcntl.h>
#include <io.h>
#include <winioctl.h>
#include <process.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string_view>
#include <vector>

#include "native_calls.h"
#include "native_file.h"

namespace kestro::native {

namespace calls {

namespace {

// errno for what Windows said, the one place where the installer reads Windows' errors: a
// refusal reads as a POSIX system's refusal would, so that the writer falls back alike.
int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    // The replace could neither remove the old file nor move the new one in (with a backup
    // name given): both files whole, each under its own name.
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    // A file system without the replace (some shares and drivers); the replace's own
    // documentation names the first for every other failure. Both files keep their names.
    case ERROR_INVALID_PARAMETER:
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return ENOTSUP;
    case ERROR_NOT_A_REPARSE_POINT:
        return EINVAL;
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

// The paths the native calls take: in the long form, so that no path is cut at 260
// characters whatever the system's setting.
std::optional<std::filesystem::path> nativePath(const FolderHandle* in,
                                                const std::filesystem::path& name) {
    return longForm(in ? in->path / name : name);
}

// Reparse data as FSCTL_GET_REPARSE_POINT gives it for a symbolic link (the DDK's
// REPARSE_DATA_BUFFER, which the program's headers do not declare).
struct SymbolicLinkData {
    ULONG tag;
    USHORT dataLength, reserved;
    USHORT substituteOffset, substituteLength, printOffset, printLength;
    ULONG flags;
    // the names follow, in UTF-16, at these offsets counted from here
};

}  // namespace

// Owned by the administrators, the system or the installer service, which an elevated
// process trusts as root trusts root.
bool ownedBySystem(void* file) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(file, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                          nullptr, nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    const bool system = ::IsWellKnownSid(owner, WinBuiltinAdministratorsSid) ||
                        ::IsWellKnownSid(owner, WinLocalSystemSid);
    ::LocalFree(descriptor);
    return system;
}

bool runsElevated(void* process) {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(process, TOKEN_QUERY, &token)) return true;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool known =
        ::GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    ::CloseHandle(token);
    return !known || elevation.TokenIsElevated;  // unknown: trust as little as root does
}

namespace {

unsigned long systemReplace(const wchar_t* target, const wchar_t* staged, const wchar_t* backup) {
    // REPLACEFILE_IGNORE_MERGE_ERRORS: without it the replace also needs WRITE_DAC on the new
    // file to merge the old one's ACL, which a share with "Change" rights does not give, and
    // every install there would write in place. The ACL and attributes are still carried
    // over where the rights allow. (REPLACEFILE_WRITE_THROUGH is documented as unsupported.)
    return ::ReplaceFileW(target, staged, backup, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                          nullptr)
               ? 0
               : ::GetLastError();
}

unsigned long systemMove(const wchar_t* from, const wchar_t* to) {
    // Written through: the call returns once the new name is on the disk.
    constexpr DWORD kMove = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    return ::MoveFileExW(from, to, kMove) ? 0 : ::GetLastError();
}

void systemPause(unsigned milliseconds) { ::Sleep(milliseconds); }

// A virus scanner or an indexer opens a file just written or closed and holds it for a
// moment: a refusal of that kind is tried again after growing pauses, 1.9 s in all.
constexpr unsigned kFirstPause = 15, kLastPause = 960;

// `refusals`: whether an access refusal may be such a hold too (a replace or a move: a file
// that is open may not be renamed), or is an answer (an open: a read-only file).
template <typename Call>
unsigned long triedWhileHeld(const Call& call, bool refusals = true) {
    for (unsigned pause = kFirstPause;; pause *= 2) {
        const unsigned long error = call();
        const int reason = errnoOf(error);
        const bool held = reason == EBUSY || (refusals && reason == EACCES);
        if (error == 0 || !held || pause > kLastPause) return error;
        replaceCalls().pause(pause);
    }
}

bool isThere(const std::filesystem::path& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The replace moved the old file to `backup` but the new one could not take its name, which
// is free now: a move finishes the job. Where that fails too, the old file goes back.
unsigned long finishReplace(const std::filesystem::path& target,
                            const std::filesystem::path& staged,
                            const std::filesystem::path& backup) {
    const ReplaceCalls& calls = replaceCalls();
    const unsigned long error =
        triedWhileHeld([&] { return calls.move(staged.c_str(), target.c_str()); });
    if (error != 0) triedWhileHeld([&] { return calls.move(backup.c_str(), target.c_str()); });
    return error;
}

}  // namespace

ReplaceCalls& replaceCalls() {
    static ReplaceCalls calls{systemReplace, systemMove, systemPause};
    return calls;
}

std::filesystem::path backupName(const std::filesystem::path& staged) {
    return std::filesystem::path(staged).replace_extension(L".old");
}

std::optional<std::filesystem::path> longForm(const std::filesystem::path& path) {
    constexpr std::wstring_view kLong = L"\\\\?\\", kLongShare = L"\\\\?\\UNC\\";
    std::wstring text = path.native();
    // Already long: the system would take "." and ".." in it as names.
    if (text.starts_with(kLongShare)) text.replace(0, kLongShare.size(), L"\\\\");
    else if (text.starts_with(kLong)) text.erase(0, kLong.size());
    const DWORD size = ::GetFullPathNameW(text.c_str(), 0, nullptr, nullptr);
    if (size == 0) return std::nullopt;
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(text.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return std::nullopt;
    full.resize(length);
    if (full.starts_with(L"\\\\")) return std::wstring(kLongShare) + full.substr(2);
    return std::wstring(kLong) + full;
}

std::optional<std::filesystem::path> symbolicLinkTarget(const void* data, std::size_t size) {
    SymbolicLinkData link{};
    if (size < sizeof link) return std::nullopt;
    std::memcpy(&link, data, sizeof link);
    if (link.tag != IO_REPARSE_TAG_SYMLINK) return std::nullopt;
    // The name as it was given (a relative one stays relative), else the system's own form.
    std::size_t offset = link.printOffset, length = link.printLength;
    if (length == 0) offset = link.substituteOffset, length = link.substituteLength;
    if (sizeof link + offset + length > size || length % 2 != 0) return std::nullopt;
    std::wstring target(length / 2, L'\0');
    std::memcpy(target.data(), static_cast<const char*>(data) + sizeof link + offset, length);
    constexpr std::wstring_view kSystemsPrefix = L"\\??\\";
    if (target.starts_with(kSystemsPrefix)) target.erase(0, kSystemsPrefix.size());
    if (target.empty()) return std::nullopt;
    return target;
}

std::optional<Link> symbolicLink(const void* data, std::size_t size,
                                 const std::function<bool()>& ownedBySystem) {
    std::optional<std::filesystem::path> target = symbolicLinkTarget(data, size);
    if (!target) return std::nullopt;
    return Link{ownedBySystem() ? kSystemsOwner : kSystemsOwner + 1, std::move(*target)};
}

bool openFolder(const FolderHandle* in, const std::filesystem::path& name, unsigned,
                FolderHandle& folder) {
    if (holdsZero(name)) return failed(ENOENT);
    std::optional<std::filesystem::path> path = nativePath(in, name);
    if (!path) return failed(ENOENT);
    const DWORD kind = ::GetFileAttributesW(path->c_str());
    if (kind == INVALID_FILE_ATTRIBUTES) return failed(errnoOf(::GetLastError()));
    if (!(kind & FILE_ATTRIBUTE_DIRECTORY)) return failed(ENOTDIR);
    folder = {-1, std::move(*path)};
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
    int fd = -1;
    triedWhileHeld(
        [&] {
            ::SetLastError(0);  // the C library may fail on its own account
            fd = ::_wopen((in.path / name).c_str(), system, _S_IREAD | _S_IWRITE);
            return fd >= 0 ? 0 : ::GetLastError();
        },
        false);
    return fd;
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

std::optional<Link> readLink(const FolderHandle& in, const std::filesystem::path& name) {
    if (holdsZero(name)) {
        errno = ENOENT;
        return std::nullopt;
    }
    // The link itself, not what it leads to; a folder too (backup semantics).
    const HANDLE link = ::CreateFileW(
        (in.path / name).c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (link == INVALID_HANDLE_VALUE) {
        errno = errnoOf(::GetLastError());
        return std::nullopt;
    }
    std::vector<char> data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
    DWORD size = 0;
    const bool read = ::DeviceIoControl(link, FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                                        DWORD(data.size()), &size, nullptr);
    const DWORD error = read ? ERROR_NOT_A_REPARSE_POINT : ::GetLastError();
    std::optional<Link> found;
    if (read) found = symbolicLink(data.data(), size, [link] { return ownedBySystem(link); });
    ::CloseHandle(link);
    if (!found) errno = errnoOf(error);
    return found;
}

bool followsLink(unsigned owner, bool elevated) { return owner == kSystemsOwner || !elevated; }

bool followsLinksOf(unsigned owner) { return followsLink(owner, runsElevated(::GetCurrentProcess())); }

int renameIn(const FolderHandle& in, const std::filesystem::path& from,
             const std::filesystem::path& to) {
    const std::filesystem::path staged = in.path / from, target = in.path / to;
    const ReplaceCalls& calls = replaceCalls();
    const DWORD existing = ::GetFileAttributesW(target.c_str());
    unsigned long error = 0;
    if (existing == INVALID_FILE_ATTRIBUTES) {
        error = triedWhileHeld([&] { return calls.move(staged.c_str(), target.c_str()); });
    } else {
        // Windows' replace carries the attributes over, Wine's does not: the new file takes
        // them first (but read-only, which would keep it from taking the old one's place; the
        // old file is never read-only here, as it was just opened for writing). A failure
        // leaves them as they were, which the replace itself corrects on Windows.
        constexpr DWORD kCarried = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                   FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        if (existing & kCarried) ::SetFileAttributesW(staged.c_str(), existing & kCarried);
        // With a backup name the old file is never under a name of the system's choosing: it
        // is at its own name or at this one whatever the replace did.
        const std::filesystem::path backup = backupName(staged);
        error = triedWhileHeld(
            [&] { return calls.replace(target.c_str(), staged.c_str(), backup.c_str()); });
        const bool movedAside = error == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
                                error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
        if (movedAside && !isThere(target)) error = finishReplace(target, staged, backup);
        // The old text stays only where it is the last copy of the config.
        if (isThere(target)) ::DeleteFileW(backup.c_str());
    }
    if (error == 0) return 0;
    errno = errnoOf(error);
    return -1;
}

int removeIn(const FolderHandle& in, const std::filesystem::path& name) {
    return ::_wremove((in.path / name).c_str());
}

}  // namespace calls

// A file that may not be written is never opened for writing in the first place.
std::optional<calls::Attributes> calls::attributes(int) { return std::nullopt; }

int calls::setAttributes(int, const Attributes&) { return 0; }

unsigned long processId() { return static_cast<unsigned long>(::_getpid()); }

}  // namespace kestro::native
