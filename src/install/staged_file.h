#pragma once
// A file written beside the one it is to replace and put in its place whole once it is stored
// on disk, so that a failure or a power cut leaves the old file whole or the new one, never an
// empty one: open, write, then commit, or cancel. Whether to write in place instead when the
// folder refuses is the caller's choice (refused()).

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "platform/native_file.h"

namespace kestro {

class StagedFile {
public:
    // The file that the staged one takes the place of, as it was found: its owner, group and
    // permissions where the system has them (never on Windows, whose replace keeps the old
    // file's own).
    struct Replaced {
        std::optional<native::File::Attributes> attributes;
    };

    // A file to take the name `target` in `folder`, which must stay open while this lives;
    // `replaced`: the file of that name now, nothing when there is none.
    StagedFile(const native::Folder& folder, std::filesystem::path target,
               std::optional<Replaced> replaced);
    // Cancels a file that was not committed.
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Creates the staged file, beside the target under a name no other file has.
    std::error_code open();
    // Writes all of `bytes` to the staged file.
    std::error_code write(std::string_view bytes);
    // Gives the staged file the replaced one's owner, group and permissions, stores it on disk
    // and gives it the target's name (on Windows as the system's own replace does, keeping the
    // old file's ACL and attributes). A failure removes the staged file, but where a replace
    // moved the old file aside and neither file could take the name back: then both stay
    // beside it, and the error says where.
    std::error_code commit();
    // Closes and removes the staged file; nothing once it is committed.
    void cancel();

    // Whether the last open() or commit() failed because the folder refused: to take a new
    // file, or to let it take the place of another (the sticky bit), or its file system cannot
    // replace one. The staged file is gone then.
    bool refused() const { return refused_; }

private:
    std::error_code store();

    const native::Folder& folder_;
    const std::filesystem::path target_;
    const std::optional<Replaced> replaced_;
    native::File file_;
    std::filesystem::path name_;  // the staged file's; empty when there is none to remove
    int attempt_ = 0;             // the number in that name
    bool refused_ = false;
};

}  // namespace kestro
