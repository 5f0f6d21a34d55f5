#include "path_store.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "ascii_case.h"
#include "sysinfo_keys.h"

namespace kestro {

namespace {

// The one key this store can open.
constexpr StoreKey kSysInfoKey = 1;

bool isExecutableFile(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status)) return false;
    constexpr fs::perms anyExec = fs::perms::owner_exec | fs::perms::group_exec |
                                  fs::perms::others_exec;
    return (status.permissions() & anyExec) != fs::perms::none;
}

}  // namespace

PathProgramStore::PathProgramStore(const std::string& searchPath,
                                   std::span<const std::string_view> programs)
    : programs_(programs.begin(), programs.end()) {
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string::npos) end = searchPath.size();
        if (end > start) directories_.push_back(searchPath.substr(start, end - start));
        start = end + 1;
    }
}

std::string PathProgramStore::findProgram() const {
    for (const std::string& program : programs_) {
        for (const std::string& directory : directories_) {
            const std::filesystem::path candidate = std::filesystem::path(directory) / program;
            if (isExecutableFile(candidate)) return candidate.string();
        }
    }
    return {};
}

StoreAnswer PathProgramStore::openKey(StoreRoot root, const std::string& keyName, StoreKey& key) {
    if (root != StoreRoot::LocalMachine || !equalIgnoringAsciiCase(keyName, kSysInfoPathKey))
        return StoreAnswer::NotFound;
    key = kSysInfoKey;
    return StoreAnswer::Ok;
}

StoreAnswer PathProgramStore::queryValue(StoreKey key, const std::string& valueName,
                                         ValueType& type, std::span<char> buffer,
                                          std::uint32_t& size) {
    if (key != kSysInfoKey || !equalIgnoringAsciiCase(valueName, kSysInfoPathValue)) return StoreAnswer::NotFound;
    const std::string program = findProgram();
    if (program.empty()) return StoreAnswer::NotFound;
    // Stored as text with its terminating zero, like a registry text value.
    const std::size_t needed = program.size() + 1;
    const std::size_t room = std::min<std::size_t>(size, buffer.size());
    size = static_cast<std::uint32_t>(needed);
    if (needed > room) return StoreAnswer::MoreData;
    std::memcpy(buffer.data(), program.c_str(), needed);
    type = ValueType::Text;
    return StoreAnswer::Ok;
}

void PathProgramStore::closeKey(StoreKey) {}

std::unique_ptr<SettingsStore> makePlatformSettingsStore() {
    const char* searchPath = std::getenv("PATH");
    return std::make_unique<PathProgramStore>(searchPath ? searchPath : "", kSysInfoPrograms);
}

}  // namespace kestro
