// The About window: texts and places, its keys, "System Info..." on a machine the test makes
// up, and the logo's double-clicks that lead to the picture window.
#include "fake_store.h"
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

    void windowTextsPlacesAndFocus() {
        open();
        QCOMPARE(about_->windowTitle(), QStringLiteral("About Kestro v1.0a"));
        QCOMPARE(fixedDialogSize(about_), QSize(382, 237));
        QCOMPARE(misplaced(about_, {
                     {"imgIcon", {20, 16, 47, 43}}, {"imgIconx", {20, 16, 47, 43}},
                     {"lblTitle", {76, 8, 295, 27}}, {"lblVersion", {76, 40, 295, 31}},
                     {"lblDescription", {16, 72, 351, 14}}, {"lblTest", {16, 88, 349, 13}},
                     {"lblEmail", {16, 112, 349, 13}}, {"lblCredit", {16, 132, 349, 13}},
                     {"lblDisclaimer", {16, 172, 258, 55}}, {"cmdOK", {283, 172, 84, 23}},
                     {"cmdSysInfo", {284, 200, 83, 23}}, {"Line1(1)", {4, 164, 371, 1}},
                     {"Line1(0)", {4, 164, 370, 2}}}),
                 QString());
        // The etched separator: a grey line over the upper row of a two-pixel white one.
        const QImage shot = about_->grab().toImage();
        QCOMPARE(shot.pixelColor(100, 164), QColor(0x80, 0x80, 0x80));
        QCOMPARE(shot.pixelColor(100, 165), QColor(Qt::white));

        QCOMPARE(miscaptioned(about_, {
                     {"lblDescription", "Supports Half-Life v1.1.0.7"},
                     {"lblTest", "Tested on Counter-Strike 1.1 and Team Fortress Classic 1.5"},
                     {"cmdOK", "OK"}, {"cmdSysInfo", "&System Info..."}}),
                 QString());
        QVERIFY(el<QLabel>("lblEmail")->text().startsWith(
            QStringLiteral("Please E-mail any comments or suggestions to ")));
        QCOMPARE(el<QLabel>("lblTitle")->text().section(u'\n', 0, 0),
                 QStringLiteral("Kestro v1.0"));
        QCOMPARE(el<QLabel>("lblVersion")->text().section(u'\n', 1, 1),
                 QStringLiteral("http://kestro.example.org/"));
        QCOMPARE(el<QLabel>("lblVersion")->textFormat(), Qt::PlainText);
        QVERIFY(el("lblDisclaimer")->heightForWidth(258) <= 55);  // fits its rectangle
        // Both logos are the 100-pixel pictures stretched to the image's size, the plain one
        // in front.
        for (const char* name : {"imgIcon", "imgIconx"})
            QVERIFY(el<QLabel>(name)->pixmap().size() == QSize(100, 100) &&
                    el<QLabel>(name)->hasScaledContents());
        QCOMPARE(logoInFront(), el("imgIcon"));
        QCOMPARE(QApplication::focusWidget(), el("cmdOK"));
        QVERIFY(el<QPushButton>("cmdOK")->isDefault());
        QCOMPARE(tabChain(el("cmdOK")), (QStringList{"cmdOK", "cmdSysInfo"}));
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
