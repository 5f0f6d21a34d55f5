// Tests of the presets window, writing into a real main window.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "config/controls.h"
#include "forms/common/single_window.h"
#include "forms/preset/frmpreset.h"
#include "forms/start/frmstart.h"
#include "preset_expectations.h"

using namespace kestro;

Q_DECLARE_METATYPE(kestro::Preset)

namespace {

const char* buttonOf(Preset preset) {
    switch (preset) {
    case Preset::Low: return "cmdLow";
    case Preset::Default: return "cmdDefault";
    case Preset::High: return "cmdHigh";
    }
    return "";
}

}  // namespace

class FrmPresetTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frmStart> main_;
    std::unique_ptr<frmPreset> presets_;

    template <class T = QWidget>
    T* mainEl(const char* name) {
        T* w = main_->element<T>(QString::fromLatin1(name));
        if (!w) qFatal("no element %s", name);
        return w;
    }
    QPushButton* button(const char* name) {
        auto* w = qobject_cast<QPushButton*>(presets_->element(QString::fromLatin1(name)));
        if (!w) qFatal("no button %s", name);
        return w;
    }
    void press(Preset preset) { QTest::mouseClick(button(buttonOf(preset)), Qt::LeftButton); }

private slots:
    void init() {
        main_ = std::make_unique<frmStart>();
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        frmStart* target = main_.get();
        presets_ = std::make_unique<frmPreset>([target]() -> OptionControls* { return target; });
        presets_->show();
        QVERIFY(QTest::qWaitForWindowExposed(presets_.get()));
    }
    void cleanup() {
        presets_.reset();
        main_.reset();
    }

    void windowCaptionBorderAndGeometry() {
        QCOMPARE(presets_->windowTitle(), QStringLiteral("Presets"));
        QCOMPARE(presets_->size(), QSize(290, 188));
        QCOMPARE(presets_->minimumSize(), presets_->maximumSize());
        const Qt::WindowFlags flags = presets_->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

        const QList<std::tuple<const char*, QRect, QString>> elements{
            {"Label1", {16, 8, 257, 45},
             "These presets only affect options that are not dependant on the type of processor, "
             "video card or Internet connection you have."},
            {"cmdLow", {16, 60, 257, 29}, "I found my computer in a junkyard (Lowest)"},
            {"cmdDefault", {16, 100, 257, 29}, "I'm scared I'll hurt my system (HL Default)"},
            {"cmdHigh", {16, 140, 257, 29}, "I'm a rich brat with a L337 system (Highest)"}};
        for (const auto& [name, rect, caption] : elements) {
            QWidget* w = presets_->element(QString::fromLatin1(name));
            QVERIFY2(w, name);
            QCOMPARE(w->geometry(), rect);
            QVERIFY2(w->font().bold(), name);
            const QString text = qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text()
                                                          : qobject_cast<QPushButton*>(w)->text();
            QCOMPARE(text, caption);
        }
        QVERIFY(qobject_cast<QLabel*>(presets_->element(QStringLiteral("Label1")))->wordWrap());
    }

    void tabOrder() {
        QCOMPARE(presets_->element(QStringLiteral("Label1"))->focusPolicy(), Qt::NoFocus);
        QStringList chain;
        QWidget* w = button("cmdLow");
        do {
            if (w->focusPolicy() & Qt::TabFocus) chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != button("cmdLow"));
        QCOMPARE(chain, (QStringList{"cmdLow", "cmdDefault", "cmdHigh"}));
    }

    void eachPresetOnTheWindow_data() {
        QTest::addColumn<Preset>("preset");
        QTest::addColumn<bool>("software");
        QTest::newRow("cmdLow") << Preset::Low << false;
        QTest::newRow("cmdDefault") << Preset::Default << false;
        QTest::newRow("cmdHigh") << Preset::High << false;
        QTest::newRow("cmdLow, Software mode") << Preset::Low << true;
        QTest::newRow("cmdDefault, Software mode") << Preset::Default << true;
        QTest::newRow("cmdHigh, Software mode") << Preset::High << true;
    }
    void eachPresetOnTheWindow() {
        QFETCH(Preset, preset);
        QFETCH(bool, software);
        if (software) QTest::mouseClick(mainEl("optSoftware"), Qt::LeftButton, {}, QPoint(7, 14));
        QCOMPARE(mainEl<QRadioButton>("optSoftware")->isChecked(), software);
        test::moveUntouchedControls(*main_);
        press(test::opposite(preset));
        mainEl<QPlainTextEdit>("txtResult")->setPlainText(QStringLiteral("my own lines"));
        press(preset);

        OptionSet expected = test::expectedAfter(preset);
        expected.optSoftware = software;
        expected.optOpenGL = !software;
        const OptionSet actual = main_->optionSet();
        for (const OptionControl& c : optionControls()) {
            QVERIFY2(getOption(actual, c.name) == getOption(expected, c.name),
                     std::string(c.name).c_str());
        }
        // What the controls show.
        const QStringList textures{"Low quality bilinear filtering",
                                   "High quality bilinear filtering",
                                   "High quality trilinear filtering"};
        QCOMPARE(mainEl<QComboBox>("cboTexture")->currentText(),
                 textures[preset == Preset::Low ? 0 : preset == Preset::Default ? 1 : 2]);
        QCOMPARE(mainEl<QComboBox>("cboMaxSize")->currentText(),
                 preset == Preset::Low ? QStringLiteral("32") : QStringLiteral("256"));
        QCOMPARE(mainEl<QCheckBox>("chkCracks")->isChecked(), preset == Preset::High);

        for (std::string_view name : kOpenGLGroup)
            QVERIFY2(main_->isEnabled(name) == !software, std::string(name).c_str());
        for (std::string_view name : kNetgraphGroup)
            QVERIFY2(main_->isEnabled(name) == (preset == Preset::High), std::string(name).c_str());
        // No generation: the result box keeps the user's text, "Install Config" its state.
        QCOMPARE(main_->resultText(), QStringLiteral("my own lines"));
        QVERIFY(!mainEl("cmdInstall")->isEnabled());
        QVERIFY(presets_->isVisible());
    }

    void netgraphOnTheWindow() {
        // Cleared box: "Enable Netgraph" ticked, "Mode 3" and "Right".
        press(Preset::High);
        QVERIFY(mainEl<QCheckBox>("chkNetGraph")->isChecked());
        QCOMPARE(mainEl<QComboBox>("cboNetGraph")->currentText(), QStringLiteral("Mode 3"));
        QCOMPARE(mainEl<QComboBox>("cboPos")->currentText(), QStringLiteral("Right"));
        for (const char* name : {"cboNetGraph", "cboPos", "lblMode", "lblPos"})
            QVERIFY2(mainEl(name)->isEnabled(), name);

        // Ticked box with "Mode 1" and "Left": kept.
        mainEl<QComboBox>("cboNetGraph")->setCurrentIndex(2);
        mainEl<QComboBox>("cboPos")->setCurrentIndex(2);
        press(Preset::High);
        QCOMPARE(mainEl<QComboBox>("cboNetGraph")->currentText(), QStringLiteral("Mode 1"));
        QCOMPARE(mainEl<QComboBox>("cboPos")->currentText(), QStringLiteral("Left"));

        // Low clears the box and disables the group; the lists keep their selection.
        press(Preset::Low);
        QVERIFY(!mainEl<QCheckBox>("chkNetGraph")->isChecked());
        QCOMPARE(mainEl<QComboBox>("cboNetGraph")->currentText(), QStringLiteral("Mode 1"));
        QCOMPARE(mainEl<QComboBox>("cboPos")->currentText(), QStringLiteral("Left"));
        for (const char* name : {"cboNetGraph", "cboPos", "lblMode", "lblPos"})
            QVERIFY2(!mainEl(name)->isEnabled(), name);
    }

    void installConfigKeepsItsEnabledStateAndTheGeneratedText() {
        QTest::mouseClick(mainEl("cmdGenerate"), Qt::LeftButton);
        const QString generated = main_->resultText();
        QVERIFY(mainEl("cmdInstall")->isEnabled());
        for (Preset preset : {Preset::Low, Preset::Default, Preset::High}) {
            press(preset);
            QVERIFY(mainEl("cmdInstall")->isEnabled());
            QCOMPARE(main_->resultText(), generated);
        }
    }

    void pressingTwiceEqualsPressingOnce() {
        for (Preset preset : {Preset::Low, Preset::Default, Preset::High}) {
            press(preset);
            const OptionSet once = main_->optionSet();
            QList<bool> flags;
            for (QWidget* w : main_->findChildren<QWidget*>()) flags << w->isEnabled();
            press(preset);
            QCOMPARE(main_->optionSet(), once);
            QList<bool> again;
            for (QWidget* w : main_->findChildren<QWidget*>()) again << w->isEnabled();
            QCOMPARE(again, flags);
        }
    }

    void theWindowsOwnButtonWritesIntoTheMainWindow() {
        presets_.reset();
        QTest::mouseClick(mainEl("cmdPreset"), Qt::LeftButton);
        frmPreset* opened = SingleWindow<frmPreset>::current();
        QVERIFY(opened);
        QTest::mouseClick(opened->element(QStringLiteral("cmdHigh")), Qt::LeftButton);
        QCOMPARE(mainEl<QLineEdit>("txtDecals")->text(), QStringLiteral("4096"));
        delete opened;
    }

    void aPresetAfterTheMainWindowIsGoneDoesNothing() {
        // Closed by its close box, the main window deletes itself, as the program sets it up.
        presets_.reset();
        QTest::mouseClick(mainEl("cmdPreset"), Qt::LeftButton);
        QPointer<frmPreset> opened = SingleWindow<frmPreset>::current();
        QVERIFY(opened);
        frmStart* main = main_.release();
        QPointer<frmStart> gone(main);
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->close();
        QTRY_VERIFY(gone.isNull());

        for (const char* name : {"cmdLow", "cmdDefault", "cmdHigh"})
            QTest::mouseClick(opened->element(QString::fromLatin1(name)), Qt::LeftButton);
        QVERIFY(opened->isVisible());
        delete opened.data();

        // A window told of no main window at all.
        frmPreset orphan([]() -> OptionControls* { return nullptr; });
        orphan.cmdLow_Click();
        orphan.cmdDefault_Click();
        orphan.cmdHigh_Click();
    }
};

QTEST_MAIN(FrmPresetTest)
#include "test_frmpreset.moc"
