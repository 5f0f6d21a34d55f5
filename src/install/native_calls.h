#pragma once
// The few system calls that differ between Windows and the POSIX systems, on file
// descriptors and opened folders; one source file per system implements them. Failures set
// errno.

#include <cstddef>
#include <filesystem>
#include <optional>

namespace kestro::native::calls {

enum OpenFlag : unsigned {
    Write = 1u << 0,
    ReadWrite = 1u << 1,
    Create = 1u << 2,
    Exclusive = 1u << 3,
    Truncate = 1u << 4,
    Append = 1u << 5,
    NoWait = 1u << 6,    // a pipe without a reader fails at once; no such open on Windows
    NoFollow = 1u << 7,  // a link as the last name fails (ELOOP); links are not made on Windows
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

// The link `name` in `in`: its owner and where it leads, both read from the same link.
// Nothing, with errno EINVAL, when `name` is no link (never one on Windows).
struct Link {
    unsigned owner;
    std::filesystem::path target;
};
std::optional<Link> readLink(const FolderHandle& in, const std::filesystem::path& name);
// Whether this process follows a link that `owner` made: root follows only root's, since any
// other user could point root's writes at a file of the system.
bool followsLinksOf(unsigned owner);

// Gives the file `from` in `in` the name `to` there, replacing a file of that name whole. On
// Windows an existing file is replaced as the system's own replace does (ReplaceFileW): the
// file keeps its permissions (ACL), attributes, short name and creation time. Before it
// returns, the new name is stored as far as the system lets a program ask for that. A refusal
// sets EACCES (or EPERM, EROFS), so that the caller can write in place instead.
int renameIn(const FolderHandle& in, const std::filesystem::path& from, const std::filesystem::path& to);
int removeIn(const FolderHandle& in, const std::filesystem::path& name);

}  // namespace kestro::native::calls
