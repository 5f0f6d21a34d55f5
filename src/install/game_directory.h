#pragma once
// The game directory as the player types it into the install window. On Windows it is a path
// of the system. Elsewhere players run the game under Wine, and a path that starts with a
// drive letter and a colon, such as the window's own "C:\Sierra\Half-Life", names a file on
// one of Wine's drives: the installer finds it there as Wine itself would.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestro {

// The install window's path field, given as UTF-8, as a path of this system. Nothing in it is
// changed: drive paths are looked up only when a mod's files are installed. On Windows it is
// made from the UTF-8 as such, never through the ANSI code page, and never throws: bytes that
// are not UTF-8 become U+FFFD, which names no folder (text read from files and the registry
// goes through pathFromUtf8, which passes such bytes over); elsewhere paths are bytes.
std::filesystem::path gameDirectoryPath(std::string_view typed);

// The names of `path` between its separators, "\\" and "/" alike, empty ones included.
std::vector<std::string_view> pathNames(std::string_view path);

// A path as the program's text: UTF-8 on Windows, its bytes elsewhere. Nothing for a Windows
// name that is not valid UTF-16 (NTFS allows such names), which no text of ours can name.
// Never throws, unlike path::string() and u8string() on Windows.
std::optional<std::string> pathText(const std::filesystem::path& path);

// Whether `path` starts with a drive letter and a colon.
bool isDrivePath(std::string_view path);

// What the program reads from the environment to find the game: $HOME, $XDG_DATA_HOME,
// $STEAM_DIR, $WINEPREFIX. Empty is unset.
struct SearchPlaces {
    std::string home;
    std::string xdgDataHome;
    std::string steamDir;
    std::string winePrefix;
};

SearchPlaces searchPlacesFromEnvironment();

// The player's Wine prefix: `winePrefix` when set, else ".wine" in the home; nothing when
// neither is set, and always nothing on Windows.
std::optional<std::filesystem::path> winePrefix(const SearchPlaces& places);

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
