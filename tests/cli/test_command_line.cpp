#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include "config/golden_texts.h"

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        const auto row = [](const char* name, const QStringList& arguments, int status,
                            const QByteArray& out, const QByteArray& err = {}) {
            QTest::newRow(name) << arguments << status << out << err;
        };
        row("start-up text", {"--print-config"}, 0, kStartupText);
        row("High preset", {"--print-config", "--preset", "high"}, 0, kHighText);
        row("any order", {"--preset=high", "--software", "--print-config"}, 0, kHighSoftwareText);
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
            "  --preset <low|default|high>  With --print-config: applies this preset first,\n"
            "                               as its button in the presets window does.\n"
            "  --software                   With --print-config: chooses Software/Direct3D\n"
            "                               rendering.\n");
        const auto bad = [&row](const char* name, const QStringList& arguments, const char* why) {
            row(name, arguments, 2, {},
                QByteArray("kestro: ") + why +
                    "\nValid options: --help, --version, --print-config, "
                    "--preset low|default|high, --software.\n");
        };
        bad("unknown option", {"--bogus"}, "Unknown option 'bogus'.");
        bad("unknown preset", {"--print-config", "--preset", "ultra"},
            "Unknown preset 'ultra'; the presets are low, default, high.");
        bad("preset in capitals", {"--print-config", "--preset=High"},
            "Unknown preset 'High'; the presets are low, default, high.");
        bad("preset without value", {"--print-config", "--preset"},
            "Missing value after '--preset'.");
        bad("preset without --print-config", {"--preset", "high"},
            "--preset and --software go with --print-config.");
        bad("software without --print-config", {"--software"},
            "--preset and --software go with --print-config.");
        bad("stray argument", {"--print-config", "kestro.cfg"},
            "Unexpected argument 'kestro.cfg'.");
        // A last argument "/dev/full" is where standard output goes.
        row("full output", {"--print-config", "/dev/full"}, 1, {},
            "kestro: cannot write to standard output: No space left on device\n");
#ifndef Q_OS_WIN  // Windows always has a display
        row("no display", {}, 1, {},
            "kestro: cannot open its window without a display; `kestro --help` lists what works "
            "without one.\n");
#endif
    }

    // Run as a shell user without any display would: a window or an application object for
    // one would abort the run.
    void answers() {
        QFETCH(QStringList, arguments);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        QProcess process;
        process.setProcessEnvironment(environment);
        if (arguments.value(arguments.size() - 1) == "/dev/full") process.setStandardOutputFile(arguments.takeLast());
        process.start(QStringLiteral(KESTRO_EXECUTABLE), arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        // Standard error is text (CR LF on Windows); the help names the program by its path.
        QTEST(process.readAllStandardError().replace("\r\n", "\n"), "err");
        const QByteArray path = QDir::toNativeSeparators(QStringLiteral(KESTRO_EXECUTABLE)).toLocal8Bit();
        QByteArray out = process.readAllStandardOutput();
        if (arguments.contains("--help")) out.replace("\r\n", "\n");
        QTEST(out.replace(path, "kestro").replace(KESTRO_EXECUTABLE, "kestro"), "out");
        QTEST(process.exitCode(), "status");
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
