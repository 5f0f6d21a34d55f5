#pragma once
// The few system calls that differ between Windows and the POSIX systems, on file
// descriptors; one source file per system implements them. Failures set errno.

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
    NoWait = 1u << 6,  // a pipe without a reader fails at once; no such open on Windows
};

// Always in binary mode, never inherited by started programs; -1 on failure.
int open(const std::filesystem::path& path, unsigned flags);
long long writeSome(int fd, const char* data, std::size_t size);
bool readByteAt(int fd, long long offset, char& byte);
int close(int fd);
int truncate(int fd);
int sync(int fd);

// Gives `staged` the name `target`, replacing the file there. On Windows an existing target is
// replaced as the system's own replace does (ReplaceFileW): the file keeps its permissions (ACL),
// attributes, short name and creation time. A refusal sets EACCES (or EPERM, EROFS) as a
// rename's would, so that the caller can write in place instead.
int replace(const std::filesystem::path& staged, const std::filesystem::path& target);

struct Status {
    bool regular;
    long long size;
    unsigned long names;  // hard links to the file, itself included
};
std::optional<Status> status(int fd);

}  // namespace kestro::native::calls
