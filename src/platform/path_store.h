#pragma once
// The settings store where there is no registry. It knows one value: the "PATH" value of the
// system-information key, which it answers with the first system-information program it finds
// on the search path. Every other key and value is "not found", so a machine without such a
// program gets the "unavailable" message as a machine without the registry entries would.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings_store.h"

namespace kestro {

// The programs looked for, in this order.
inline constexpr std::string_view kSysInfoPrograms[] = {
    "hardinfo2",
    "hardinfo",
    "kinfocenter",
    "gnome-system-monitor",
};

class PathProgramStore : public SettingsStore {
public:
    // `searchPath`: directories separated by ':' (empty entries are skipped, never read as
    // the current directory). `programs`: the names looked for, in order of preference.
    PathProgramStore(const std::string& searchPath, std::span<const std::string_view> programs);

    StoreAnswer openKey(StoreRoot root, const std::string& keyName, StoreKey& key) override;
    StoreAnswer queryValue(StoreKey key, const std::string& valueName, ValueType& type,
                           std::span<char> buffer, std::uint32_t& size) override;
    void closeKey(StoreKey key) override;

private:
    // The full path of the first listed program found as an executable file; empty if none.
    std::string findProgram() const;

    std::vector<std::string> directories_;
    std::vector<std::string> programs_;
};

}  // namespace kestro
