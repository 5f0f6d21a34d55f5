#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "config/product.h"
#include "forms/common/qt_text.h"
#include "print_config.h"

namespace kestro::cli {

namespace {

constexpr int kWriteFailed = 1;
constexpr int kUsageError = 2;

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
    for (const PresetName& p : kPresetNames) names << toQString(p.name);
    return names.join(separator);
}

// Writes the bytes unchanged and flushes them; false when they did not all arrive.
bool writeAll(std::FILE* stream, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
           std::fflush(stream) == 0;
}

int answer(std::string_view bytes) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);  // CR LF lines stay CR LF
#endif
    if (writeAll(stdout, bytes)) return 0;
    const QByteArray message =
        "kestro: cannot write to standard output: " + QByteArray(std::strerror(errno)) + '\n';
    writeAll(stderr, message.toStdString());
    return kWriteFailed;
}

int answer(const QString& text) { return answer(text.toLocal8Bit().toStdString()); }

class Parser {
public:
    Parser() {
        parser_.setApplicationDescription(QStringLiteral(
            "Writes a tuned console config for Half-Life and its mods.\n"
            "Without options it opens its window."));
        parser_.addOptions({help_, version_, printConfig_, preset_, software_});
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
        if (!parser_.isSet(printConfig_)) {
            if (parser_.isSet(preset_) || parser_.isSet(software_)) {
                return usageError(
                    QStringLiteral("--preset and --software go with --print-config."));
            }
            return std::nullopt;
        }
        std::optional<Preset> preset;
        if (parser_.isSet(preset_)) {
            const QString name = parser_.value(preset_);
            for (const PresetName& p : kPresetNames) {
                if (name == toQString(p.name)) preset = p.preset;
            }
            if (!preset) {
                return usageError(QStringLiteral("Unknown preset '%1'; the presets are %2.")
                                      .arg(name, presetNames(QStringLiteral(", "))));
            }
        }
        return answer(startupConfigText(preset, parser_.isSet(software_)));
    }

private:
    int usageError(const QString& problem) const {
        QStringList options;
        for (const QCommandLineOption& option :
             {help_, version_, printConfig_, preset_, software_}) {
            QString usage = QStringLiteral("--") + option.names().constLast();
            if (!option.valueName().isEmpty()) usage += u' ' + option.valueName();
            options << usage;
        }
        const QString message = QStringLiteral("kestro: %1\nValid options: %2.\n")
                                    .arg(problem, options.join(QStringLiteral(", ")));
        writeAll(stderr, message.toLocal8Bit().toStdString());
        return kUsageError;
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
    QCommandLineOption preset_{QStringLiteral("preset"),
                               QStringLiteral("With --print-config: applies this preset first, "
                                              "as its button in the presets window does."),
                               presetNames(QStringLiteral("|"))};
    QCommandLineOption software_{QStringLiteral("software"),
                                 QStringLiteral("With --print-config: chooses Software/Direct3D "
                                                "rendering.")};
};

}  // namespace

std::optional<int> answerOnTerminal(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt;
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(toQString(product::kName));
    QCoreApplication::setApplicationVersion(toQString(product::kVersion));
    return Parser().run(QCoreApplication::arguments());
}

}  // namespace kestro::cli
