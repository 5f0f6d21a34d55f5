#pragma once
// The games and mods the config can be installed to, one row per check box of the install
// window. The install order is the reading order of the window's two columns of check boxes:
// the left column from top to bottom, then the right one.

#include <array>
#include <cstddef>
#include <string_view>

namespace kestro {

struct InstallRow {
    std::string_view checkBox;      // the install window's check box
    std::string_view caption;       // its caption
    std::string_view modDirectory;  // the mod's directory under the game directory
    bool tickedByDefault;           // ticked when the install window opens
};

inline constexpr std::size_t kInstallRowCount = 8;

inline constexpr std::array<InstallRow, kInstallRowCount> kInstallTable{{
    {"chkAction", "Action Half-Life", "action", false},
    {"chkCStrike", "Counter-Strike", "cstrike", false},
    {"chkDoD", "Day of Defeat", "dod", false},
    {"chkDMC", "Deathmatch Classic", "dmc", true},
    {"chkFirearms", "Firearms", "firearms", false},
    {"chkFLF", "Frontline Force", "frontline", false},
    {"chkValve", "Regular Half-Life", "valve", true},
    {"chkTFC", "Team Fortress Classic", "tfc", true},
}};

// One flag per row of kInstallTable, in install order.
using TickedRows = std::array<bool, kInstallRowCount>;

inline constexpr std::string_view kConfigFileName = "kestro.cfg";
inline constexpr std::string_view kAutoexecFileName = "autoexec.cfg";
// The line that makes the game run the config at start; written with a CR LF ending.
inline constexpr std::string_view kExecLine = "exec kestro.cfg";

}  // namespace kestro
