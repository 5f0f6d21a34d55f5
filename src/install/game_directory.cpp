#include "game_directory.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "sysinfo/ascii_case.h"
#include "system_path.h"

namespace kestro {

namespace fs = std::filesystem;

namespace {

// The names of a drive path after its drive, as Windows reads them before any look-up.
std::vector<std::string_view> namesAfterDrive(std::string_view path) {
    std::vector<std::string_view> names;
    for (const std::string_view name : pathNames(path.substr(2))) {
        if (name == "..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
    }
    return names;
}

}  // namespace

std::optional<std::string> FolderNames::entryIgnoringCase(const fs::path& dir,
                                                          std::string_view name) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(dir / gameDirectoryPath(name), error)))
        return std::string(name);
    auto [listing, first] = listed_.try_emplace(dir);
    if (first) {
        for (fs::directory_iterator it(dir, error), end; !error && it != end;
             it.increment(error)) {
            // A name no text can hold is no name the program looks for.
            std::optional<std::string> entry = pathText(it->path().filename());
            if (!entry) continue;
            std::string& kept = listing->second[lowerAscii(*entry)];
            if (kept.empty() || *entry < kept) kept = std::move(*entry);
        }
    }
    const auto found = listing->second.find(lowerAscii(std::string(name)));
    if (found == listing->second.end()) return std::nullopt;
    return found->second;
}

fs::path gameDirectoryPath(std::string_view typed) {
#ifdef _WIN32
    return fs::path(wideFromUtf8(typed, false).value_or(std::wstring()));
#else
    return fs::path(std::string(typed));
#endif
}

std::vector<std::string_view> pathNames(std::string_view path) {
    std::vector<std::string_view> names;
    for (std::size_t begin = 0; begin <= path.size();) {
        const std::size_t end = std::min(path.find_first_of("\\/", begin), path.size());
        names.push_back(path.substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}

std::optional<std::string> pathText(const fs::path& path) {
#ifdef _WIN32
    try {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    } catch (const std::exception&) {
        return std::nullopt;  // a lone surrogate: no UTF-8 for it
    }
#else
    return path.string();
#endif
}

bool isDrivePath(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

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

std::optional<fs::path> winePath(std::string_view path, const fs::path& prefix,
                                 FolderNames& names) {
    // The system would see such a path only up to the zero: it names nothing.
    if (!isDrivePath(path) || path.find('\0') != std::string_view::npos) return std::nullopt;
    const char drive[] = {lowerAscii(path[0]), ':', '\0'};
    fs::path found = prefix / "dosdevices" / drive;
    std::error_code error;
    if (!fs::is_directory(found, error)) return std::nullopt;

    bool onDisk = true;
    for (std::string_view name : namesAfterDrive(path)) {
        std::optional<std::string> entry;
        if (onDisk) entry = names.entryIgnoringCase(found, name);
        onDisk = entry.has_value();
        found /= gameDirectoryPath(onDisk ? *entry : name);
    }
    return found;
}

}  // namespace kestro
