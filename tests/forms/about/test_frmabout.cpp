// The About window: its keys, "System Info..." on a machine the test makes up, and the logo's
// double-clicks that lead to the picture window.
#include "platform/fake_store.h"
#include "forms/about/frmabout.h"
#include "forms/common/single_window.h"
#include "forms/egg/frmegg.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

class FrmAboutTest : public QObject {
    Q_OBJECT

    MessageRecorder messages_;
    QStringList started_;
    QPointer<frmAbout> about_;

    // Opens the window as the main window's "About" button does, on a machine whose store
    // holds `path` as the system-information program (none if empty) and where every program
    // starts.
    void open(const std::string& path = {}) {
        auto store = std::make_unique<FakeStore>();
        if (!path.empty()) store->keys["SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"]["PATH"] = {1, path};
        auto services = std::make_shared<SysInfoServices>(SysInfoServices{
            .store = std::move(store), .fileExists = [](const std::string&) { return false; },
            .startProgram = [this](const std::string& p) { return started_ << QString::fromStdString(p), true; }});
        about_ = SingleWindow<frmAbout>::show([services] { return new frmAbout(std::move(*services)); });
        if (!QTest::qWaitForWindowActive(about_)) qFatal("About window not active");
    }
    QWidget* logoInFront() { return about_->childAt(el(about_, "imgIcon")->geometry().center()); }
    void doubleClickLogo() { QTest::mouseDClick(logoInFront(), Qt::LeftButton, {}, QPoint(50, 50)); }

private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        flushDeletes();
        messages_.shown.clear();
        started_.clear();
    }

    // OK closes the window by a click or Enter; Escape does wherever the focus is.
    void closesOnOkEnterAndEscape() {
        for (const auto& [focus, key] : {std::pair{"cmdOK", Qt::Key_unknown}, {"cmdOK", Qt::Key_Enter},
                                         {"cmdSysInfo", Qt::Key_Escape}}) {
            open();
            QWidget* target = el(about_, focus);
            target->setFocus();
            key == Qt::Key_unknown ? click(target) : QTest::keyClick(target, key);
            flushDeletes();
            QVERIFY2(about_.isNull(), focus);
        }
    }

    void systemInfoStartsTheProgramOrSaysItIsUnavailable() {
        open();
        click(el(about_, "cmdSysInfo"));
        QTest::keyClick(el(about_, "cmdSysInfo"), Qt::Key_Return);  // on the focused button
        const QString unavailable("kestro|System Information Is Unavailable At This Time");
        QCOMPARE(messages_.shown, (QStringList{unavailable, unavailable}));
        QVERIFY(started_.isEmpty() && about_->isVisible());
        cleanup();
        open(std::string("/usr/bin/sysinfo-tool\0", 22));
        // The access key presses the button as a click would (the press shows for a moment).
        QTest::keyClick(about_->windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(started_, QStringList{QStringLiteral("/usr/bin/sysinfo-tool")});
        QVERIFY(messages_.shown.isEmpty());
    }

    // The first double-click mirrors the logo, the second restores it and opens the picture
    // window, which later pairs bring forward and which outlives the About window.
    void logoDoubleClicksMirrorRestoreAndOpenOnePictureWindow() {
        open();
        doubleClickLogo();
        QVERIFY(logoInFront() == el(about_, "imgIconx") && !SingleWindow<frmEgg>::current());
        doubleClickLogo();
        QCOMPARE(logoInFront(), el(about_, "imgIcon"));
        QPointer<frmEgg> egg = SingleWindow<frmEgg>::current();
        QVERIFY(egg && egg->isVisible() && !egg->parentWidget());
        about_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about_));
        doubleClickLogo();
        doubleClickLogo();
        QVERIFY(QTest::qWaitForWindowActive(egg));
        QCOMPARE(SingleWindow<frmEgg>::current(), egg.data());
        about_->close();
        flushDeletes();
        QVERIFY(about_.isNull() && egg && egg->isVisible());
    }
};

QTEST_MAIN(FrmAboutTest)
#include "test_frmabout.moc"
