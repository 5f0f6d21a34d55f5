#include "install_config.h"

#include "line_files.h"
#include "platform/native_file.h"
#include "platform/system_path.h"
#include "platform/wine_path.h"

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

namespace {

// The mod folder that holds `file`, opened from the game folder that holds it. The game folder
// is taken as the system finds it; the mod folder, when it is a link, as locate() says.
std::error_code openModFolder(const fs::path& file, native::Folder& mod) {
    const fs::path modFolder = file.parent_path();
    native::Folder game;
    if (std::error_code error = game.open(modFolder.parent_path())) return error;
    return mod.open(game, modFolder.filename());
}

}  // namespace

InstallResult InstallConfig(const fs::path& gameDir, const TickedRows& ticked,
                            std::string_view text, const std::optional<fs::path>& winePrefix) {
    for (std::size_t row = 0; row < kInstallMods.size(); ++row) {
        if (!ticked[row]) continue;
        const std::string_view mod = kInstallMods[row];

        // The mod directory is never created: a missing one fails here, which is how a mod
        // that is not installed shows.
        const fs::path config = modFileLocation(gameDir, mod, kConfigFileName, winePrefix);
        native::Folder folder;
        std::error_code error = openModFolder(config, folder);
        if (!error) error = writeLineReplacing(folder, config.filename(), text);
        if (error) return {InstallFailure{row, InstallStep::WriteConfig, config, error}};

        const fs::path autoexec = modFileLocation(gameDir, mod, kAutoexecFileName, winePrefix);
        if ((error = appendLine(folder, autoexec.filename(), execLine())))
            return {InstallFailure{row, InstallStep::AppendExec, autoexec, error}};
    }
    return {};
}

}  // namespace kestro
