#pragma once
// Windows paths on a Wine prefix. Players outside Windows run the game under Wine, and a path
// that starts with a drive letter and a colon, such as the install window's own
// "C:\Sierra\Half-Life", names a file on one of Wine's drives: it is found there as Wine itself
// would find it.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestro {

// Looks up names in folders without regard to the case of their ASCII letters, listing each
// folder at most once however many names are looked up in it.
class FolderNames {
public:
    // The entry of `dir` called `name` in any case: the exact name when it exists, else the
    // first such entry in byte order, so that the choice does not depend on the folder's
    // order. Nothing when there is none.
    std::optional<std::string> entryIgnoringCase(const std::filesystem::path& dir,
                                                 std::string_view name);

private:
    // Per folder listed: each name in lower case and the first entry in byte order that has it.
    std::map<std::filesystem::path, std::map<std::string, std::string>> listed_;
};

// Where the Windows path `path` (a drive letter, a colon, then names separated by "\" or "/")
// is on this system under the Wine prefix `prefix`: the drive is the prefix's link
// "dosdevices/<letter>:" (lower case), and the names follow it. Empty names and "." are
// skipped and ".." goes up, never above the drive, before anything is looked up. A name that
// exists on disk in another case (of its ASCII letters) is taken as it is on disk, the exact
// name first (looked up through `names`); the first name not found and all after it are kept
// as given. Nothing when `path` is not a drive path, holds a zero character, or the prefix has
// no such drive.
std::optional<std::filesystem::path> winePath(std::string_view path,
                                              const std::filesystem::path& prefix,
                                              FolderNames& names);
inline std::optional<std::filesystem::path> winePath(std::string_view path,
                                                     const std::filesystem::path& prefix) {
    FolderNames names;
    return winePath(path, prefix, names);
}

}  // namespace kestro
