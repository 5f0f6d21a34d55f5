// The real program run from a terminal without any display, in a home whose Steam holds the
// game's valve and tfc folders ("~" below). An argument "@empty" runs it in a home with nothing,
// an argument "/dev/full" sends its standard output there.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "config/golden_texts.h"

#ifdef Q_OS_WIN  // where the window program has no console
#define kConsoleHelp "In cmd.exe type `kestro` and the options, in PowerShell `.\\kestro` " \
    "(or `kestro`\nwith this folder on PATH): kestro.com answers in the console and waits, " \
    "as kestro.exe\n(the window) cannot.\n"
#else
#define kConsoleHelp ""
#endif

// The games found: first in the Steam of $HOME, then in that of $XDG_DATA_HOME, "~/data".
const QByteArray hl = "~/.steam/steam/steamapps/common/Half-Life";
const QByteArray xdgHl = "~/data/Steam/steamapps/common/Half-Life";

class CommandLineTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void answers_data() {
        // out: standard output, then valve/kestro.cfg if the run wrote one.
        for (const char* column : {"out", "err"}) QTest::addColumn<QByteArray>(column);
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        const auto row = [](const char* name, QStringList arguments, int status, QByteArray out,
                            QByteArray err = {}) {
            QTest::newRow(name) << out << err << arguments << status;
        };
        const QByteArray usage = "\nValid options: --help, --version, --print-config, --find-game,"
            " --install, --game-dir dir, --mods list, --preset low|default|high, --software.\n";
        row("start-up text", {"--print-config"}, 0, kStartupText);
        row("version", {"--version"}, 0, "kestro 1.00\n");
        row("help", {"-h"}, 0,
            "Usage: kestro [options]\nWrites a tuned console config for Half-Life and its mods.\n"
            "Without options it opens its window.\n" kConsoleHelp "\nOptions:\n"
            "  -h, --help                   Shows this help and exits.\n"
            "  -v, --version                Shows the version and exits.\n"
            "  --print-config               Writes the config text of the window's start-up\n"
            "                               settings to standard output, with CR LF line\n"
            "                               ends, and exits.\n"
            "  --find-game                  Lists the Half-Life folders found and exits.\n"
            "  --install                    Installs that config text as \"Install\" does.\n"
            "  --game-dir <dir>             With --install: the game folder.\n"
            "  --mods <list>                With --install: mod folders, comma-separated.\n"
            "  --preset <low|default|high>  Applies this preset first, as its button does.\n"
            "  --software                   Chooses Software/Direct3D rendering.\n");
        row("unknown preset", {"--print-config", "--preset", "High"}, 2, {},
            "kestro: Unknown preset 'High'; the presets are low, default, high." + usage);
        row("unknown mod", {"--install", "--mods", "action,hl"}, 2, {}, "kestro: Unknown mod 'hl'; "
            "the mods are action, cstrike, dod, dmc, firearms, frontline, valve, tfc." + usage);
        row("preset alone", {"--software"}, 2, {},
            "kestro: --preset and --software go with --print-config or --install." + usage);
        row("two actions", {"--print-config", "--find-game"}, 2, {},
            "kestro: --print-config, --find-game and --install go alone." + usage);
        row("mods without install", {"--print-config", "--mods", "valve"}, 2, {},
            "kestro: --game-dir and --mods go with --install." + usage);
        row("unexpected argument", {"--print-config", "valve"}, 2, {},
            "kestro: Unexpected argument 'valve'." + usage);
        row("full output", {"--print-config", "/dev/full"}, 1, {},
            "kestro: cannot write to standard output: No space left on device\n");
#ifndef Q_OS_WIN  // Windows has no such home, and always a display
        row("game found", {"--find-game"}, 0, hl + "\tSteam library\n" + xdgHl + "\tSteam library\n");
        row("game none found", {"@empty", "--find-game"}, 1, {});
        row("game installed where found", {"--preset=high", "--install", "--software"}, 0,
            "wrote " + hl + "/valve/kestro.cfg and its exec line\nwrote " + hl +
                "/tfc/kestro.cfg and its exec line\n" + kHighSoftwareText + "\r\n");
        row("game failed install", {"--install", "--game-dir", xdgHl, "--mods", "tfc,valve"}, 1,
            "wrote " + xdgHl + "/valve/kestro.cfg and its exec line\n",
            "kestro: One or more mods not found. Possibly wrong directory selected.\nkestro: " +
                xdgHl + "/tfc/kestro.cfg: No such file or directory\n");
        row("game without mods", {"--install", "--game-dir", "~"}, 1, {},
            "kestro: One or more mods not found. Possibly wrong directory selected.\n");
        row("game to find", {"@empty", "--install"}, 2, {},
            "kestro: no Half-Life folder found; name one with --game-dir.\n");
        row("no display", {}, 1, {}, "kestro: cannot open its window without a display; "
            "`kestro --help` lists what works without one.\n");
#endif
    }

    void answers() {
        QFETCH(QStringList, arguments);
        const QString home = home_.path(), game = QString(hl).replace("~", home);
        QVERIFY(QDir().mkpath(game + "/valve") && QDir().mkpath(game + "/tfc") &&
                QDir().mkpath(QString(xdgHl).replace("~", home) + "/valve"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "STEAM_DIR", "WINEPREFIX"})
            environment.remove(name);
        const QString user = arguments.removeOne("@empty") ? home + "/empty" : home;
        environment.insert("HOME", user);
        environment.insert("XDG_DATA_HOME", user + "/data");
        QProcess process;
        process.setProcessEnvironment(environment);
        if (arguments.removeOne("/dev/full")) process.setStandardOutputFile("/dev/full");
        process.start(KESTRO_EXECUTABLE, arguments.replaceInStrings("~", home));
        QVERIFY(process.waitForFinished(30000));
        QByteArray out = process.readAllStandardOutput();
        QByteArray err = process.readAllStandardError().replace("\r\n", "\n");  // text on Windows
        QFile cfg(game + "/valve/kestro.cfg");
        if (cfg.open(QIODevice::ReadOnly)) out += cfg.readAll();
        cfg.remove();
        // The help names the program by the path it was started with.
        const QByteArray path = QDir::toNativeSeparators(KESTRO_EXECUTABLE).toLocal8Bit();
        for (QByteArray* text : {&out, &err})
            text->replace(home.toUtf8(), "~").replace(path, "kestro");
        QTEST(err, "err");
        QTEST(out, "out");
        QTEST(process.exitCode(), "status");
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
