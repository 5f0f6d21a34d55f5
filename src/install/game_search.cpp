#include "game_search.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>

#ifdef _WIN32
#include <windows.h>
#endif

#include "game_directory.h"
#include "library_folders.h"
#include "sysinfo/key_value.h"
#include "system_path.h"

namespace kestro {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFromDefault = "default folder";
constexpr std::string_view kFromModInstallPath = "Steam (ModInstallPath)";
constexpr std::string_view kFromSteam = "Steam library";
constexpr std::string_view kFromRetail = "retail install";
constexpr std::string_view kFromWine = "Wine prefix";

// Steam's list of libraries is a few kilobytes; a longer file is read this far.
constexpr std::uintmax_t kMaxVdfSize = 4 << 20;

struct RegistryValue {
    StoreRoot root;
    const char* key;
    const char* name;
};

// Steam's own key, under this user's root.
constexpr const char* kSteamUserKey = "Software\\Valve\\Steam";
// Where Steam for Windows installs itself, on 64-bit Windows and so in a Wine prefix.
constexpr std::string_view kWineSteamFolder = "C:\\Program Files (x86)\\Steam";

constexpr RegistryValue kModInstallPath{kCurrentUser, kSteamUserKey, "ModInstallPath"};
constexpr std::array<RegistryValue, 3> kSteamFolders{{
    {kCurrentUser, kSteamUserKey, "SteamPath"},
    {kLocalMachine, "SOFTWARE\\WOW6432Node\\Valve\\Steam", "InstallPath"},
    {kLocalMachine, "SOFTWARE\\Valve\\Steam", "InstallPath"},
}};
constexpr std::array<RegistryValue, 2> kRetailFolders{{
    {kLocalMachine, "SOFTWARE\\Valve\\Half-Life", "InstallPath"},
    {kLocalMachine, "SOFTWARE\\WOW6432Node\\Valve\\Half-Life", "InstallPath"},
}};

std::optional<fs::path> registryPath(SettingsStore& store, const RegistryValue& value) {
    const std::optional<std::string> text =
        readStoredText(store, value.root, value.key, value.name);
    if (!text) return std::nullopt;
    return pathFromUtf8(*text);
}

// The same folder reached any way gives the same key; one that no text names, none.
std::optional<std::string> folderKey(const fs::path& folder) {
    std::optional<fs::path> resolved = resolvedFolder(folder);
    if (!resolved) return std::nullopt;
    fs::path key = std::move(*resolved);
#ifdef _WIN32
    // Windows' names match in any letter case, of every script ("Игры" is "игры").
    std::wstring name = key.generic_wstring();
    CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
    key = name;
#endif
    return pathText(key);
}

std::string readVdf(const fs::path& file) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error) return {};
    std::string text(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxVdfSize)), '\0');
    std::ifstream in(file, std::ios::binary);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

// Where a library path written in a Steam folder's list is on this system.
using LibraryLocator = std::function<std::optional<fs::path>(const std::string&)>;

// One search. However many times the lists name a library, and however many ways, it is
// searched once, and no folder is listed twice: a list of any length is searched quickly.
class Search {
public:
    void addGame(const fs::path& folder, std::string_view source, std::string shown = {}) {
        std::error_code error;
        const std::optional<std::string> valve = names_.entryIgnoringCase(folder, "valve");
        if (!valve || !fs::is_directory(folder / gameDirectoryPath(*valve), error)) return;
        // A folder whose name no text can hold is passed over.
        std::optional<std::string> text = std::move(shown);
        if (text->empty()) text = pathText(fs::path(folder).make_preferred());
        const std::optional<std::string> key = folderKey(folder);
        if (!text || !key || !remember(seenGames_, *key)) return;
        found_.push_back({std::move(*text), std::string(source)});
    }

    void addSteam(const fs::path& steam, const LibraryLocator& locate, std::string_view source) {
        const std::optional<std::string> key = folderKey(steam);
        if (!key || !remember(seenSteams_, *key)) return;
        addLibrary(steam, source);
        std::string vdf = readVdf(steam / "config" / "libraryfolders.vdf");
        if (vdf.empty()) {
            if (const auto steamapps = descend(steam, {"steamapps"}))
                vdf = readVdf(*steamapps / "libraryfolders.vdf");
        }
        std::set<std::string> written;
        for (const std::string& path : libraryFolderPaths(vdf)) {
            if (!written.insert(path).second) continue;
            if (const std::optional<fs::path> library = locate(path)) addLibrary(*library, source);
        }
    }

    FolderNames& names() { return names_; }
    std::vector<GameFolder> take() { return std::move(found_); }

private:
    void addLibrary(const fs::path& library, std::string_view source) {
        // The same folder written again, then reached another way.
        fs::path written = library.lexically_normal();
        if (!written.has_filename() && written.has_relative_path()) written = written.parent_path();
        if (!remember(seenLibraries_, written.native())) return;
        const std::optional<std::string> key = folderKey(library);
        if (!key || !remember(seenLibraryKeys_, *key)) return;
        if (const auto game = descend(library, {"steamapps", "common", "Half-Life"}))
            addGame(*game, source);
    }

    // `dir`/`names`..., each name in any letter case where the file system tells case apart.
    std::optional<fs::path> descend(fs::path dir, std::initializer_list<std::string_view> names) {
        for (std::string_view name : names) {
            const std::optional<std::string> entry = names_.entryIgnoringCase(dir, name);
            if (!entry) return std::nullopt;
            dir /= gameDirectoryPath(*entry);
        }
        return dir;
    }

    template <class Key>
    static bool remember(std::set<Key>& seen, Key key) {
        return seen.insert(std::move(key)).second;
    }

    std::vector<GameFolder> found_;
    FolderNames names_;
    std::set<std::string> seenGames_;
    std::set<std::string> seenSteams_;
    std::set<fs::path::string_type> seenLibraries_;
    std::set<std::string> seenLibraryKeys_;
};

std::optional<fs::path> nativeLibrary(const std::string& written) {
    if (!isAbsoluteSystemPath(written)) return std::nullopt;
    return pathFromUtf8(written);
}

#ifndef _WIN32
std::vector<fs::path> linuxSteamFolders(const SearchPlaces& places) {
    std::vector<fs::path> folders;
    if (!places.steamDir.empty()) folders.emplace_back(places.steamDir);
    const fs::path home = places.home;
    if (!places.home.empty()) {
        folders.push_back(home / ".steam/steam");
        folders.push_back(home / ".steam/root");
    }
    if (!places.xdgDataHome.empty()) folders.push_back(fs::path(places.xdgDataHome) / "Steam");
    if (!places.home.empty()) {
        if (places.xdgDataHome.empty()) folders.push_back(home / ".local/share/Steam");
        folders.push_back(home / ".steam/debian-installation");
        folders.push_back(home / ".var/app/com.valvesoftware.Steam/.local/share/Steam");
        folders.push_back(home / ".var/app/com.valvesoftware.Steam/data/Steam");
        folders.push_back(home / "snap/steam/common/.local/share/Steam");
    }
    return folders;
}
#endif

}  // namespace

std::vector<GameFolder> findGameFolders([[maybe_unused]] const SearchPlaces& places,
                                        SettingsStore& store) {
    Search search;
#ifdef _WIN32
    search.addGame(gameDirectoryPath(kDefaultGameDirectory), kFromDefault,
                   std::string(kDefaultGameDirectory));
#else
    const std::optional<fs::path> prefix = winePrefix(places);
    if (prefix) {
        if (const auto retail = winePath(kDefaultGameDirectory, *prefix, search.names()))
            search.addGame(*retail, kFromDefault, std::string(kDefaultGameDirectory));
    }
#endif
    if (const auto game = registryPath(store, kModInstallPath))
        search.addGame(*game, kFromModInstallPath);
    for (const RegistryValue& value : kSteamFolders) {
        if (const auto steam = registryPath(store, value))
            search.addSteam(*steam, nativeLibrary, kFromSteam);
    }
#ifndef _WIN32
    for (const fs::path& steam : linuxSteamFolders(places))
        search.addSteam(steam, nativeLibrary, kFromSteam);
#endif
    for (const RegistryValue& value : kRetailFolders) {
        if (const auto game = registryPath(store, value)) search.addGame(*game, kFromRetail);
    }
#ifndef _WIN32
    if (prefix) {
        const LibraryLocator inPrefix = [&prefix, &search](const std::string& written) {
            return winePath(written, *prefix, search.names());
        };
        if (const auto steam = winePath(kWineSteamFolder, *prefix, search.names()))
            search.addSteam(*steam, inPrefix, kFromWine);
    }
#endif
    return search.take();
}

}  // namespace kestro
