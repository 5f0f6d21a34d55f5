#pragma once
// Installing the config text into the ticked mods: for each, in install order, kestro.cfg
// gets the text and autoexec.cfg gets the line that runs it.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "install_table.h"

namespace kestro {

enum class InstallStep {
    WriteConfig,  // kestro.cfg
    AppendExec,   // autoexec.cfg
};

struct InstallFailure {
    std::size_t row;  // index into kInstallMods
    InstallStep step;
    std::filesystem::path path;
    std::error_code error;  // error.message() is the system's reason
};

// What the player is told of any failed install, wherever it failed.
inline constexpr std::string_view kInstallFailedMessage =
    "One or more mods not found. Possibly wrong directory selected.";

struct InstallResult {
    std::optional<InstallFailure> failure;  // the first failure, which ended the install
    bool succeeded() const { return !failure; }
};

// `file` in mod directory `mod` under `gameDir`, joined with the platform's separator. Only
// the last character of `gameDir` is looked at (a separator there is not doubled); nothing
// else in it is changed, so an empty game directory gives a path at the root.
std::filesystem::path modFilePath(const std::filesystem::path& gameDir, std::string_view mod,
                                  std::string_view file);

// Where that file is on this system: modFilePath, except outside Windows for a game directory
// that is a drive path ("C:\Sierra\Half-Life") on a drive of the Wine prefix `winePrefix`:
// then the path is joined by the same rule with "\" as the separator and found in the prefix
// by winePath (game_directory.h).
std::filesystem::path modFileLocation(const std::filesystem::path& gameDir, std::string_view mod,
                                      std::string_view file,
                                      const std::optional<std::filesystem::path>& winePrefix);

// For every ticked row in install order: replaces the mod's kestro.cfg with `text` and CR LF,
// then appends "exec kestro.cfg" and CR LF to its autoexec.cfg. `text` is 8-bit text and is
// written byte for byte. The first failure ends the install; what was written before it
// stays, and later rows are not touched. No row ticked is a success. Each file is the one at
// modFileLocation with the player's Wine prefix (winePrefix() of game_directory.h); a failure
// names that place. Both files are written relative to the mod folder, opened once; run as
// root, a link there (the mod folder itself, kestro.cfg or autoexec.cfg) is followed only when
// root owns it. A game directory holding a zero character names no folder.
InstallResult InstallConfig(const std::filesystem::path& gameDir, const TickedRows& ticked,
                            std::string_view text,
                            const std::optional<std::filesystem::path>& winePrefix);

}  // namespace kestro
