#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

namespace {

const QByteArray kStartupText =
    "// Created with Kestro v1.0\r\n"
    "// Get your own copy at\r\n"
    "// http://kestro.example.org/\r\n"
    "\r\n"
    "// Gaming Options\r\n"
    "rate 8200\r\n"
    "cl_updaterate 40\r\n"
    "cl_cmdrate 40\r\n"
    "fps_max 72\r\n"
    "r_decals 3000\r\n"
    "cl_himodels 0\r\n"
    "r_drawviewmodel 1\r\n"
    "r_dynamic 1\r\n"
    "r_mirroralpha 1\r\n"
    "precache 1\r\n"
    "cl_allowupload 1\r\n"
    "cl_allowdownload 1\r\n"
    "cl_download_ingame 1\r\n"
    "r_mmx 0\r\n"
    "net_graph 0\r\n"
    "\r\n"
    "// OpenGL Options\r\n"
    "gl_texturemode gl_linear_mipmap_nearest\r\n"
    "gl_picmip 0\r\n"
    "gl_playermip 0\r\n"
    "gl_max_size 256\r\n"
    "gl_ztrick 0\r\n"
    "gl_spriteblend 1\r\n"
    "gl_dither 1\r\n"
    "gl_cull 1\r\n"
    "gl_keeptjunctions 1\r\n"
    "gl_lightholes 1\r\n"
    "\r\n"
    "// Sound Properties\r\n"
    "hisound 0\r\n"
    "s_a3d 0\r\n"
    "s_eax 0\r\n"
    "loadas8bit 0\r\n"
    "bgmvolume 0\r\n"
    "s_reverb 1\r\n";

const QByteArray kHighText =
    "// Created with Kestro v1.0\r\n"
    "// Get your own copy at\r\n"
    "// http://kestro.example.org/\r\n"
    "\r\n"
    "// Gaming Options\r\n"
    "rate 8200\r\n"
    "cl_updaterate 40\r\n"
    "cl_cmdrate 40\r\n"
    "fps_max 120\r\n"
    "r_decals 4096\r\n"
    "cl_himodels 1\r\n"
    "r_drawviewmodel 1\r\n"
    "r_dynamic 1\r\n"
    "r_mirroralpha 1\r\n"
    "precache 1\r\n"
    "cl_allowupload 1\r\n"
    "cl_allowdownload 1\r\n"
    "cl_download_ingame 1\r\n"
    "r_mmx 0\r\n"
    "net_graph 3\r\n"
    "net_graphpos 0\r\n"
    "\r\n"
    "// OpenGL Options\r\n"
    "gl_texturemode gl_linear_mipmap_linear\r\n"
    "gl_picmip 0\r\n"
    "gl_playermip 0\r\n"
    "gl_max_size 256\r\n"
    "gl_ztrick 0\r\n"
    "gl_spriteblend 1\r\n"
    "gl_dither 1\r\n"
    "gl_cull 1\r\n"
    "gl_keeptjunctions 0\r\n"
    "gl_lightholes 1\r\n"
    "\r\n"
    "// Sound Properties\r\n"
    "hisound 1\r\n"
    "s_a3d 1\r\n"
    "s_eax 1\r\n"
    "loadas8bit 0\r\n"
    "bgmvolume 3\r\n"
    "s_reverb 1\r\n";

const QByteArray kLowSoftwareText =
    "// Created with Kestro v1.0\r\n"
    "// Get your own copy at\r\n"
    "// http://kestro.example.org/\r\n"
    "\r\n"
    "// Gaming Options\r\n"
    "rate 8200\r\n"
    "cl_updaterate 40\r\n"
    "cl_cmdrate 40\r\n"
    "fps_max 72\r\n"
    "r_decals 30\r\n"
    "cl_himodels 0\r\n"
    "r_drawviewmodel 0\r\n"
    "r_dynamic 0\r\n"
    "r_mirroralpha 0\r\n"
    "precache 1\r\n"
    "cl_allowupload 0\r\n"
    "cl_allowdownload 0\r\n"
    "cl_download_ingame 0\r\n"
    "r_mmx 0\r\n"
    "net_graph 0\r\n"
    "\r\n"
    "// OpenGL Options\r\n"
    "// Rendering in Software/Direct3D Mode\r\n"
    "// No OpenGL Options available\r\n"
    "\r\n"
    "\r\n"
    "// Sound Properties\r\n"
    "hisound 0\r\n"
    "s_a3d 0\r\n"
    "s_eax 0\r\n"
    "loadas8bit 1\r\n"
    "bgmvolume 0\r\n"
    "s_reverb 0\r\n";

const QByteArray kValidOptions =
    "Valid options: --help, --version, --print-config, --preset low|default|high, --software.\n";

struct Run {
    int status = -1;  // -1: crashed or hung
    QByteArray out;
    QByteArray err;
};

// Runs the program as a shell user without any display would, standard output optionally
// sent to a file.
Run runKestro(const QStringList& arguments, const QString& outputFile = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(KESTRO_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit) run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("start-up text") << QStringList{"--print-config"} << kStartupText;
        QTest::newRow("High preset")
            << QStringList{"--print-config", "--preset", "high"} << kHighText;
        QTest::newRow("options in any order")
            << QStringList{"--preset=high", "--print-config"} << kHighText;
        QTest::newRow("Low preset in software mode")
            << QStringList{"--software", "--print-config", "--preset", "low"} << kLowSoftwareText;
        QTest::newRow("version") << QStringList{"--version"} << QByteArray("kestro 1.00\n");
    }

    // Without a display: a window or an application object for one would abort the run.
    void answers() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        const Run run = runKestro(arguments);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.out, expected);
        QCOMPARE(run.status, 0);
    }

    void helpNamesEveryOption() {
        const Run run = runKestro({QStringLiteral("--help")});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.startsWith("Usage: "));
        for (const char* option : {"-h, --help", "-v, --version", "--print-config",
                                   "--preset <low|default|high>", "--software"}) {
            QVERIFY2(run.out.contains(option), option);
        }
    }

    void rejects_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("problem");  // the first line of standard error
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << QByteArray("kestro: Unknown option 'bogus'.\n");
        QTest::newRow("unknown preset")
            << QStringList{"--print-config", "--preset", "ultra"}
            << QByteArray("kestro: Unknown preset 'ultra'; the presets are low, default, high.\n");
        QTest::newRow("preset name in capitals")
            << QStringList{"--print-config", "--preset=High"}
            << QByteArray("kestro: Unknown preset 'High'; the presets are low, default, high.\n");
        QTest::newRow("preset without its value")
            << QStringList{"--print-config", "--preset"}
            << QByteArray("kestro: Missing value after '--preset'.\n");
        QTest::newRow("preset without --print-config")
            << QStringList{"--preset", "high"}
            << QByteArray("kestro: --preset and --software go with --print-config.\n");
        QTest::newRow("stray argument")
            << QStringList{"--print-config", "kestro.cfg"}
            << QByteArray("kestro: Unexpected argument 'kestro.cfg'.\n");
    }

    void rejects() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, problem);
        const Run run = runKestro(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, problem + kValidOptions);
    }

    void reportsAnOutputThatCannotTakeTheText() {
        const Run run = runKestro({QStringLiteral("--print-config")}, QStringLiteral("/dev/full"));
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith("kestro: cannot write to standard output: "), run.err);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
