#include "search_places.h"

#include <cstdlib>

namespace kestro {

namespace fs = std::filesystem;

SearchPlaces searchPlacesFromEnvironment() {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return {variable("HOME"), variable("XDG_DATA_HOME"), variable("STEAM_DIR"),
            variable("WINEPREFIX")};
}

std::optional<fs::path> winePrefix([[maybe_unused]] const SearchPlaces& places) {
#ifdef _WIN32
    return std::nullopt;
#else
    if (!places.winePrefix.empty()) return fs::path(places.winePrefix);
    if (!places.home.empty()) return fs::path(places.home) / ".wine";
    return std::nullopt;
#endif
}

std::optional<fs::path> playersWinePrefix() { return winePrefix(searchPlacesFromEnvironment()); }

}  // namespace kestro
