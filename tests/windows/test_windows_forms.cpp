// The program on Windows: the folder forms of drive letters, and through the real windows the
// browser's drive letters and the paths it writes, an install into a "C:\..." game directory,
// "System Info..." against the real registry, the native borders of the windows, and the icon
// and version block of kestro.exe. Run under Wine by `make test-windows`, after
// seed-registry.sh.
#include <windows.h>

#include <QSettings>
#include <QTreeWidget>
#include <memory>

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

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Opens a folder list entry as the user does: press, release, double click, release.
void open(QTreeWidget* list, const QString& label) {
    QTreeWidgetItem* item = list->findItems(label, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    if (!item) qFatal("no entry %s", qPrintable(label));
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class WindowsFormsTest : public QObject {
    Q_OBJECT

    MessageRecorder messages_;

private slots:
    void driveLetterFolderForms() {
        const std::pair<const char*, const char*> roots[] = {
            {"C:/", "C:/"}, {"C:/Sierra/Half-Life", "C:/"}, {"z:/x", "z:/"},
            {"//server/share/hl", "//server/share/"}, {"//server/share", "//server/share/"}};
        for (const auto& [folder, root] : roots)
            QCOMPARE(folderRoot(QString::fromLatin1(folder)), QString::fromLatin1(root));
        QCOMPARE(folderChain(QStringLiteral("C:/Sierra/Half-Life")),
                 (QStringList{"C:/", "C:/Sierra", "C:/Sierra/Half-Life"}));
        QCOMPARE(folderLabel(QStringLiteral("C:/")), QStringLiteral("C:\\"));
        QCOMPARE(nativeFolderPath(QStringLiteral("C:/Sierra")), QStringLiteral("C:\\Sierra"));
        for (const auto& [path, clean] : {std::pair{"C:\\Sierra\\..\\Games\\", "C:/Games"},
                                          {"C:/..", "C:/"}, {"C:/../Sierra", "C:/Sierra"}})
            QCOMPARE(cleanFolder(QString::fromLatin1(path)), QString::fromLatin1(clean));
        // Names differ in case only: one folder.
        QCOMPARE(rootHolding(QStringLiteral("c:/sierra"), {"D:/", "C:/"}), QStringLiteral("C:/"));
    }

    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) delete w;
        flushDeletes();
        messages_.shown.clear();
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

        // Drive letters, C: and Wine's Z: among them, each shown as its root.
        auto* drives = el<QComboBox>(browser, "drvChange");
        QStringList shown;
        for (int i = 0; i < drives->count(); ++i) shown << drives->itemText(i);
        QVERIFY2(shown.filter(QRegularExpression(QStringLiteral("^[A-Z]:\\\\$"))) == shown,
                 qPrintable(shown.join(u' ')));
        QVERIFY2(shown.contains(QStringLiteral("C:\\")) && shown.contains(QStringLiteral("Z:\\")),
                 qPrintable(shown.join(u' ')));
        QCOMPARE(drives->currentText(), QStringLiteral("Z:\\"));  // the process's drive

        // Choosing a drive writes its current folder: the working folder on Z:, the root on C:.
        drives->setCurrentIndex(shown.indexOf(QStringLiteral("C:\\")));
        QCOMPARE(field->text(), QStringLiteral("C:\\"));
        open(el<QTreeWidget>(browser, "dirLook"), QStringLiteral("Sierra"));
        QCOMPARE(field->text(), QStringLiteral("C:\\Sierra"));
        drives->setCurrentIndex(shown.indexOf(QStringLiteral("Z:\\")));
        QCOMPARE(field->text(), QDir::toNativeSeparators(QDir::currentPath()));
        drives->setCurrentIndex(shown.indexOf(QStringLiteral("C:\\")));
        open(el<QTreeWidget>(browser, "dirLook"), QStringLiteral("Sierra"));
        click(el(browser, "cmdDone"));

        // The install joins "valve\kestro.cfg" to it and writes CRLF line ends byte for byte.
        click(el(install, "cmdSave"));
        QCOMPARE(messages_.shown, QStringList{"kestro|Installion Complete! Enjoy!"});
        QCOMPARE(readBytes(QStringLiteral("C:/Sierra/valve/kestro.cfg")),
                 QByteArray("fps_max 72\r\n\r\n"));
    }

    // seed-registry.sh names C:\kestro-test\sysinfo.exe as the system-information program.
    void sysInfoStartsTheRegisteredProgram() {
        const QString program = QStringLiteral("C:/kestro-test/sysinfo.exe");
        QVERIFY(QDir().mkpath(QStringLiteral("C:/kestro-test")));
        QFile::remove(program);
        QFile::remove(program + ".started");
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/kestro_fake_sysinfo.exe",
                            program));
        auto* about = showWindow(new frmAbout);
        click(el(about, "cmdSysInfo"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(program + ".started"), 30000);
        QCOMPARE(messages_.shown, QStringList());

        // Without either entry: the message. The entries come back for the other tests.
        const QString tools =
            QStringLiteral(R"(HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools)");
        QSettings msinfo(tools + R"(\MSINFO)", QSettings::NativeFormat);
        QSettings location(tools + " Location", QSettings::NativeFormat);
        const QVariant path = msinfo.value(QStringLiteral("PATH"));
        const QVariant folder = location.value(QStringLiteral("MSINFO"));
        msinfo.remove(QStringLiteral("PATH"));
        location.remove(QStringLiteral("MSINFO"));
        msinfo.sync();
        location.sync();
        click(el(about, "cmdSysInfo"));
        msinfo.setValue(QStringLiteral("PATH"), path);
        location.setValue(QStringLiteral("MSINFO"), folder);
        QCOMPARE(messages_.shown,
                 QStringList{"kestro|System Information Is Unavailable At This Time"});
    }

    // The native window styles: only the main window has a minimise box; none has a maximise
    // box or a sizing border.
    void fixedDialogsHaveNoMinimiseOrMaximiseBox() {
        if (QGuiApplication::platformName() != QLatin1String("windows"))
            QSKIP("native windows need the windows platform: see test_windows_borders");
        auto* main = showWindow(new frmStart);
        const std::pair<const char*, QWidget*> windows[] = {
            {"frmStart", main},
            {"frmAbout", showWindow(new frmAbout)},
            {"frmBrowse", showWindow(new frmBrowse([](const QString&) {}))},
            {"frmEgg", showWindow(new frmEgg)},
            {"frmInstall", showWindow(new frmInstall([] { return std::optional<QString>(); }))},
            {"frmPreset", showWindow(new frmPreset([](Preset) {}))},
        };
        QStringList boxes;
        for (const auto& [name, window] : windows) {
            const LONG_PTR style =
                GetWindowLongPtrW(reinterpret_cast<HWND>(window->winId()), GWL_STYLE);
            boxes << QStringLiteral("%1:%2%3%4%5")
                         .arg(QLatin1String(name))
                         .arg((style & WS_SYSMENU) ? " close" : "")
                         .arg((style & WS_MINIMIZEBOX) ? " minimise" : "")
                         .arg((style & WS_MAXIMIZEBOX) ? " maximise" : "")
                         .arg((style & WS_THICKFRAME) ? " sizing" : "");
        }
        QCOMPARE(boxes.join(u';'), (QStringList{"frmStart: close minimise", "frmAbout: close",
                                     "frmBrowse: close", "frmEgg: close", "frmInstall: close",
                                     "frmPreset: close"}).join(u';'));
    }

    void executableCarriesIconAndVersion() {
        const std::wstring exe = QStringLiteral(KESTRO_EXE).toStdWString();
        QCOMPARE(ExtractIconExW(exe.c_str(), -1, nullptr, nullptr, 0), 1u);
        std::vector<char> block(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
        QVERIFY(!block.empty() &&
                GetFileVersionInfoW(exe.c_str(), 0, DWORD(block.size()), block.data()));
        QStringList values;
        for (const char* name : {"ProductName", "FileVersion", "FileDescription"}) {
            void* text = nullptr;
            UINT length = 0;
            const auto path = QStringLiteral("\\StringFileInfo\\040904b0\\%1")
                                  .arg(QLatin1String(name)).toStdWString();
            if (VerQueryValueW(block.data(), path.c_str(), &text, &length) && length > 0)
                values << QString::fromWCharArray(static_cast<wchar_t*>(text), int(length) - 1);
        }
        QCOMPARE(values, (QStringList{"Kestro v1.0", "1.00", "Supports Half-Live v1.1.0.7"}));
    }
};

QTEST_MAIN(WindowsFormsTest)
#include "test_windows_forms.moc"
