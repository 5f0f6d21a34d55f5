// The main window as built: start-up state, texts, places, focus order, and the rules and
// "Generate" wired to its controls. The other buttons' windows have tests of their own.
#include <QPlainTextEdit>

#include "config/generator.h"
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

class FrmStartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmStart> w_;

    template <class T = QWidget>
    T* el(const char* name) { return test::el<T>(w_, name); }
    QString text(const char* list) { return el<QComboBox>(list)->currentText(); }
    QStringList items(const char* list) {
        QStringList out;
        for (int i = 0; i < el<QComboBox>(list)->count(); ++i)
            out << el<QComboBox>(list)->itemText(i);
        return out;
    }

private slots:
    void init() { w_.reset(showWindow(new frmStart)); }
    void cleanup() { w_.reset(); }

    void startupValuesAndEnabledFlags() {
        QCOMPARE(w_->windowTitle(), QStringLiteral("Kestro v1.0"));
        QCOMPARE(w_->optionSet(), startupOptionSet());
        QVERIFY(el<QRadioButton>("optOpenGL")->isChecked());
        QCOMPARE(text("cboTexture"), QStringLiteral("High quality bilinear filtering"));
        QCOMPARE(text("cboPicmip"), QStringLiteral("Highest"));
        QCOMPARE(text("cboMaxSize"), QStringLiteral("256"));
        QCOMPARE(text("cboRate"), QStringLiteral("Cable Modem"));
        QCOMPARE(el<QComboBox>("cboPos")->currentIndex(), -1);
        QCOMPARE(el<QLineEdit>("txtFPS")->text(), QStringLiteral("72"));

        QStringList disabled;
        for (QWidget* c : w_->findChildren<QWidget*>())
            if (w_->element(c->objectName()) == c && !c->isEnabled()) disabled << c->objectName();
        disabled.sort();
        QCOMPARE(disabled,
                 (QStringList{"cboNetGraph", "cboPos", "cmdInstall", "lblMode", "lblPos"}));
        QVERIFY(el<QLabel>("lblDescript")->text().isEmpty());
        QCOMPARE(w_->resultText(),
                 QStringLiteral("Press the \"Generate Config File!\" button after all appropiate "
                                "selections are selected.\r\nThe config will appear here after "
                                "the button is pressed. You may edit as you see fit.\r\n"));
    }

    void captionsFontsAndItems() {
        QCOMPARE(miscaptioned(w_, {
                     {"fraRender", "Rendering Option"}, {"fraOpenGL", "OpenGL Options"},
                     {"fraGameOpt", "Gaming Options"}, {"fraSound", "Sound Options"},
                     {"fraDescript", "Description"}, {"optSoftware", "Software/Direct3D"},
                     {"chkFX", "3Dfx"}, {"chkDownloadInGame", "Disallow Downloads In-Game"},
                     {"chkSbit", "Disable 16-bit sound"}, {"lblconnection", "Connection Speed"},
                     {"lblVidQual", "Video Rendering Quality"}, {"cmdExit", "Exit!"}}),
                 QString());
        QVERIFY(el("lblMaxSize")->font().bold());
        QVERIFY(!el("lblDescript")->font().bold());
        QVERIFY(el("cmdGenerate")->font().bold());
        QCOMPARE(el("cmdGenerate")->font().pointSizeF(), 9.75);

        QCOMPARE(items("cboRate"),
                 (QStringList{"28.8 modem", "33.6 modem", "56k modem", "Single ISDN", "Dual ISDN",
                              "Cable Modem", "xDSL", "T1+", "LAN"}));
        QCOMPARE(items("cboTexture"),
                 (QStringList{"Low quality bilinear filtering", "High quality bilinear filtering",
                              "Low quality trilinear filtering",
                              "High quality trilinear filtering"}));
        QCOMPARE(items("cboMaxSize"), (QStringList{"256", "128", "64", "32"}));
        QCOMPARE(items("cboNetGraph"), (QStringList{"Mode 3", "Mode 2", "Mode 1"}));
        QCOMPARE(items("cboPos"), (QStringList{"Right", "Center", "Left"}));
        QVERIFY(!el<QComboBox>("cboRate")->isEditable());
    }

    void geometryWithinOnePixel() {
        QCOMPARE(w_->size(), QSize(665, 419));
        QCOMPARE(w_->minimumSize(), w_->maximumSize());
        QCOMPARE(misplaced(w_, {
                     {"fraRender", {8, 4, 133, 105}}, {"optSoftware", {20, 24, 109, 29}},
                     {"optOpenGL", {20, 56, 109, 21}}, {"chkFX", {28, 76, 97, 17}},
                     {"fraOpenGL", {152, 4, 505, 105}}, {"fraGameOpt", {8, 116, 361, 181}},
                     {"fraSound", {380, 116, 277, 81}}, {"txtResult", {380, 204, 277, 133}},
                     {"cmdPreset", {8, 304, 57, 33}}, {"cmdGenerate", {76, 304, 193, 33}},
                     {"cmdInstall", {280, 304, 89, 33}}, {"fraDescript", {8, 344, 573, 65}},
                     {"lblDescript", {8, 16, 557, 45}}, {"cmdAbout", {592, 352, 61, 25}},
                     {"cmdExit", {592, 384, 61, 25}}}, 1),
                 QString());
        // The option buttons are drawn over the frame, not hidden behind it.
        const QList<QObject*> stack = w_->children();
        QVERIFY(stack.indexOf(el("optSoftware")) > stack.indexOf(el("fraRender")));
    }

    void tabOrder() {
        QCOMPARE(tabChain(el("optSoftware")),
                 (QStringList{"optSoftware", "optOpenGL", "chkFX", "cboRate", "txtFPS",
                              "txtDecals", "chkHimodels", "chkWeap", "chkDynamic",
                              "chkMirrorAlpha", "chkPrecache", "chkUpload", "chkDownload",
                              "chkDownloadInGame", "chkMMX", "chkNetGraph", "cboNetGraph",
                              "cboPos", "cboTexture", "cboPicmip", "cboPlayermip", "cboMaxSize",
                              "chkZtrick", "chkCracks", "chkBlend", "chkDither", "chkLightholes",
                              "chkCull", "chkHisound", "chkSAd", "chkSEax", "chkCDAudio",
                              "chkSbit", "chkReverb", "cmdPreset", "cmdGenerate", "cmdInstall",
                              "txtResult", "cmdAbout", "cmdExit"}));
    }

    // The rules themselves are proven without a window; here: each runs on a click.
    void rulesRunOnClicksAndOnChangesByCode() {
        click(el("chkFX"));
        QVERIFY(el<QCheckBox>("chkZtrick")->isChecked());

        click(el("chkNetGraph"));
        QVERIFY(el("lblPos")->isEnabled());
        QCOMPARE(text("cboNetGraph"), QStringLiteral("Mode 3"));
        QCOMPARE(text("cboPos"), QStringLiteral("Right"));
        el<QComboBox>("cboPos")->setCurrentIndex(2);
        w_->setValue("chkNetGraph", 0);  // by code, as a click
        QVERIFY(!el("cboPos")->isEnabled());
        QCOMPARE(text("cboPos"), QStringLiteral("Left"));

        const OptionSet before = w_->optionSet();
        click(el("optSoftware"));
        QVERIFY(!el("chkFX")->isEnabled());
        QVERIFY(!el("fraOpenGL")->isEnabled());
        QVERIFY(!el("cboMaxSize")->isEnabled());
        QVERIFY(el("cboRate")->isEnabled());
        OptionSet software = before;  // no value changes but the rendering option
        software.optSoftware = true;
        software.optOpenGL = false;
        QCOMPARE(w_->optionSet(), software);
        click(el("optOpenGL"));
        QVERIFY(el("cboMaxSize")->isEnabled());
        QCOMPARE(w_->optionSet(), before);
    }

    void generateReplacesTheTextAndEnablesInstallForGood() {
        el<QPlainTextEdit>("txtResult")->setPlainText(QStringLiteral("my own lines"));
        click(el("cmdGenerate"));
        QVERIFY(el("cmdInstall")->isEnabled());
        QCOMPARE(w_->resultText(), QString::fromStdString(generateConfig(startupOptionSet())));

        el<QPlainTextEdit>("txtResult")->appendPlainText(QStringLiteral("bind x jump"));
        click(el("optSoftware"));
        click(el("cmdGenerate"));
        QVERIFY(!w_->resultText().contains(QStringLiteral("bind x jump")));
        QCOMPARE(w_->resultText().count(QStringLiteral("\r\n")), 33);
        QVERIFY(el("cmdInstall")->isEnabled());
    }
};

QTEST_MAIN(FrmStartTest)
#include "test_frmstart.moc"
