#pragma once
// The few system calls that differ between Windows and the POSIX systems, on file
// descriptors and opened folders; one source file per system implements them. Failures set
// errno.

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>

namespace kestro::native::calls {

// For both backends: whether `name` holds a zero character, so that the system would read it
// only up to the zero, as another name.
inline bool holdsZero(const std::filesystem::path& name) {
    return name.native().find(std::filesystem::path::value_type{}) !=
           std::filesystem::path::string_type::npos;
}

// For both backends: sets errno for a call that failed, and answers false.
inline bool failed(int error) {
    errno = error;
    return false;
}

enum OpenFlag : unsigned {
    Write = 1u << 0,
    ReadWrite = 1u << 1,
    Create = 1u << 2,
    Exclusive = 1u << 3,
    Truncate = 1u << 4,
    Append = 1u << 5,
    NoWait = 1u << 6,    // a pipe without a reader fails at once; no such open on Windows
    NoFollow = 1u << 7,  // a link as the last name fails (ELOOP); on Windows locate() first
};

// A folder the installer works in. On POSIX systems a descriptor, which stays on the folder it
// opened however the names above it change; on Windows the folder's path.
struct FolderHandle {
    int fd = -1;
    std::filesystem::path path;
};

// Opens the folder `name` in `in` (the path `name` itself when `in` is null); `flags` may hold
// NoFollow.
bool openFolder(const FolderHandle* in, const std::filesystem::path& name, unsigned flags,
                FolderHandle& folder);
void closeFolder(FolderHandle& folder);

// Opens the file `name` in `in`. Always in binary mode, never inherited by started programs;
// -1 on failure.
int openIn(const FolderHandle& in, const std::filesystem::path& name, unsigned flags);
long long writeSome(int fd, const char* data, std::size_t size);
bool readByteAt(int fd, long long offset, char& byte);
int close(int fd);
int truncate(int fd);
// Waits until the file's data is stored.
int sync(int fd);

struct Status {
    bool regular;
    long long size;
    unsigned long names;  // hard links to the file, itself included
};
std::optional<Status> status(int fd);

// The owner, group and permission bits of a file, on systems that have them; nothing on
// Windows, where a file's permissions are its ACL, which the system's own replace keeps.
struct Attributes {
    unsigned owner, group, permissions;
};
std::optional<Attributes> attributes(int fd);
// Gives the file these owner, group and permission bits as far as this process has the right
// to: a refusal of that right (or an owner this system cannot name) is no failure, and what is
// refused stays as the system gave it. -1 for any other failure.
int setAttributes(int fd, const Attributes& wanted);

// The link `name` in `in`: its owner and where it leads, both read from the same link.
// Nothing, with errno EINVAL, when `name` is no link. On Windows a symbolic link (which a
// standard user may make in Developer Mode); its owner is kSystemsOwner when administrators
// or the system made it, any other value else.
struct Link {
    unsigned owner;
    std::filesystem::path target;
};
std::optional<Link> readLink(const FolderHandle& in, const std::filesystem::path& name);
// Whether this process follows a link that `owner` made: root (on Windows an elevated
// process) follows only root's (administrators' or the system's), since any other user could
// point its writes at a file of the system.
bool followsLinksOf(unsigned owner);
inline constexpr unsigned kSystemsOwner = 0;

// Gives the file `from` in `in` the name `to` there, replacing a file of that name whole. On
// Windows an existing file is replaced as the system's own replace does (ReplaceFileW): the
// file keeps its permissions (ACL), attributes, short name and creation time. Before it
// returns, the new name is stored as far as the system lets a program ask for that. A refusal
// sets EACCES (or EPERM, EROFS), and a system that cannot replace a file ENOTSUP, so that the
// caller can write in place instead. On Windows a file held by another program for a moment
// (a virus scanner, an indexer) is waited for, about two seconds at most.
int renameIn(const FolderHandle& in, const std::filesystem::path& from, const std::filesystem::path& to);
int removeIn(const FolderHandle& in, const std::filesystem::path& name);

#ifdef _WIN32
// The system calls a replace is made of, each answering 0 or the Windows error code, and the
// pause between tries; tests answer for the system through here.
struct ReplaceCalls {
    unsigned long (*replace)(const wchar_t* target, const wchar_t* staged, const wchar_t* backup);
    unsigned long (*move)(const wchar_t* from, const wchar_t* to);
    void (*pause)(unsigned milliseconds);
};
ReplaceCalls& replaceCalls();
// Where the old file waits while its replacement takes its name: the staged name with ".old"
// in place of its extension.
std::filesystem::path backupName(const std::filesystem::path& staged);

// `path` as the native calls take it beyond 260 characters: absolute, "\" only, without "."
// or "..", behind "\\?\" (a share as "\\?\UNC\server\share"). Nothing when the system
// cannot make it absolute.
std::optional<std::filesystem::path> longForm(const std::filesystem::path& path);
// Where the symbolic link whose reparse data (FSCTL_GET_REPARSE_POINT) is `data` leads:
// nothing for any other kind of reparse point, which the system follows on its own.
std::optional<std::filesystem::path> symbolicLinkTarget(const void* data, std::size_t size);
// The link that reparse data describes: its target, and kSystemsOwner as its owner when
// `ownedBySystem` (asked only of a symbolic link) says so.
std::optional<Link> symbolicLink(const void* data, std::size_t size,
                                 const std::function<bool()>& ownedBySystem);
// Whether the object open as `handle` is owned by the administrators or the system.
bool ownedBySystem(void* handle);
// Whether `process` runs elevated; one whose token does not say counts as elevated.
bool runsElevated(void* process);
// followsLinksOf for a process that runs elevated or not.
bool followsLink(unsigned owner, bool elevated);
#endif

}  // namespace kestro::native::calls
