#pragma once
// The mods the config can be installed to, by their directory under the game directory, in
// install order: the reading order of the install window's two columns of check boxes, the
// left column from top to bottom, then the right one.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kestro {

inline constexpr std::array<std::string_view, 8> kInstallMods{
    "action", "cstrike", "dod", "dmc", "firearms", "frontline", "valve", "tfc"};

// One flag per mod of kInstallMods, in install order.
using TickedRows = std::array<bool, kInstallMods.size()>;

// The place of `mod` in kInstallMods; a name that is not there does not compile.
consteval std::size_t installRow(std::string_view mod) {
    for (std::size_t row = 0; row < kInstallMods.size(); ++row) {
        if (kInstallMods[row] == mod) return row;
    }
    throw "not a mod of the install table";
}

inline constexpr std::string_view kConfigFileName = "kestro.cfg";
inline constexpr std::string_view kAutoexecFileName = "autoexec.cfg";

// The line that makes the game run the config at start, without a line end: appendLine adds
// the CR LF.
inline std::string execLine() { return "exec " + std::string(kConfigFileName); }

}  // namespace kestro
