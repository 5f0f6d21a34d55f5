// The real program run from a terminal without any display, in a home whose Steam holds the
// game's valve and tfc folders ("~" below; "@empty" first runs it in a home with nothing).
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

#include "config/golden_texts.h"

// The game found, in the Steam of $XDG_DATA_HOME, "~/data".
const QByteArray hl = "~/data/Steam/steamapps/common/Half-Life";

class CommandLineTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void answers_data() {
        for (const char* column : {"out", "err", "cfg"}) QTest::addColumn<QByteArray>(column);
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        // cfg: valve/kestro.cfg afterwards.
        const auto row = [](const char* name, QStringList arguments, int status, QByteArray out,
                            QByteArray err = {}, QByteArray cfg = {}) {
            QTest::newRow(name) << out << err << cfg << arguments << status;
        };
        row("start-up text", {"--print-config"}, 0, kStartupText);
        row("version", {"--version"}, 0, "kestro 1.00\n");
        row("help", {"-h"}, 0,
            "Usage: kestro [options]\n"
            "Writes a tuned console config for Half-Life and its mods.\n"
            "Without options it opens its window.\n\n"
            "Options:\n"
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
        row("game found", {"--find-game"}, 0, hl + "\tSteam library\n");
        row("game none found", {"@empty", "--find-game"}, 1, {});
        row("game installed where found", {"--preset=high", "--install", "--software"}, 0,
            "wrote " + hl + "/valve/kestro.cfg and its exec line\nwrote " + hl +
                "/tfc/kestro.cfg and its exec line\n", {}, kHighSoftwareText + QByteArray("\r\n"));
        row("game failed install", {"--install", "--game-dir", hl, "--mods", "tfc,dmc"}, 1, {},
            "kestro: One or more mods not found. Possibly wrong directory selected.\nkestro: " +
                hl + "/dmc/kestro.cfg: No such file or directory\n");
        row("game to find", {"@empty", "--install"}, 2, {},
            "kestro: no Half-Life folder found; name one with --game-dir.\n");
        const auto bad = [&row](const char* name, const QStringList& arguments, const char* why) {
            row(name, arguments, 2, {}, QByteArray("kestro: ") + why + "\nValid options: --help, "
                "--version, --print-config, --find-game, --install, --game-dir dir, --mods list, "
                "--preset low|default|high, --software.\n");
        };
        bad("unknown preset", {"--print-config", "--preset", "High"},
            "Unknown preset 'High'; the presets are low, default, high.");
        bad("unknown mod", {"--install", "--mods", "valve,hl"}, "Unknown mod 'hl'; the mods are "
            "action, cstrike, dod, dmc, firearms, frontline, valve, tfc.");
        bad("preset alone", {"--software"},
            "--preset and --software go with --print-config or --install.");
        // A last argument "/dev/full" is where standard output goes.
        row("full output", {"--print-config", "/dev/full"}, 1, {},
            "kestro: cannot write to standard output: No space left on device\n");
#ifndef Q_OS_WIN  // Windows always has a display
        row("no display", {}, 1, {},
            "kestro: cannot open its window without a display; `kestro --help` lists what works "
            "without one.\n");
#endif
    }

    void answers() {
        QFETCH(QStringList, arguments);
#ifdef _WIN32
        if (QByteArray(QTest::currentDataTag()).startsWith("game")) QSKIP("a Linux home");
#endif
        const QString home = home_.path(), game = QString(hl).replace("~", home);
        QVERIFY(QDir().mkpath(game + "/valve") && QDir().mkpath(game + "/tfc"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "STEAM_DIR", "WINEPREFIX"})
            environment.remove(QString::fromLatin1(name));
        const bool empty = arguments.value(0) == "@empty";
        environment.insert("HOME", empty ? home + "/empty" : home);
        environment.insert("XDG_DATA_HOME", environment.value("HOME") + "/data");
        QProcess process;
        process.setProcessEnvironment(environment);
        if (arguments.value(arguments.size() - 1) == "/dev/full")
            process.setStandardOutputFile(arguments.takeLast());
        process.start(QStringLiteral(KESTRO_EXECUTABLE),
                      arguments.mid(empty).replaceInStrings("~", home));
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        // Standard error is text (CR LF on Windows); the help names the program by its path.
        QTEST(process.readAllStandardError().replace("\r\n", "\n").replace(home.toUtf8(), "~"),
              "err");
        const QByteArray path =
            QDir::toNativeSeparators(QStringLiteral(KESTRO_EXECUTABLE)).toLocal8Bit();
        QByteArray out = process.readAllStandardOutput().replace(home.toUtf8(), "~");
        if (arguments.contains("--help")) out.replace("\r\n", "\n");
        QTEST(out.replace(path, "kestro").replace(KESTRO_EXECUTABLE, "kestro"), "out");
        QTEST(process.exitCode(), "status");
        QFile cfg(game + "/valve/kestro.cfg");
        const QByteArray written = cfg.open(QIODevice::ReadOnly) ? cfg.readAll() : QByteArray();
        cfg.remove();
        QTEST(written, "cfg");
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
