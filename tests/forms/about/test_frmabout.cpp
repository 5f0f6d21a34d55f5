#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "fake_store.h"
#include "forms/about/frmabout.h"
#include "forms/common/messages.h"
#include "forms/common/single_window.h"
#include "forms/egg/frmegg.h"

using namespace kestro;
using kestro::testing::FakeStore;

namespace {

// A machine whose store and programs the test decides.
struct FakeMachine {
    FakeStore* store = nullptr;
    QStringList started;
};

SysInfoPlatform fakePlatform(FakeMachine& machine, std::unique_ptr<FakeStore> store) {
    machine.store = store.get();
    SysInfoPlatform platform;
    platform.store = std::move(store);
    platform.fileExists = [](const std::string&) { return false; };
    platform.startProgram = [&machine](const std::string& path) {
        machine.started << QString::fromStdString(path);
        return true;
    };
    return platform;
}

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

int openWindows(const char* className) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits(className) && w->isVisible()) ++count;
    return count;
}

}  // namespace

class FrmAboutTest : public QObject {
    Q_OBJECT

private:
    FakeMachine machine_;
    QStringList messages_;
    QPointer<frmAbout> about_;

    // Opens the window as the main window's "About" button does.
    frmAbout* open(std::unique_ptr<FakeStore> store = std::make_unique<FakeStore>()) {
        auto platform = std::make_shared<SysInfoPlatform>(fakePlatform(machine_, std::move(store)));
        about_ = SingleWindow<frmAbout>::show(
            [platform] { return new frmAbout(std::move(*platform)); });
        if (!QTest::qWaitForWindowActive(about_)) qFatal("About window not active");
        return about_;
    }
    template <class T = QWidget>
    T* el(const char* name) {
        T* w = about_->element<T>(QString::fromLatin1(name));
        if (!w) qFatal("no element %s", name);
        return w;
    }
    QWidget* logoInFront() { return about_->childAt(el("imgIcon")->geometry().center()); }
    void doubleClickLogo() {
        QWidget* front = logoInFront();
        QTest::mouseDClick(front, Qt::LeftButton, {}, front->rect().center());
    }

private slots:
    void init() {
        machine_ = {};
        messages_.clear();
        setMessageHandler([this](const Message& m) { messages_ << m.title + u'|' + m.text; });
    }
    void cleanup() {
        setMessageHandler({});
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        flushDeletes();
    }

    void windowAndElements() {
        open();
        QCOMPARE(about_->windowTitle(), QStringLiteral("About Kestro v1.0a"));
        QCOMPARE(about_->size(), QSize(382, 237));
        QCOMPARE(about_->minimumSize(), about_->maximumSize());
        const Qt::WindowFlags flags = about_->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

        const QList<QPair<const char*, QRect>> places{
            {"imgIcon", {20, 16, 47, 43}},         {"imgIconx", {20, 16, 47, 43}},
            {"lblTitle", {76, 8, 295, 27}},        {"lblVersion", {76, 40, 295, 31}},
            {"lblDescription", {16, 72, 351, 14}}, {"lblTest", {16, 88, 349, 13}},
            {"lblEmail", {16, 112, 349, 13}},      {"lblCredit", {16, 132, 349, 13}},
            {"lblDisclaimer", {16, 172, 258, 55}}, {"cmdOK", {283, 172, 84, 23}},
            {"cmdSysInfo", {284, 200, 83, 23}},
        };
        for (const auto& [name, rect] : places) QCOMPARE(el(name)->geometry(), rect);
        // The etched separator: a grey line over the upper row of a two-pixel white one.
        QCOMPARE(el("Line1(1)")->geometry(), QRect(4, 164, 371, 1));
        QCOMPARE(el("Line1(0)")->geometry(), QRect(4, 164, 370, 2));
        const QImage shot = about_->grab().toImage();
        QCOMPARE(shot.pixelColor(100, 164), QColor(0x80, 0x80, 0x80));
        QCOMPARE(shot.pixelColor(100, 165), QColor(Qt::white));

        QCOMPARE(el<QLabel>("lblDescription")->text(), QStringLiteral("Supports Half-Life v1.1.0.7"));
        QCOMPARE(el<QLabel>("lblTest")->text(),
                 QStringLiteral("Tested on Counter-Strike 1.1 and Team Fortress Classic 1.5"));
        QVERIFY(el<QLabel>("lblEmail")->text().startsWith(
            QStringLiteral("Please E-mail any comments or suggestions to ")));
        QVERIFY(el<QLabel>("lblEmail")->text().endsWith(QStringLiteral(" wren@example.org")));
        QCOMPARE(el<QLabel>("lblTitle")->text().section(u'\n', 0, 0), QStringLiteral("Kestro v1.0"));
        QCOMPARE(el<QLabel>("lblVersion")->text().section(u'\n', 1, 1),
                 QStringLiteral("http://kestro.example.org/"));
        QCOMPARE(el<QLabel>("lblVersion")->textFormat(), Qt::PlainText);
        QVERIFY(!el<QLabel>("lblVersion")->openExternalLinks());
        QCOMPARE(el<QPushButton>("cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(el<QPushButton>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));

        // The single-line labels keep to one line and the two-line ones to two.
        for (const char* name : {"lblDescription", "lblTest", "lblEmail", "lblCredit"}) {
            const QLabel* label = el<QLabel>(name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        }
        for (const char* name : {"lblTitle", "lblVersion"}) {
            const QLabel* label = el<QLabel>(name);
            const int needed = label->heightForWidth(label->width());
            QVERIFY2(needed > label->fontMetrics().height() && needed <= label->height(), name);
        }
        const QLabel* disclaimer = el<QLabel>("lblDisclaimer");
        QVERIFY(disclaimer->wordWrap());
        QVERIFY(disclaimer->heightForWidth(disclaimer->width()) <= disclaimer->height());

        // Both logos are the 100-pixel pictures, stretched to the image's size.
        for (const char* name : {"imgIcon", "imgIconx"}) {
            const QLabel* image = el<QLabel>(name);
            QCOMPARE(image->pixmap().size(), QSize(100, 100));
            QVERIFY(image->hasScaledContents());
        }
        QCOMPARE(logoInFront(), el("imgIcon"));
    }

    void okHasTheFocusAndTabGoesToSystemInfo() {
        open();
        QCOMPARE(QApplication::focusWidget(), el("cmdOK"));
        QVERIFY(el<QPushButton>("cmdOK")->isDefault());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), el("cmdSysInfo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), el("cmdOK"));
    }

    void closesOnOkEnterAndEscape_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("click OK") << "click";
        QTest::newRow("Enter on OK") << "enter";
        QTest::newRow("Return on OK") << "return";
        QTest::newRow("Escape on OK") << "escapeOk";
        QTest::newRow("Escape on System Info") << "escapeSysInfo";
    }
    void closesOnOkEnterAndEscape() {
        QFETCH(QString, how);
        open();
        if (how == QLatin1String("click")) {
            QTest::mouseClick(el("cmdOK"), Qt::LeftButton);
        } else if (how == QLatin1String("enter")) {
            QTest::keyClick(el("cmdOK"), Qt::Key_Enter, Qt::KeypadModifier);
        } else if (how == QLatin1String("return")) {
            QTest::keyClick(el("cmdOK"), Qt::Key_Return);
        } else if (how == QLatin1String("escapeOk")) {
            QTest::keyClick(el("cmdOK"), Qt::Key_Escape);
        } else {
            el("cmdSysInfo")->setFocus();
            QTest::keyClick(el("cmdSysInfo"), Qt::Key_Escape);
        }
        flushDeletes();
        QVERIFY(about_.isNull());
        QVERIFY(SingleWindow<frmAbout>::current() == nullptr);
        QVERIFY(messages_.isEmpty());
    }

    void enterOnSystemInfoPressesIt() {
        open();
        el("cmdSysInfo")->setFocus();
        QTest::keyClick(el("cmdSysInfo"), Qt::Key_Return);
        QCOMPARE(messages_,
                 QStringList{QStringLiteral("kestro|System Information Is Unavailable At This Time")});
        QVERIFY(about_ && about_->isVisible());
    }

    void systemInfoStartsTheProgramOrSaysItIsUnavailable() {
        open();
        QTest::mouseClick(el("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(messages_,
                 QStringList{QStringLiteral("kestro|System Information Is Unavailable At This Time")});
        QVERIFY(machine_.started.isEmpty());
        QVERIFY(about_->isVisible());
        about_->close();
        flushDeletes();

        messages_.clear();
        auto store = std::make_unique<FakeStore>();
        store->put("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                   {1, std::string("/usr/bin/sysinfo-tool\0", 22)});
        open(std::move(store));
        // The access key presses the button as a click would (the press shows for a moment).
        QTest::keyClick(about_->windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(machine_.started, QStringList{QStringLiteral("/usr/bin/sysinfo-tool")});
        QVERIFY(messages_.isEmpty());
    }

    void clickingTheWebAddressDoesNothing() {
        open();
        QTest::mouseClick(el("lblVersion"), Qt::LeftButton);
        QVERIFY(about_->isVisible());
        QVERIFY(messages_.isEmpty());
        QCOMPARE(openWindows("kestro::frmEgg"), 0);
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    }

    void logoDoubleClicksMirrorRestoreAndOpenOnePictureWindow() {
        open();
        doubleClickLogo();
        QCOMPARE(logoInFront(), el("imgIconx"));
        QVERIFY(SingleWindow<frmEgg>::current() == nullptr);

        doubleClickLogo();
        QCOMPARE(logoInFront(), el("imgIcon"));
        QPointer<frmEgg> egg = SingleWindow<frmEgg>::current();
        QVERIFY(egg);
        QVERIFY(egg->isVisible());
        QVERIFY(egg->parentWidget() == nullptr);
        QCOMPARE(openWindows("kestro::frmEgg"), 1);

        // Behind another window, two more double-clicks bring the same one forward.
        about_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about_));
        doubleClickLogo();
        QCOMPARE(logoInFront(), el("imgIconx"));
        QVERIFY(QApplication::activeWindow() == about_);
        doubleClickLogo();
        QCOMPARE(logoInFront(), el("imgIcon"));
        QCOMPARE(SingleWindow<frmEgg>::current(), egg.data());
        QCOMPARE(openWindows("kestro::frmEgg"), 1);
        QVERIFY(QTest::qWaitForWindowActive(egg));

        // The picture window outlives the About window.
        about_->close();
        flushDeletes();
        QVERIFY(about_.isNull());
        QVERIFY(egg);
        QVERIFY(egg->isVisible());

        // A new About window starts with the logo unmirrored and finds the same picture window.
        open();
        QCOMPARE(logoInFront(), el("imgIcon"));
        doubleClickLogo();
        doubleClickLogo();
        QCOMPARE(SingleWindow<frmEgg>::current(), egg.data());
        QCOMPARE(openWindows("kestro::frmEgg"), 1);
    }
};

QTEST_MAIN(FrmAboutTest)
#include "test_frmabout.moc"
