#include "install_config.h"

#include "game_directory.h"
#include "line_files.h"

namespace kestro {

namespace fs = std::filesystem;

fs::path modFilePath(const fs::path& gameDir, std::string_view mod, std::string_view file) {
    fs::path::value_type separator = fs::path::preferred_separator;
#ifndef _WIN32
    // A Windows path, for Wine: joined as Windows joins it.
    if (isDrivePath(gameDir.native())) separator = '\\';
#endif
    fs::path::string_type joined = gameDir.native();
    if (joined.empty() || joined.back() != separator) joined += separator;
    // Mod and file names are plain ASCII, the same in every character type.
    joined.append(mod.begin(), mod.end());
    joined += separator;
    joined.append(file.begin(), file.end());
    return fs::path(std::move(joined));
}

namespace {

// Where a mod's file is on this system: its path as joined, or where Wine keeps the file when
// that path names a drive of `winePrefix`.
fs::path located(fs::path joined, [[maybe_unused]] const std::optional<fs::path>& winePrefix) {
#ifndef _WIN32
    if (winePrefix) {
        if (std::optional<fs::path> onDrive = winePath(joined.native(), *winePrefix))
            return std::move(*onDrive);
    }
#endif
    return joined;
}

}  // namespace

InstallResult InstallConfig(const fs::path& gameDir, const TickedRows& ticked,
                            std::string_view text) {
    const std::optional<fs::path> prefix = winePrefix();
    for (std::size_t row = 0; row < kInstallTable.size(); ++row) {
        if (!ticked[row]) continue;
        const std::string_view mod = kInstallTable[row].modDirectory;

        const fs::path config = located(modFilePath(gameDir, mod, kConfigFileName), prefix);
        // The mod directory is never created: a missing one fails here, which is how a mod
        // that is not installed shows.
        if (std::error_code error = writeLineReplacing(config, text))
            return {InstallFailure{row, InstallStep::WriteConfig, config, error}};

        const fs::path autoexec = located(modFilePath(gameDir, mod, kAutoexecFileName), prefix);
        if (std::error_code error = appendLine(autoexec, kExecLine))
            return {InstallFailure{row, InstallStep::AppendExec, autoexec, error}};
    }
    return {};
}

}  // namespace kestro
