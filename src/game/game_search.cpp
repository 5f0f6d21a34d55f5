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

#include "deadline_looks.h"
#include "library_folders.h"
#include "platform/system_path.h"
#include "platform/wine_path.h"

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

constexpr RegistryValue kModInstallPath{StoreRoot::CurrentUser, kSteamUserKey, "ModInstallPath"};
constexpr std::array<RegistryValue, 3> kSteamFolders{{
    {StoreRoot::CurrentUser, kSteamUserKey, "SteamPath"},
    {StoreRoot::LocalMachine, "SOFTWARE\\WOW6432Node\\Valve\\Steam", "InstallPath"},
    {StoreRoot::LocalMachine, "SOFTWARE\\Valve\\Steam", "InstallPath"},
}};
constexpr std::array<RegistryValue, 2> kRetailFolders{{
    {StoreRoot::LocalMachine, "SOFTWARE\\Valve\\Half-Life", "InstallPath"},
    {StoreRoot::LocalMachine, "SOFTWARE\\WOW6432Node\\Valve\\Half-Life", "InstallPath"},
}};

std::optional<fs::path> registryPath(SettingsStore& store, const RegistryValue& value) {
    const std::optional<std::string> text =
        readText(store, value.root, value.key, value.name);
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

// What the lists of one Steam folder tell: the folder itself, and where each library path
// they name is on this system (nothing for a path that names no folder here).
using LibraryLocator = std::function<std::optional<fs::path>(const std::string&)>;

// A place's name in the look-ups of a search: a kind of look, then the path's own bytes.
std::string placeId(char kind, const fs::path& place) {
    const fs::path::string_type& native = place.native();
    std::string id(1, kind);
    id.append(reinterpret_cast<const char*>(native.data()),
              native.size() * sizeof(fs::path::value_type));
    return id;
}

std::string shownPlace(const fs::path& place) {
    return pathText(fs::path(place).make_preferred()).value_or("a folder without a name");
}

struct GameAnswer {
    std::optional<std::string> key;
    std::optional<std::string> text;
};

// One run of a search. However many times the lists name a library, and however many ways, it
// is searched once, and no folder is listed twice: a list of any length is searched quickly.
// Every look at the disks goes through `looks`, under the search's deadline.
class Search {
public:
    Search(LookRun& looks, const SearchOptions& options) : looks_(looks), options_(options) {}

    void addGame(const fs::path& folder, std::string_view source, std::string shown = {}) {
        const auto game = look<GameAnswer>('g', folder, [this, &folder] {
            GameAnswer answer;
            std::error_code error;
            const std::optional<std::string> valve = names_.entryIgnoringCase(folder, "valve");
            if (!valve || !fs::is_directory(folder / gameDirectoryPath(*valve), error))
                return answer;
            answer.key = folderKey(folder);
            answer.text = pathText(fs::path(folder).make_preferred());
            return answer;
        });
        // A folder whose name no text can hold is passed over.
        std::optional<std::string> text = game.text;
        if (!shown.empty()) text = std::move(shown);
        if (!text || !game.key || !remember(seenGames_, *game.key)) return;
        found_.push_back({std::move(*text), std::string(source)});
        if (options_.found)
            looks_.reportOnce(found_.size() - 1, [this] { options_.found(found_.back()); });
    }

    void addSteam(const fs::path& steam, const LibraryLocator& locate, std::string_view source) {
        const auto key = folderKeyOf(steam);
        if (!key || !remember(seenSteams_, *key)) return;
        addLibrary(steam, source);
        const auto list = look<std::string>('v', steam, [this, &steam] {
            std::string vdf = readVdf(steam / "config" / "libraryfolders.vdf");
            if (vdf.empty()) {
                if (const auto steamapps = descend(steam, {"steamapps"}))
                    vdf = readVdf(*steamapps / "libraryfolders.vdf");
            }
            return vdf;
        });
        std::set<std::string> written;
        for (const std::string& path : libraryFolderPaths(list)) {
            if (!written.insert(path).second) continue;
            if (const std::optional<fs::path> library = locate(path)) addLibrary(*library, source);
        }
    }

    // Where the drive path `written` is in the Wine prefix `prefix`.
    std::optional<fs::path> inWinePrefix(const std::string& written, const fs::path& prefix) {
        return look<std::optional<fs::path>>('w', prefix / gameDirectoryPath(written),
                                             [this, &written, &prefix] {
                                                 return winePath(written, prefix, names_);
                                             });
    }

    std::vector<GameFolder> take() { return std::move(found_); }

private:
    void addLibrary(const fs::path& library, std::string_view source) {
        // The same folder written again, then reached another way.
        fs::path written = library.lexically_normal();
        if (!written.has_filename() && written.has_relative_path()) written = written.parent_path();
        if (!remember(seenLibraries_, written.native())) return;
        const auto key = folderKeyOf(library);
        if (!key || !remember(seenLibraryKeys_, *key)) return;
        const auto game = look<std::optional<fs::path>>('l', library, [this, &library] {
            return descend(library, {"steamapps", "common", "Half-Life"});
        });
        if (game) addGame(*game, source);
    }

    std::optional<std::string> folderKeyOf(const fs::path& folder) {
        return look<std::optional<std::string>>('k', folder, [&folder] { return folderKey(folder); });
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

    // A look at `place` on the disks, under the deadline; `kind` tells looks at one place apart.
    template <class T, class Look>
    T look(char kind, const fs::path& place, Look&& disk) {
        return looks_.look<T>(placeId(kind, place), shownPlace(place), [this, &place, &disk] {
            if (options_.lookingAt) options_.lookingAt(place);
            return disk();
        });
    }

    template <class Key>
    static bool remember(std::set<Key>& seen, Key key) {
        return seen.insert(std::move(key)).second;
    }

    LookRun& looks_;
    const SearchOptions& options_;
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

// Where the registry says Steam and the game are: read before the disks are looked at.
struct RegistryPlaces {
    std::optional<fs::path> modInstallPath;
    std::vector<fs::path> steamFolders;
    std::vector<fs::path> retailFolders;
};

RegistryPlaces registryPlaces(SettingsStore& store) {
    RegistryPlaces places{registryPath(store, kModInstallPath), {}, {}};
    for (const RegistryValue& value : kSteamFolders) {
        if (auto steam = registryPath(store, value)) places.steamFolders.push_back(std::move(*steam));
    }
    for (const RegistryValue& value : kRetailFolders) {
        if (auto game = registryPath(store, value)) places.retailFolders.push_back(std::move(*game));
    }
    return places;
}

std::vector<GameFolder> searchDisks(LookRun& looks, const SearchPlaces& places,
                                    const RegistryPlaces& registry, const SearchOptions& options) {
    Search search(looks, options);
#ifdef _WIN32
    search.addGame(gameDirectoryPath(kDefaultGameDirectory), kFromDefault,
                   std::string(kDefaultGameDirectory));
#else
    const std::optional<fs::path> prefix = winePrefix(places);
    if (prefix) {
        if (const auto retail = search.inWinePrefix(std::string(kDefaultGameDirectory), *prefix))
            search.addGame(*retail, kFromDefault, std::string(kDefaultGameDirectory));
    }
#endif
    if (registry.modInstallPath) search.addGame(*registry.modInstallPath, kFromModInstallPath);
    for (const fs::path& steam : registry.steamFolders)
        search.addSteam(steam, nativeLibrary, kFromSteam);
#ifndef _WIN32
    for (const fs::path& steam : linuxSteamFolders(places))
        search.addSteam(steam, nativeLibrary, kFromSteam);
#endif
    for (const fs::path& game : registry.retailFolders) search.addGame(game, kFromRetail);
#ifndef _WIN32
    if (prefix) {
        const LibraryLocator inPrefix = [&prefix, &search](const std::string& written) {
            return search.inWinePrefix(written, *prefix);
        };
        if (const auto steam = search.inWinePrefix(std::string(kWineSteamFolder), *prefix))
            search.addSteam(*steam, inPrefix, kFromWine);
    }
#endif
    return search.take();
}

}  // namespace

std::vector<GameFolder> findGameFolders(const SearchPlaces& places, SettingsStore& store,
                                        const SearchOptions& options) {
    std::function<std::vector<GameFolder>(LookRun&)> search =
        [places, registry = registryPlaces(store), options](LookRun& looks) {
            return searchDisks(looks, places, registry, options);
        };
    return runWithDeadline(std::move(search), {options.deadline, options.passedOver});
}

std::vector<GameFolder> findPlayersGameFolders(const SearchOptions& options) {
    return findGameFolders(searchPlacesFromEnvironment(), *makePlatformSettingsStore(), options);
}

}  // namespace kestro
