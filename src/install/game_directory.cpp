#include "game_directory.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace kestro {

namespace fs = std::filesystem;

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

// The names of a drive path after its drive, as Windows reads them before any look-up.
std::vector<std::string_view> namesAfterDrive(std::string_view path) {
    std::vector<std::string_view> names;
    for (std::size_t begin = 2; begin <= path.size();) {
        const std::size_t end = std::min(path.find_first_of("\\/", begin), path.size());
        const std::string_view name = path.substr(begin, end - begin);
        if (name == "..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        begin = end + 1;
    }
    return names;
}

}  // namespace

std::optional<std::string> entryIgnoringCase(const fs::path& dir, std::string_view name) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(dir / gameDirectoryPath(name), error)))
        return std::string(name);
    std::optional<std::string> found;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        std::optional<std::string> entry = pathText(it->path().filename());
        if (entry && sameIgnoringCase(*entry, name) && (!found || *entry < *found))
            found = std::move(entry);
    }
    return found;
}

fs::path gameDirectoryPath(std::string_view typed) {
#ifdef _WIN32
    return fs::path(std::u8string(typed.begin(), typed.end()));
#else
    return fs::path(std::string(typed));
#endif
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

std::optional<fs::path> winePrefix() {
#ifdef _WIN32
    return std::nullopt;
#else
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return fs::path(prefix);
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".wine";
    return std::nullopt;
#endif
}

std::optional<fs::path> winePath(std::string_view path, const fs::path& prefix) {
    if (!isDrivePath(path)) return std::nullopt;
    const char drive[] = {lowerAscii(path[0]), ':', '\0'};
    fs::path found = prefix / "dosdevices" / drive;
    std::error_code error;
    if (!fs::is_directory(found, error)) return std::nullopt;

    bool onDisk = true;
    for (std::string_view name : namesAfterDrive(path)) {
        std::optional<std::string> entry;
        if (onDisk) entry = entryIgnoringCase(found, name);
        onDisk = entry.has_value();
        found /= gameDirectoryPath(onDisk ? *entry : name);
    }
    return found;
}

}  // namespace kestro
