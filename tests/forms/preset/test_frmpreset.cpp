// The presets window and its binding to a real main window; what each preset writes is proven
// without a window in test_presets.
#include "config/controls.h"
#include "forms/common/single_window.h"
#include "forms/preset/frmpreset.h"
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"
#include "preset_expectations.h"

using namespace kestro;
using namespace kestro::test;

Q_DECLARE_METATYPE(kestro::Preset)

class FrmPresetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmStart> main_;
    std::unique_ptr<frmPreset> presets_;

    void press(Preset preset) {
        const char* buttons[] = {"cmdLow", "cmdDefault", "cmdHigh"};
        click(el(presets_, buttons[static_cast<int>(preset)]));
    }

private slots:
    void init() {
        main_.reset(showWindow(new frmStart));
        frmStart* target = main_.get();
        presets_.reset(showWindow(new frmPreset([target]() -> OptionControls* { return target; })));
    }
    void cleanup() {
        presets_.reset();
        main_.reset();
    }

    void captionBorderGeometryAndTabOrder() {
        QCOMPARE(presets_->windowTitle(), QStringLiteral("Presets"));
        QCOMPARE(fixedDialogSize(presets_), QSize(290, 188));
        QCOMPARE(misplaced(presets_, {
                     {"Label1", {16, 8, 257, 45}}, {"cmdLow", {16, 60, 257, 29}},
                     {"cmdDefault", {16, 100, 257, 29}}, {"cmdHigh", {16, 140, 257, 29}}}),
                 QString());
        QCOMPARE(miscaptioned(presets_, {
                     {"Label1", "These presets only affect options that are not dependant on the "
                                "type of processor, video card or Internet connection you have."},
                     {"cmdLow", "I found my computer in a junkyard (Lowest)"},
                     {"cmdDefault", "I'm scared I'll hurt my system (HL Default)"},
                     {"cmdHigh", "I'm a rich brat with a L337 system (Highest)"}}),
                 QString());
        for (const char* name : {"Label1", "cmdLow", "cmdDefault", "cmdHigh"})
            QVERIFY2(el(presets_, name)->font().bold(), name);
        QCOMPARE(tabChain(el(presets_, "cmdLow")),
                 (QStringList{"cmdLow", "cmdDefault", "cmdHigh"}));
    }

    void eachButtonWritesIntoTheMainWindow_data() {
        QTest::addColumn<Preset>("preset");
        QTest::addColumn<bool>("software");
        QTest::newRow("cmdLow") << Preset::Low << false;
        QTest::newRow("cmdDefault") << Preset::Default << false;
        QTest::newRow("cmdHigh") << Preset::High << false;
        QTest::newRow("cmdHigh, Software mode") << Preset::High << true;
    }
    void eachButtonWritesIntoTheMainWindow() {
        QFETCH(Preset, preset);
        QFETCH(bool, software);
        if (software) click(el(main_, "optSoftware"));
        moveUntouchedControls(*main_);
        press(opposite(preset));
        click(el(main_, "cmdGenerate"));
        main_->setResultText(QStringLiteral("my own lines\r\n"));
        press(preset);

        OptionSet expected = expectedAfter(preset);
        expected.optSoftware = software;
        expected.optOpenGL = !software;
        const OptionSet actual = main_->optionSet();
        for (const OptionControl& c : optionControls())
            QVERIFY2(getOption(actual, c.name) == getOption(expected, c.name), c.name.data());
        QCOMPARE(el(main_, "cboMaxSize")->isEnabled(), !software);
        QCOMPARE(el(main_, "lblPos")->isEnabled(), preset == Preset::High);
        // Nothing is generated: the result box and "Install Config" stay as they were.
        QCOMPARE(main_->resultText(), QStringLiteral("my own lines\r\n"));
        QVERIFY(el(main_, "cmdInstall")->isEnabled());
        QVERIFY(presets_->isVisible());
    }

    // The window opened by "Presets" writes into the main window until that is closed by its
    // close box; then the buttons do nothing.
    void aPresetAfterTheMainWindowIsGoneDoesNothing() {
        presets_.reset();
        click(el(main_, "cmdPreset"));
        QPointer<frmPreset> opened = SingleWindow<frmPreset>::current();
        QVERIFY(opened);
        click(el(opened, "cmdHigh"));
        QCOMPARE(el<QLineEdit>(main_, "txtDecals")->text(), QStringLiteral("4096"));

        frmStart* main = main_.release();
        QPointer<frmStart> gone(main);
        main->setAttribute(Qt::WA_DeleteOnClose);  // as the program sets it up
        main->close();
        QTRY_VERIFY(gone.isNull());
        for (const char* name : {"cmdLow", "cmdDefault", "cmdHigh"}) click(el(opened, name));
        QVERIFY(opened->isVisible());
        delete opened.data();
    }
};

QTEST_MAIN(FrmPresetTest)
#include "test_frmpreset.moc"
