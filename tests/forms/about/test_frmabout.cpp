// The About window: texts and places, its keys, "System Info..." on a machine the test makes
// up, and the logo's double-clicks that lead to the picture window.
#include "sysinfo/fake_store.h"
#include "forms/about/frmabout.h"
#include "forms/common/single_window.h"
#include "forms/egg/frmegg.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;
using kestro::testing::FakeStore;

namespace {

int visiblePictureWindows() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += qobject_cast<frmEgg*>(w) && w->isVisible();
    return count;
}

const QString kUnavailable =
    QStringLiteral("kestro|System Information Is Unavailable At This Time");

}  // namespace

class FrmAboutTest : public QObject {
    Q_OBJECT

    MessageRecorder messages_;
    QStringList started_;
    QPointer<frmAbout> about_;

    // Opens the window as the main window's "About" button does, on a machine with `store`
    // where every program starts.
    void open(std::unique_ptr<FakeStore> store = std::make_unique<FakeStore>()) {
        auto platform = std::make_shared<SysInfoPlatform>();
        platform->store = std::move(store);
        platform->fileExists = [](const std::string&) { return false; };
        platform->startProgram = [this](const std::string& path) {
            started_ << QString::fromStdString(path);
            return true;
        };
        about_ = SingleWindow<frmAbout>::show(
            [platform] { return new frmAbout(std::move(*platform)); });
        if (!QTest::qWaitForWindowActive(about_)) qFatal("About window not active");
    }
    template <class T = QWidget>
    T* el(const char* name) { return test::el<T>(about_, name); }
    QWidget* logoInFront() { return about_->childAt(el("imgIcon")->geometry().center()); }
    void doubleClickLogo() {
        QTest::mouseDClick(logoInFront(), Qt::LeftButton, {}, logoInFront()->rect().center());
    }

private slots:
    void init() {
        messages_.clear();
        started_.clear();
    }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        flushDeletes();
    }

    void focusStartsOnTheDefaultButtonWithTheLogoInFront() {
        open();
        QCOMPARE(logoInFront(), el("imgIcon"));
        QCOMPARE(QApplication::focusWidget(), el("cmdOK"));
        QVERIFY(el<QPushButton>("cmdOK")->isDefault());
    }

    void closesOnOkEnterAndEscape_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");  // 0: a click
        QTest::newRow("click OK") << "cmdOK" << 0;
        QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Enter);
        QTest::newRow("Return on OK") << "cmdOK" << int(Qt::Key_Return);
        QTest::newRow("Escape on OK") << "cmdOK" << int(Qt::Key_Escape);
        QTest::newRow("Escape on System Info") << "cmdSysInfo" << int(Qt::Key_Escape);
    }
    void closesOnOkEnterAndEscape() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        open();
        QWidget* target = el(qPrintable(focus));
        target->setFocus();
        if (key) QTest::keyClick(target, Qt::Key(key));
        else click(target);
        flushDeletes();
        QVERIFY(about_.isNull());
        QVERIFY(messages_.shown.isEmpty());
    }

    void systemInfoStartsTheProgramOrSaysItIsUnavailable() {
        open();
        click(el("cmdSysInfo"));
        el("cmdSysInfo")->setFocus();
        QTest::keyClick(el("cmdSysInfo"), Qt::Key_Return);  // Return presses the focused button
        QCOMPARE(messages_.shown, (QStringList{kUnavailable, kUnavailable}));
        QVERIFY(started_.isEmpty() && about_->isVisible());
        about_->close();
        flushDeletes();

        messages_.clear();
        auto store = std::make_unique<FakeStore>();
        store->put("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                   {1, std::string("/usr/bin/sysinfo-tool\0", 22)});
        open(std::move(store));
        // The access key presses the button as a click would (the press shows for a moment).
        QTest::keyClick(about_->windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(started_, QStringList{QStringLiteral("/usr/bin/sysinfo-tool")});
        QVERIFY(messages_.shown.isEmpty());
    }

    void logoDoubleClicksMirrorRestoreAndOpenOnePictureWindow() {
        open();
        click(el("lblVersion"));  // the web address does nothing
        QVERIFY(messages_.shown.isEmpty() && QApplication::topLevelWidgets().size() == 1);
        doubleClickLogo();
        QCOMPARE(logoInFront(), el("imgIconx"));
        QVERIFY(!SingleWindow<frmEgg>::current());
        doubleClickLogo();
        QCOMPARE(logoInFront(), el("imgIcon"));
        QPointer<frmEgg> egg = SingleWindow<frmEgg>::current();
        QVERIFY(egg && egg->isVisible() && !egg->parentWidget());
        QCOMPARE(visiblePictureWindows(), 1);

        // Behind the About window, two more double-clicks bring the same one forward.
        about_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about_));
        doubleClickLogo();
        QVERIFY(QApplication::activeWindow() == about_);
        doubleClickLogo();
        QCOMPARE(SingleWindow<frmEgg>::current(), egg.data());
        QCOMPARE(visiblePictureWindows(), 1);
        QVERIFY(QTest::qWaitForWindowActive(egg));

        // It outlives the About window; a new About window starts with the plain logo and
        // finds the same picture window.
        about_->close();
        flushDeletes();
        QVERIFY(about_.isNull() && egg && egg->isVisible());
        open();
        QCOMPARE(logoInFront(), el("imgIcon"));
        doubleClickLogo();
        doubleClickLogo();
        QCOMPARE(SingleWindow<frmEgg>::current(), egg.data());
        QCOMPARE(visiblePictureWindows(), 1);
    }
};

QTEST_MAIN(FrmAboutTest)
#include "test_frmabout.moc"
