#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#endif

#include "config/print_config.h"
#include "config/product.h"
#include "game/game_search.h"
#include "game/search_places.h"
#include "install/install_config.h"
#include "platform/system_path.h"
#include "qt/qt_text.h"
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
    return findPlayersGameFoldersApart(options);
}

// What a step read from the arguments, or the problem that ends the run as a usage error.
template <typename T>
struct Reading {
    T value{};
    QString problem{};  // empty when the value was read
};

// The game folder an install goes to, and the Wine prefix where its drive paths lie.
struct InstallTarget {
    fs::path gameDir;
    std::optional<fs::path> prefix;

    fs::path modFile(std::size_t row, std::string_view file) const {
        return modFileLocation(gameDir, kInstallMods[row], file, prefix);
    }
};

class Parser {
public:
    Parser() {
        parser_.setApplicationDescription(
            QStringLiteral("Writes a tuned console config for Half-Life and its mods.\n"
                           "Without options it opens its window.") +
            QLatin1String(kConsoleHint));
        parser_.addOptions(optionList());
    }

    // Nothing when the window is to open instead.
    std::optional<int> run(const QStringList& arguments) {
        if (const QString problem = parseProblem(arguments); !problem.isEmpty())
            return usageError(problem);
        if (parser_.isSet(help_)) return answer(parser_.helpText());
        if (parser_.isSet(version_)) return answer(versionLine());
        if (const QString problem = combinationProblem(); !problem.isEmpty())
            return usageError(problem);
        if (parser_.isSet(findGame_)) return findGame();
        if (!parser_.isSet(printConfig_) && !parser_.isSet(install_)) return std::nullopt;
        const Reading<std::optional<Preset>> preset = presetNamed();
        if (!preset.problem.isEmpty()) return usageError(preset.problem);
        const std::string text = startupConfigText(preset.value, parser_.isSet(software_));
        return parser_.isSet(printConfig_) ? answer(text) : install(text);
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

    // Empty when the arguments parse and none is left over.
    QString parseProblem(const QStringList& arguments) {
        if (!parser_.parse(arguments)) return parser_.errorText();
        const QStringList extra = parser_.positionalArguments();
        if (extra.isEmpty()) return {};
        return QStringLiteral("Unexpected argument '%1'.").arg(extra.first());
    }

    // Empty when the options set go together.
    QString combinationProblem() const {
        const bool printing = parser_.isSet(printConfig_);
        const bool installing = parser_.isSet(install_);
        if (int(printing) + int(installing) + int(parser_.isSet(findGame_)) > 1)
            return QStringLiteral("--print-config, --find-game and --install go alone.");
        if (!installing && (parser_.isSet(gameDir_) || parser_.isSet(mods_)))
            return QStringLiteral("--game-dir and --mods go with --install.");
        if (!printing && !installing && (parser_.isSet(preset_) || parser_.isSet(software_)))
            return QStringLiteral("--preset and --software go with --print-config or --install.");
        return {};
    }

    static QString versionLine() {
        return QCoreApplication::applicationName() + u' ' +
               QCoreApplication::applicationVersion() + u'\n';
    }

    // Nothing without --preset.
    Reading<std::optional<Preset>> presetNamed() const {
        if (!parser_.isSet(preset_)) return {};
        const QString name = parser_.value(preset_);
        std::optional<Preset> preset;
        for (const PresetName& p : kPresetNames) {
            if (name == fromUtf8(p.name)) preset = p.preset;
        }
        if (preset) return {.value = preset};
        return {.problem = QStringLiteral("Unknown preset '%1'; the presets are %2.")
                               .arg(name, presetNames(QStringLiteral(", ")))};
    }

    static int findGame() {
        QString lines;
        for (const GameFolder& game : gameFoldersHere())
            lines += fromUtf8(game.folder) + u'\t' + fromUtf8(game.source) + u'\n';
        return lines.isEmpty() ? kNothingFound : answer(lines);
    }

    // Installs as "Install" does: into the mods --mods names, else every mod that is there.
    int install(const std::string& text) const {
        const Reading<TickedRows> named = modsNamed();
        if (!named.problem.isEmpty()) return usageError(named.problem);
        const std::optional<std::string> typed = gameFolder();
        if (!typed) {
            return complain(QStringLiteral("no Half-Life folder found; name one with --game-dir."),
                            kUsageError);
        }
        const InstallTarget target{gameDirectoryPath(*typed), playersWinePrefix()};
        const TickedRows ticked = parser_.isSet(mods_) ? named.value : modsThere(target);
        if (std::find(ticked.begin(), ticked.end(), true) == ticked.end())
            return complain(fromUtf8(kInstallFailedMessage), kInstallFailed);
        return report(target, ticked, InstallConfig(target.gameDir, ticked, text, target.prefix));
    }

    // The rows of the mods --mods names; none ticked without --mods.
    Reading<TickedRows> modsNamed() const {
        Reading<TickedRows> named;
        if (!parser_.isSet(mods_)) return named;
        QStringList known;
        for (std::string_view mod : kInstallMods) known << fromUtf8(mod);
        for (const QString& mod : parser_.value(mods_).split(u',')) {
            const qsizetype row = known.indexOf(mod);
            if (row < 0) {
                named.problem = QStringLiteral("Unknown mod '%1'; the mods are %2.")
                                    .arg(mod, known.join(QStringLiteral(", ")));
                return named;
            }
            named.value[std::size_t(row)] = true;
        }
        return named;
    }

    // The folder --game-dir names, else the first one the search finds; nothing when none is.
    std::optional<std::string> gameFolder() const {
        if (parser_.isSet(gameDir_)) return parser_.value(gameDir_).toStdString();
        const std::vector<GameFolder> found = gameFoldersHere();
        if (found.empty()) return std::nullopt;
        return found.front().folder;
    }

    // Every mod of the table whose folder is there.
    static TickedRows modsThere(const InstallTarget& target) {
        TickedRows there{};
        for (std::size_t row = 0; row < kInstallMods.size(); ++row) {
            std::error_code error;
            const fs::path folder = target.modFile(row, kConfigFileName).parent_path();
            there[row] = fs::is_directory(folder, error);
        }
        return there;
    }

    // Names each mod written before a failure on standard output, then the failure, if any.
    static int report(const InstallTarget& target, const TickedRows& ticked,
                      const InstallResult& result) {
        QString written;
        for (std::size_t row = 0; row < kInstallMods.size(); ++row) {
            if (result.failure && result.failure->row == row) break;
            if (ticked[row])
                written += QStringLiteral("wrote %1 and its exec line\n")
                               .arg(shownPath(target.modFile(row, kConfigFileName)));
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
