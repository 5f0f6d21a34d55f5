#include "install_config.h"

#include "line_files.h"

namespace kestro {

namespace fs = std::filesystem;

fs::path modFilePath(const fs::path& gameDir, std::string_view mod, std::string_view file) {
    constexpr fs::path::value_type separator = fs::path::preferred_separator;
    fs::path::string_type joined = gameDir.native();
    if (joined.empty() || joined.back() != separator) joined += separator;
    // Mod and file names are plain ASCII, the same in every character type.
    joined.append(mod.begin(), mod.end());
    joined += separator;
    joined.append(file.begin(), file.end());
    return fs::path(std::move(joined));
}

InstallResult InstallConfig(const fs::path& gameDir, const TickedRows& ticked,
                            std::string_view text) {
    for (std::size_t row = 0; row < kInstallTable.size(); ++row) {
        if (!ticked[row]) continue;
        const std::string_view mod = kInstallTable[row].modDirectory;

        const fs::path config = modFilePath(gameDir, mod, kConfigFileName);
        // The mod directory is never created: a missing one fails here, which is how a mod
        // that is not installed shows.
        if (std::error_code error = writeLineReplacing(config, text))
            return {InstallFailure{row, InstallStep::WriteConfig, config, error}};

        const fs::path autoexec = modFilePath(gameDir, mod, kAutoexecFileName);
        if (std::error_code error = appendLine(autoexec, kExecLine))
            return {InstallFailure{row, InstallStep::AppendExec, autoexec, error}};
    }
    return {};
}

}  // namespace kestro
