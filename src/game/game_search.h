#pragma once
// Where the player's Half-Life is: the folders on this machine that hold the game, found in
// the places its installers put it (the retail folder, Steam's libraries on Windows and Linux,
// Steam for Windows inside a Wine prefix).

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/settings_store.h"
#include "search_places.h"

namespace kestro {

// The install window's own start value, the retail game's folder.
inline constexpr std::string_view kDefaultGameDirectory = "C:\\Sierra\\Half-Life";

struct GameFolder {
    std::string folder;  // as the install window's path field takes it (UTF-8)
    std::string source;  // where it was found: "Steam library", "retail install", ...
};

// How long the search waits for one place to answer before it counts as absent: a local disk
// answers in milliseconds, a share that has gone away never.
inline constexpr std::chrono::milliseconds kPlaceDeadline{2000};

struct SearchOptions {
    std::chrono::milliseconds deadline = kPlaceDeadline;
    // Told, on the caller's thread, of each place that did not answer in time, by its name.
    std::function<void(const std::string& place)> passedOver;
    // Told of each folder as soon as it is certain, in the order of the result, on the
    // search's own thread (and never after the search has returned).
    std::function<void(const GameFolder&)> found;
    // Called on the search's thread just before it looks at a place on the disks: where
    // tests and benchmarks make a place slow.
    std::function<void(const std::filesystem::path&)> lookingAt;
};

// The Half-Life folders, in this order and each once (the same folder reached through links
// or, on Windows, in another letter case counts once): the start value (outside Windows on the
// Wine prefix's drive C:, and then shown as the drive path); ModInstallPath of this user's
// Steam; the libraries of each Steam folder (on Windows from the registry, elsewhere the usual
// native, Flatpak and Snap folders); the retail install's InstallPath; outside Windows the
// libraries of Steam for Windows in the Wine prefix. A folder counts when it holds a folder
// "valve" (outside Windows in any letter case). `store` answers the registry's values, read
// here; the disks are looked at on a thread of the search's own, and a place that does not
// answer within the deadline is passed over, while those after it still count.
std::vector<GameFolder> findGameFolders(const SearchPlaces& places, SettingsStore& store,
                                        const SearchOptions& options = {});

// The search for the player running the program: their environment and settings store.
std::vector<GameFolder> findPlayersGameFolders(const SearchOptions& options = {});

}  // namespace kestro
