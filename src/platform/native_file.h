#pragma once
// Files opened with the system's own calls inside a folder opened before them, always in
// binary mode: what is written is exactly the bytes given (no line-end translation), and every
// failure of open, write or close is seen by the caller instead of vanishing in a stream's
// state. Working relative to an opened folder means that nothing can be swapped in between a
// check and the write that relies on it.

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "native_calls.h"

namespace kestro::native {

enum class OpenFor {
    WritingExisting,  // an existing file for writing; neither created nor truncated
    CreatingNew,      // a new file; fails when the name is taken
    Replacing,        // for writing, created when missing, emptied when present
    Appending,        // created when missing; every write goes to the end. Also opened for
                      // reading where the system allows it, for lastByte().
};

// What the installer refuses on its own account, beside what the system refuses.
enum class Refusal {
    // A link that another user made, met while running as root.
    OthersLink = 1,
};
std::error_code make_error_code(Refusal refusal);

class Folder {
public:
    Folder() = default;
    ~Folder();
    Folder(Folder&& other) noexcept;
    Folder& operator=(Folder&& other) noexcept;
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    // Opens the folder at `path` as the system finds it, links followed.
    std::error_code open(const std::filesystem::path& path);
    // Opens the folder `name` in `in`. A link on the way is followed as locate() says.
    std::error_code open(const Folder& in, const std::filesystem::path& name);

    // Where the entry `name` of this folder is once links are followed: the folder that holds
    // it (opened into `at`) and its name there (`leaf`), which is no link. As root, a link is
    // followed only when root owns it; another user's link is Refusal::OthersLink. A missing
    // entry is located where its name says.
    std::error_code locate(const std::filesystem::path& name, Folder& at,
                           std::filesystem::path& leaf) const;

    // Renames `from` to `to` within this folder, replacing `to` whole.
    std::error_code rename(const std::filesystem::path& from,
                           const std::filesystem::path& to) const;
    std::error_code remove(const std::filesystem::path& name) const;

private:
    friend class File;
    calls::FolderHandle handle_;
};

class File {
public:
    File() = default;
    // Closes a file that is still open, ignoring the outcome: only error paths get here.
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens the file `name` in `in`; a link there is not followed but fails (locate it first).
    std::error_code open(const Folder& in, const std::filesystem::path& name, OpenFor purpose);
    // Writes all of `bytes`, however many calls the system needs.
    std::error_code write(std::string_view bytes);
    // The system may report here that data it held back could not be written.
    std::error_code close();

    // Whether this is a regular file (not a directory, device or pipe).
    bool isRegular() const;
    // Whether the file has more than one name (hard links to it).
    bool hasOtherNames() const;
    // The last byte of a regular, readable, non-empty file; nothing otherwise.
    std::optional<char> lastByte() const;
    // Empties the file.
    std::error_code truncate();
    // Waits until the system has stored what was written, and reports what it could not store.
    std::error_code flush();

    // The owner, group and permission bits, on systems that have them. Not on Windows: there a
    // file's permissions are its ACL, which the system's own replace keeps (Folder::rename).
    using Attributes = calls::Attributes;
    std::optional<Attributes> attributes() const;
    // Gives the file these owner, group and permission bits. Owner and group are set as far
    // as this process has the right to (all of them as root; otherwise the group, when the
    // user belongs to it); a refusal of that right (or an owner this system cannot name) is no
    // failure, nor is one for the bits: what is refused stays as the system gave it. Any other
    // failure is reported.
    std::error_code setAttributes(const Attributes& wanted) const;

private:
    // What the system calls return for a file that did not open, and what a closed File holds.
    static constexpr int kClosed = -1;
    bool isOpen() const { return fd_ != kClosed; }
    std::optional<calls::Status> status() const;

    int fd_ = kClosed;
    bool readable_ = false;
};

// This process's id: part of names that no other running copy of the program picks.
unsigned long processId();

}  // namespace kestro::native

template <>
struct std::is_error_code_enum<kestro::native::Refusal> : std::true_type {};
