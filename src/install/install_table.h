#pragma once
// The games and mods the config can be installed to, one row per check box of the install
// window (which holds their captions), in install order: the reading order of the window's two
// columns of check boxes, the left column from top to bottom, then the right one.

#include <array>
#include <cstddef>
#include <string_view>

namespace kestro {

struct InstallRow {
    std::string_view modDirectory;  // the mod's directory under the game directory
};

inline constexpr std::size_t kInstallRowCount = 8;

inline constexpr std::array<InstallRow, kInstallRowCount> kInstallTable{{
    {"action"},     // Action Half-Life
    {"cstrike"},    // Counter-Strike
    {"dod"},        // Day of Defeat
    {"dmc"},        // Deathmatch Classic
    {"firearms"},   // Firearms
    {"frontline"},  // Frontline Force
    {"valve"},      // Regular Half-Life
    {"tfc"},        // Team Fortress Classic
}};

// One flag per row of kInstallTable, in install order.
using TickedRows = std::array<bool, kInstallRowCount>;

inline constexpr std::string_view kConfigFileName = "kestro.cfg";
inline constexpr std::string_view kAutoexecFileName = "autoexec.cfg";
// The line that makes the game run the config at start; written with a CR LF ending.
inline constexpr std::string_view kExecLine = "exec kestro.cfg";

}  // namespace kestro
