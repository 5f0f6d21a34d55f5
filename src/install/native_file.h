#pragma once
// A file opened by path with the system's own calls, always in binary mode: what is written
// is exactly the bytes given (no line-end translation), and every failure of open, write or
// close is seen by the caller instead of vanishing in a stream's state.

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace kestro::native {

enum class OpenFor {
    WritingExisting,  // an existing file for writing; neither created nor truncated
    CreatingNew,      // a new file; fails when the name is taken
    Replacing,        // for writing, created when missing, emptied when present
    Appending,        // created when missing; every write goes to the end. Also opened for
                      // reading where the system allows it, for lastByte().
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

    std::error_code open(const std::filesystem::path& path, OpenFor purpose);
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

    // The owner, group and permission bits, on systems that have them (not Windows, where a
    // file that may not be written is never opened for writing in the first place).
    struct Attributes {
        unsigned owner, group, permissions;
    };
    std::optional<Attributes> attributes() const;
    // Gives the file these owner, group and permission bits. Owner and group are set as far
    // as this process has the right to (all of them as root; otherwise the group, when the
    // user belongs to it); a refusal of that right (or an owner this system cannot name) is no
    // failure, nor is one for the bits: what is refused stays as the system gave it. Any other
    // failure is reported.
    std::error_code setAttributes(const Attributes& wanted) const;

private:
    int fd_ = -1;
    bool readable_ = false;
};

// This process's id: part of names that no other running copy of the program picks.
unsigned long processId();

}  // namespace kestro::native
