// The program on Windows: the folder forms of drive letters, and through the real windows the
// browser's drive letters and the paths it writes, an install into a "C:\..." game directory,
// "System Info..." starting the program the registry names, and the native borders and owners
// of the windows. Run under Wine by `make test-windows`, after seed-registry.sh.
#include <windows.h>

#include <QTreeWidget>

#include "forms/about/frmabout.h"
#include "forms/browse/folders.h"
#include "forms/browse/frmbrowse.h"
#include "forms/common/single_window.h"
#include "forms/egg/frmegg.h"
#include "forms/install/frminstall.h"
#include "forms/preset/frmpreset.h"
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

class WindowsFormsTest : public QObject {
    Q_OBJECT

    MessageRecorder messages_;

private slots:
    void driveLetterFolderForms() {
        QCOMPARE(QStringList({folderRoot("C:/Sierra/Half-Life"), folderRoot("z:/x"),
                              folderRoot("//server/share/hl"), folderRoot("//server/share"),
                              folderLabel("C:/"), nativeFolderPath("C:/Sierra"),
                              cleanFolder("C:\\Sierra\\..\\Games\\"), cleanFolder("C:/.."),
                              cleanFolder("C:/../Sierra"),
                              rootHolding("c:/sierra", {"D:/", "C:/"})}),
                 QStringList({"C:/", "z:/", "//server/share/", "//server/share/", "C:\\",
                              "C:\\Sierra", "C:/Games", "C:/", "C:/Sierra", "C:/"}));
        QCOMPARE(folderChain("C:/Sierra/Half-Life"),
                 QStringList({"C:/", "C:/Sierra", "C:/Sierra/Half-Life"}));
    }

    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) delete w;
        flushDeletes();
    }

    void browseDrivesThenInstallOnC() {
        QVERIFY(QDir(QStringLiteral("C:/")).mkpath(QStringLiteral("Sierra/valve")));
        QFile::remove(QStringLiteral("C:/Sierra/valve/kestro.cfg"));
        auto* install = SingleWindow<frmInstall>::show([] {
            return new frmInstall([]() -> std::optional<QString> { return "fps_max 72\r\n"; });
        });
        for (auto* box : install->findChildren<QCheckBox*>())
            box->setChecked(box->objectName() == QLatin1String("chkValve"));
        click(el(install, "cmdBrowse"));
        frmBrowse* browser = showWindow(SingleWindow<frmBrowse>::current());
        auto* field = el<QLineEdit>(install, "txtFileName");

        // Drive letters only, C: and Wine's Z: among them, the process's drive chosen.
        auto* drives = el<QComboBox>(browser, "drvChange");
        QStringList shown;
        for (int i = 0; i < drives->count(); ++i) shown << drives->itemText(i);
        QVERIFY2(shown.filter(QRegularExpression("^[A-Z]:\\\\$")) == shown &&
                     shown.contains("C:\\") && drives->currentText() == "Z:\\",
                 qPrintable(shown.join(u' ')));

        // A drive chosen writes its current folder: the working folder on Z:, the root on C:.
        drives->setCurrentIndex(shown.indexOf("C:\\"));
        QCOMPARE(field->text(), QStringLiteral("C:\\"));
        drives->setCurrentIndex(shown.indexOf("Z:\\"));
        QCOMPARE(field->text(), QDir::toNativeSeparators(QDir::currentPath()));
        drives->setCurrentIndex(shown.indexOf("C:\\"));
        auto* list = el<QTreeWidget>(browser, "dirLook");
        openEntry(list, list->findItems("Sierra", Qt::MatchExactly | Qt::MatchRecursive).at(0));
        QCOMPARE(field->text(), QStringLiteral("C:\\Sierra"));
        click(el(browser, "cmdDone"));

        // The install joins "valve\kestro.cfg" to it and writes CRLF line ends byte for byte.
        click(el(install, "cmdSave"));
        QCOMPARE(messages_.shown, QStringList{"kestro|Installion Complete! Enjoy!"});
        QFile written(QStringLiteral("C:/Sierra/valve/kestro.cfg"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("fps_max 72\r\n\r\n"));
    }

    // seed-registry.sh names Steam's folder C:\kestro-steam; its list names a second library.
    void installWindowOpensOnTheSteamLibrary() {
        QDir c(QStringLiteral("C:/"));
        QVERIFY(c.mkpath("kestro-steam/config") && c.mkpath("kestro-steam/no-game") &&
                c.mkpath("kestro-library/steamapps/common/Half-Life/valve"));
        QFile vdf(QStringLiteral("C:/kestro-steam/config/libraryfolders.vdf"));
        QVERIFY(vdf.open(QIODevice::WriteOnly) &&
                vdf.write("\"libraryfolders\"\r\n{\r\n\t\"0\"\r\n\t{\r\n\t\t\"path\"\t\t"
                          "\"c:\\\\kestro-steam\"\r\n\t}\r\n\t\"1\"\r\n\t{\r\n\t\t\"path\"\t\t"
                          "\"C:\\\\KESTRO-library\"\r\n\t}\r\n}\r\n") > 0);
        vdf.close();
        std::unique_ptr<frmStart> main(showWindow(new frmStart));
        click(el(main.get(), "cmdGenerate"));
        click(el(main.get(), "cmdInstall"));
        auto* install = SingleWindow<frmInstall>::current();
        const QString shown = el<QLineEdit>(install, "txtFileName")->text();
        QDir(QStringLiteral("C:/kestro-library")).removeRecursively();
        QDir(QStringLiteral("C:/kestro-steam")).removeRecursively();
        QCOMPARE(shown, QStringLiteral("C:\\KESTRO-library\\steamapps\\common\\Half-Life"));
    }

    // seed-registry.sh names C:\kestro-test\sysinfo.exe as the system-information program.
    void sysInfoStartsTheRegisteredProgram() {
        const QString program = QStringLiteral("C:/kestro-test/sysinfo.exe");
        QVERIFY(QDir().mkpath(QStringLiteral("C:/kestro-test")));
        QFile::remove(program);
        QFile::remove(program + ".started");
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/kestro_fake_sysinfo.exe",
                            program));
        click(el(showWindow(new frmAbout), "cmdSysInfo"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(program + ".started"), 30000);
    }

    // The native window styles: only the main window has a minimise box; none has a maximise
    // box or a sizing border. Only the main window has a task-bar button: the others have an
    // owner (which is not the main window, so that they live on without it) and do not ask
    // for a button of their own.
    void nativeStylesAndOwners() {
        if (QGuiApplication::platformName() != QLatin1String("windows"))
            QSKIP("native windows need the windows platform: see test_windows_borders");
        QStringList boxes;
        HWND mainWindow = nullptr;
        for (QWidget* window :
             {showWindow<QWidget>(new frmStart), showWindow<QWidget>(new frmAbout),
              showWindow<QWidget>(new frmBrowse([](const QString&) {})),
              showWindow<QWidget>(new frmEgg),
              showWindow<QWidget>(new frmInstall([] { return std::optional<QString>(); })),
              showWindow<QWidget>(new frmPreset([](Preset) {}))}) {
            const auto handle = reinterpret_cast<HWND>(window->winId());
            if (!mainWindow) mainWindow = handle;
            const auto style = GetWindowLongPtrW(handle, GWL_STYLE);
            const HWND owner = GetWindow(handle, GW_OWNER);
            boxes << window->objectName() + ((style & WS_SYSMENU) ? " close" : "") +
                         ((style & WS_MINIMIZEBOX) ? " minimise" : "") +
                         ((style & WS_MAXIMIZEBOX) ? " maximise" : "") +
                         ((style & WS_THICKFRAME) ? " sizing" : "") +
                         (owner ? (owner == mainWindow ? " owned-by-main" : " owned") : "") +
                         ((GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_APPWINDOW) ? " app" : "");
        }
        QCOMPARE(boxes, QStringList({"frmStart close minimise", "frmAbout close owned",
                                     "frmBrowse close owned", "frmEgg close owned",
                                     "frmInstall close owned", "frmPreset close owned"}));
    }
};

QTEST_MAIN(WindowsFormsTest)
#include "test_windows_forms.moc"
