#include "wine_path.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "ascii_case.h"
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
