#pragma once
// Where the program looks for the game, as the environment tells it.

#include <filesystem>
#include <optional>
#include <string>

namespace kestro {

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

// The Wine prefix of the player running the program.
std::optional<std::filesystem::path> playersWinePrefix();

}  // namespace kestro
