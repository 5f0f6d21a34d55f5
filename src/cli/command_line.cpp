#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#endif

#include "config/print_config.h"
#include "config/product.h"
#include "install/game_directory.h"
#include "install/game_search.h"
#include "install/install_config.h"
#include "search_apart.h"

namespace kestro::cli {

namespace {

namespace fs = std::filesystem;

constexpr int kWriteFailed = 1;
constexpr int kInstallFailed = 1;
constexpr int kNothingFound = 1;
constexpr int kStartFailed = 1;
constexpr int kUsageError = 2;

// Where a console shows nothing of the window program (Windows), how to reach its twin.
#ifdef _WIN32
// PowerShell runs nothing from the current folder by a bare name.
constexpr char kConsoleHint[] =
    "\nIn cmd.exe type `kestro` and the options, in PowerShell `.\\kestro` (or `kestro`\n"
    "with this folder on PATH): kestro.com answers in the console and waits, as kestro.exe\n"
    "(the window) cannot.";
#else
constexpr char kConsoleHint[] = "";
#endif

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString shownPath(const fs::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(fs::path(path).make_preferred().wstring());
#else
    return QFile::decodeName(path.c_str());
#endif
}


struct PresetName {
    std::string_view name;
    Preset preset;
};
constexpr std::array<PresetName, 3> kPresetNames{{
    {"low", Preset::Low},
    {"default", Preset::Default},
    {"high", Preset::High},
}};

QString presetNames(const QString& separator) {
    QStringList names;
    for (const PresetName& p : kPresetNames) names << fromUtf8(p.name);
    return names.join(separator);
}

// Writes the bytes unchanged and flushes them; false when they did not all arrive.
bool writeAll(std::FILE* stream, std::string_view bytes) {
#ifdef _WIN32
    // Binary, so that CR LF stays CR LF. A window program started without a stream has
    // descriptor -2, which must never reach _setmode: the C run-time would end the program.
    const int descriptor = _fileno(stream);
    if (descriptor < 0) {
        errno = EBADF;
        return false;
    }
    _setmode(descriptor, _O_BINARY);
#endif
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
           std::fflush(stream) == 0;
}

#ifdef _WIN32
}  // namespace

ConsoleCalls& consoleCalls() {
    static ConsoleCalls calls{
        [](void* handle, unsigned long* mode) { return GetConsoleMode(handle, mode) != 0; },
        [](void* handle, const wchar_t* text, unsigned long length, unsigned long* written) {
            return WriteConsoleW(handle, text, length, written, nullptr) != 0;
        }};
    return calls;
}

namespace {
#endif

// Writes UTF-8 text: into a Windows console as wide characters, so that every name shows as
// typed; into a file or a pipe as the bytes themselves, the same on every system.
bool writeText(std::FILE* stream, std::string_view utf8) {
#ifdef _WIN32
    const HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    const ConsoleCalls& console = consoleCalls();
    DWORD mode = 0;
    if (handle && handle != INVALID_HANDLE_VALUE && console.mode(handle, &mode)) {
        // The program's answers are a few kilobytes: one call takes them whole.
        const std::wstring text = fromUtf8(utf8).toStdWString();
        DWORD written = 0;
        if (console.write(handle, text.data(), DWORD(text.size()), &written) &&
            written == text.size())
            return true;
        errno = EIO;
        return false;
    }
#endif
    return writeAll(stream, utf8);
}

int answer(std::string_view utf8) {
    if (writeText(stdout, utf8)) return 0;
    const QByteArray message =
        "kestro: cannot write to standard output: " + QByteArray(std::strerror(errno)) + '\n';
    writeText(stderr, message.toStdString());
    return kWriteFailed;
}

int answer(const QString& text) { return answer(text.toStdString()); }

int complain(const QString& text, int status) {
    writeText(stderr, (QStringLiteral("kestro: ") + text + u'\n').toStdString());
    return status;
}

// The search as the install window runs it; a place that kept it waiting is named.
std::vector<GameFolder> gameFoldersHere() {
    SearchOptions options;
    options.passedOver = [](const std::string& place) {
        complain(QStringLiteral("%1 did not answer; passed over").arg(fromUtf8(place)), 0);
    };
    return findGameFoldersApart(searchPlacesFromEnvironment(), *makePlatformSettingsStore(),
                                options);
}

class Parser {
public:
    Parser() {
        parser_.setApplicationDescription(
            QStringLiteral("Writes a tuned console config for Half-Life and its mods.\n"
                           "Without options it opens its window.") +
            QLatin1String(kConsoleHint));
        parser_.addOptions(optionList());
    }

    std::optional<int> run(const QStringList& arguments) {
        if (!parser_.parse(arguments)) return usageError(parser_.errorText());
        const QStringList extra = parser_.positionalArguments();
        if (!extra.isEmpty()) {
            return usageError(QStringLiteral("Unexpected argument '%1'.").arg(extra.first()));
        }
        if (parser_.isSet(help_)) return answer(parser_.helpText());
        if (parser_.isSet(version_)) {
            return answer(QCoreApplication::applicationName() + u' ' +
                          QCoreApplication::applicationVersion() + u'\n');
        }
        const bool print = parser_.isSet(printConfig_);
        const bool install = parser_.isSet(install_);
        const bool find = parser_.isSet(findGame_);
        if (int(print) + int(install) + int(find) > 1) {
            return usageError(QStringLiteral("--print-config, --find-game and --install go alone."));
        }
        if (!install && (parser_.isSet(gameDir_) || parser_.isSet(mods_))) {
            return usageError(QStringLiteral("--game-dir and --mods go with --install."));
        }
        if (!print && !install && (parser_.isSet(preset_) || parser_.isSet(software_))) {
            return usageError(
                QStringLiteral("--preset and --software go with --print-config or --install."));
        }
        if (find) return findGame();
        if (!print && !install) return std::nullopt;
        std::optional<Preset> preset;
        if (parser_.isSet(preset_)) {
            const QString name = parser_.value(preset_);
            for (const PresetName& p : kPresetNames) {
                if (name == fromUtf8(p.name)) preset = p.preset;
            }
            if (!preset) {
                return usageError(QStringLiteral("Unknown preset '%1'; the presets are %2.")
                                      .arg(name, presetNames(QStringLiteral(", "))));
            }
        }
        const std::string text = startupConfigText(preset, parser_.isSet(software_));
        return print ? answer(text) : installText(text);
    }

private:
    int usageError(const QString& problem) const {
        QStringList options;
        for (const QCommandLineOption& option : optionList()) {
            QString usage = QStringLiteral("--") + option.names().constLast();
            if (!option.valueName().isEmpty()) usage += u' ' + option.valueName();
            options << usage;
        }
        const QString message = QStringLiteral("kestro: %1\nValid options: %2.\n")
                                    .arg(problem, options.join(QStringLiteral(", ")));
        writeText(stderr, message.toStdString());
        return kUsageError;
    }

    QList<QCommandLineOption> optionList() const {
        return {help_,     version_, printConfig_, findGame_, install_,
                gameDir_, mods_,    preset_,      software_};
    }

    static int findGame() {
        QString lines;
        for (const GameFolder& game : gameFoldersHere())
            lines += fromUtf8(game.folder) + u'\t' + fromUtf8(game.source) + u'\n';
        return lines.isEmpty() ? kNothingFound : answer(lines);
    }

    // Installs as "Install" does; without --mods into every mod of the table that is there.
    std::optional<int> installText(const std::string& text) {
        TickedRows ticked{};
        if (parser_.isSet(mods_)) {
            QStringList known;
            for (std::string_view mod : kInstallMods) known << fromUtf8(mod);
            for (const QString& mod : parser_.value(mods_).split(u',')) {
                const qsizetype row = known.indexOf(mod);
                if (row < 0) {
                    return usageError(QStringLiteral("Unknown mod '%1'; the mods are %2.")
                                          .arg(mod, known.join(QStringLiteral(", "))));
                }
                ticked[std::size_t(row)] = true;
            }
        }
        std::string typed = parser_.value(gameDir_).toStdString();
        if (!parser_.isSet(gameDir_)) {
            const std::vector<GameFolder> found = gameFoldersHere();
            if (found.empty()) {
                return complain(QStringLiteral("no Half-Life folder found; name one with "
                                               "--game-dir."),
                                kUsageError);
            }
            typed = found.front().folder;
        }
        const fs::path gameDir = gameDirectoryPath(typed);
        const std::optional<fs::path> prefix = winePrefix(searchPlacesFromEnvironment());
        const auto modFile = [&gameDir, &prefix](std::size_t row, std::string_view file) {
            return modFileLocation(gameDir, kInstallMods[row], file, prefix);
        };
        bool any = false;
        for (std::size_t row = 0; row < kInstallMods.size(); ++row) {
            std::error_code error;
            if (!parser_.isSet(mods_))
                ticked[row] = fs::is_directory(modFile(row, kConfigFileName).parent_path(), error);
            any = any || ticked[row];
        }
        if (!any) return complain(fromUtf8(kInstallFailedMessage), kInstallFailed);

        const InstallResult result = InstallConfig(gameDir, ticked, text, prefix);
        QString written;
        for (std::size_t row = 0; row < kInstallMods.size(); ++row) {
            if (result.failure && result.failure->row == row) break;
            if (ticked[row])
                written += QStringLiteral("wrote %1 and its exec line\n")
                               .arg(shownPath(modFile(row, kConfigFileName)));
        }
        if (!written.isEmpty() && answer(written) != 0) return kWriteFailed;
        if (!result.failure) return 0;
        return complain(fromUtf8(kInstallFailedMessage) + QStringLiteral("\nkestro: ") +
                            shownPath(result.failure->path) + QStringLiteral(": ") +
                            QString::fromLocal8Bit(result.failure->error.message()),
                        kInstallFailed);
    }

    QCommandLineParser parser_;
    QCommandLineOption help_{{QStringLiteral("h"), QStringLiteral("help")},
                             QStringLiteral("Shows this help and exits.")};
    QCommandLineOption version_{{QStringLiteral("v"), QStringLiteral("version")},
                                QStringLiteral("Shows the version and exits.")};
    QCommandLineOption printConfig_{
        QStringLiteral("print-config"),
        QStringLiteral("Writes the config text of the window's start-up settings to standard "
                       "output, with CR LF line ends, and exits.")};
    QCommandLineOption findGame_{QStringLiteral("find-game"),
                                 QStringLiteral("Lists the Half-Life folders found and exits.")};
    QCommandLineOption install_{QStringLiteral("install"),
                                QStringLiteral("Installs that config text as \"Install\" does.")};
    QCommandLineOption gameDir_{QStringLiteral("game-dir"),
                                QStringLiteral("With --install: the game folder."),
                                QStringLiteral("dir")};
    QCommandLineOption mods_{QStringLiteral("mods"),
                             QStringLiteral("With --install: mod folders, comma-separated."),
                             QStringLiteral("list")};
    QCommandLineOption preset_{QStringLiteral("preset"),
                               QStringLiteral("Applies this preset first, as its button does."),
                               presetNames(QStringLiteral("|"))};
    QCommandLineOption software_{QStringLiteral("software"),
                                 QStringLiteral("Chooses Software/Direct3D rendering.")};
};

}  // namespace

#ifdef _WIN32
int startWindowProgram(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    QProcess window;
    window.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/kestro.exe"));
    // Started on its own, with no stream of this console: the window holds none of its pipes.
    if (window.startDetached()) return 0;
    return complain(QStringLiteral("cannot start %1: %2")
                        .arg(QDir::toNativeSeparators(window.program()), window.errorString()),
                    kStartFailed);
}
#endif

std::optional<int> answerOnTerminal(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt;
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(fromUtf8(product::kName));
    QCoreApplication::setApplicationVersion(fromUtf8(product::kVersion));
    return Parser().run(QCoreApplication::arguments());
}

}  // namespace kestro::cli
