#include "install_config.h"

#include "game_directory.h"
#include "line_files.h"

namespace kestro {

namespace fs = std::filesystem;

namespace {

// `gameDir`, `mod` and `file` joined with `separator`, which is added after `gameDir` unless
// that already ends in it.
template <class String>
String joined(String gameDir, typename String::value_type separator, std::string_view mod,
              std::string_view file) {
    if (gameDir.empty() || gameDir.back() != separator) gameDir += separator;
    // Mod and file names are plain ASCII, the same in every character type.
    gameDir.append(mod.begin(), mod.end());
    gameDir += separator;
    gameDir.append(file.begin(), file.end());
    return gameDir;
}

}  // namespace

fs::path modFilePath(const fs::path& gameDir, std::string_view mod, std::string_view file) {
    return fs::path(joined(gameDir.native(), fs::path::preferred_separator, mod, file));
}

fs::path modFileLocation(const fs::path& gameDir, std::string_view mod, std::string_view file,
                         [[maybe_unused]] const std::optional<fs::path>& winePrefix) {
#ifndef _WIN32
    if (winePrefix && isDrivePath(gameDir.native())) {
        // A Windows path: joined as Windows joins it, then found where Wine keeps it.
        if (std::optional<fs::path> onDrive =
                winePath(joined(gameDir.native(), '\\', mod, file), *winePrefix))
            return std::move(*onDrive);
    }
#endif
    return modFilePath(gameDir, mod, file);
}

InstallResult InstallConfig(const fs::path& gameDir, const TickedRows& ticked,
                            std::string_view text) {
    const std::optional<fs::path> prefix = winePrefix();
    for (std::size_t row = 0; row < kInstallMods.size(); ++row) {
        if (!ticked[row]) continue;
        const std::string_view mod = kInstallMods[row];

        const fs::path config = modFileLocation(gameDir, mod, kConfigFileName, prefix);
        // The mod directory is never created: a missing one fails here, which is how a mod
        // that is not installed shows.
        if (std::error_code error = writeLineReplacing(config, text))
            return {InstallFailure{row, InstallStep::WriteConfig, config, error}};

        const fs::path autoexec = modFileLocation(gameDir, mod, kAutoexecFileName, prefix);
        if (std::error_code error = appendLine(autoexec, execLine()))
            return {InstallFailure{row, InstallStep::AppendExec, autoexec, error}};
    }
    return {};
}

}  // namespace kestro
