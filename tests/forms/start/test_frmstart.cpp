#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "forms/common/single_window.h"
#include "forms/preset/frmpreset.h"
#include "forms/start/frmstart.h"

using namespace kestro;

class FrmStartTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frmStart> window_;

    template <class T = QWidget>
    T* el(const char* name) {
        T* w = window_->element<T>(QString::fromLatin1(name));
        if (!w) qFatal("no element %s", name);
        return w;
    }
    // Clicks where a user would: on a check box's or option button's indicator, else in
    // the middle.
    void click(const char* name) {
        QWidget* w = el(name);
        const bool indicator = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        QTest::mouseClick(w, Qt::LeftButton, {},
                          indicator ? QPoint(7, w->height() / 2) : w->rect().center());
    }

private slots:
    void init() {
        window_ = std::make_unique<frmStart>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void startupValuesAndEnabledFlags() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Kestro v1.0"));
        QVERIFY(el<QRadioButton>("optOpenGL")->isChecked());
        QVERIFY(!el<QRadioButton>("optSoftware")->isChecked());
        QCOMPARE(el<QComboBox>("cboTexture")->currentText(),
                 QStringLiteral("High quality bilinear filtering"));
        QCOMPARE(el<QComboBox>("cboPicmip")->currentText(), QStringLiteral("Highest"));
        QCOMPARE(el<QComboBox>("cboPlayermip")->currentText(), QStringLiteral("Highest"));
        QCOMPARE(el<QComboBox>("cboMaxSize")->currentText(), QStringLiteral("256"));
        QCOMPARE(el<QComboBox>("cboRate")->currentText(), QStringLiteral("Cable Modem"));
        QCOMPARE(el<QComboBox>("cboNetGraph")->currentIndex(), -1);
        QCOMPARE(el<QComboBox>("cboPos")->currentIndex(), -1);
        QCOMPARE(el<QLineEdit>("txtFPS")->text(), QStringLiteral("72"));
        QCOMPARE(el<QLineEdit>("txtDecals")->text(), QStringLiteral("3000"));
        QCOMPARE(window_->optionSet(), startupOptionSet());

        const QStringList disabled{"cboNetGraph", "cboPos", "lblMode", "lblPos", "cmdInstall"};
        for (QWidget* w : window_->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QCOMPARE(w->isEnabled(), !disabled.contains(w->objectName()));
        }
        QVERIFY(el<QLabel>("lblDescript")->text().isEmpty());
        const QString startup = window_->resultText();
        QCOMPARE(startup.size(), 175);
        QCOMPARE(startup,
                 QStringLiteral("Press the \"Generate Config File!\" button after all appropiate "
                                "selections are selected.\r\nThe config will appear here after "
                                "the button is pressed. You may edit as you see fit.\r\n"));
    }

    void captionsAndItems() {
        const QList<QPair<const char*, const char*>> captions{
            {"fraRender", "Rendering Option"},   {"fraOpenGL", "OpenGL Options"},
            {"fraGameOpt", "Gaming Options"},    {"fraSound", "Sound Options"},
            {"fraDescript", "Description"}};
        for (const auto& [name, caption] : captions)
            QCOMPARE(el<QGroupBox>(name)->title(), QString::fromLatin1(caption));
        QCOMPARE(el<QRadioButton>("optSoftware")->text(), QStringLiteral("Software/Direct3D"));
        QCOMPARE(el<QCheckBox>("chkFX")->text(), QStringLiteral("3Dfx"));
        QCOMPARE(el<QCheckBox>("chkDownloadInGame")->text(),
                 QStringLiteral("Disallow Downloads In-Game"));
        QCOMPARE(el<QCheckBox>("chkSbit")->text(), QStringLiteral("Disable 16-bit sound"));
        QCOMPARE(el<QLabel>("lblconnection")->text(), QStringLiteral("Connection Speed"));
        QCOMPARE(el<QLabel>("lblVidQual")->text(), QStringLiteral("Video Rendering Quality"));
        QVERIFY(el<QLabel>("lblMaxSize")->font().bold());
        QVERIFY(!el<QLabel>("lblDescript")->font().bold());
        QCOMPARE(el<QPushButton>("cmdGenerate")->font().pointSizeF(), 9.75);
        QVERIFY(el<QPushButton>("cmdGenerate")->font().bold());
        QCOMPARE(el<QPushButton>("cmdExit")->text(), QStringLiteral("Exit!"));

        auto items = [this](const char* name) {
            QStringList out;
            auto* list = el<QComboBox>(name);
            for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
            return out;
        };
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

    void geometryInPixels() {
        QCOMPARE(window_->size(), QSize(665, 419));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        const QList<QPair<const char*, QRect>> places{
            {"fraRender", {8, 4, 133, 105}},      {"optSoftware", {20, 24, 109, 29}},
            {"optOpenGL", {20, 56, 109, 21}},     {"chkFX", {28, 76, 97, 17}},
            {"fraOpenGL", {152, 4, 505, 105}},    {"fraGameOpt", {8, 116, 361, 181}},
            {"fraSound", {380, 116, 277, 81}},    {"txtResult", {380, 204, 277, 133}},
            {"cmdPreset", {8, 304, 57, 33}},      {"cmdGenerate", {76, 304, 193, 33}},
            {"cmdInstall", {280, 304, 89, 33}},   {"fraDescript", {8, 344, 573, 65}},
            {"lblDescript", {8, 16, 557, 45}},    {"cmdAbout", {592, 352, 61, 25}},
            {"cmdExit", {592, 384, 61, 25}}};
        for (const auto& [name, rect] : places) {
            const QRect actual = el(name)->geometry();
            QVERIFY2(qAbs(actual.x() - rect.x()) <= 1 && qAbs(actual.y() - rect.y()) <= 1 &&
                         qAbs(actual.width() - rect.width()) <= 1 &&
                         qAbs(actual.height() - rect.height()) <= 1,
                     name);
        }
        // The option buttons are drawn over the frame, not hidden behind it.
        QVERIFY(el("optSoftware")->parentWidget() == window_.get());
        const QList<QObject*> stack = window_->children();
        QVERIFY(stack.indexOf(el("optSoftware")) > stack.indexOf(el("fraRender")));
    }

    void tabOrder() {
        QStringList chain;
        QWidget* w = el("optSoftware");
        const QWidget* first = w;
        do {
            chain << w->objectName();
            w = w->nextInFocusChain();
            while (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) ||
                   w->focusPolicy() == Qt::NoFocus || w == window_.get())
                w = w->nextInFocusChain();
        } while (w != first);
        QCOMPARE(chain,
                 (QStringList{"optSoftware",   "optOpenGL",   "chkFX",        "cboRate",
                              "txtFPS",        "txtDecals",   "chkHimodels",  "chkWeap",
                              "chkDynamic",    "chkMirrorAlpha", "chkPrecache", "chkUpload",
                              "chkDownload",   "chkDownloadInGame", "chkMMX", "chkNetGraph",
                              "cboNetGraph",   "cboPos",      "cboTexture",   "cboPicmip",
                              "cboPlayermip",  "cboMaxSize",  "chkZtrick",    "chkCracks",
                              "chkBlend",      "chkDither",   "chkLightholes", "chkCull",
                              "chkHisound",    "chkSAd",      "chkSEax",      "chkCDAudio",
                              "chkSbit",       "chkReverb",   "cmdPreset",    "cmdGenerate",
                              "cmdInstall",    "txtResult",   "cmdAbout",     "cmdExit"}));
    }

    void fxRuleOnTheWindow() {
        click("chkFX");
        QVERIFY(el<QCheckBox>("chkZtrick")->isChecked());
        click("chkZtrick");  // cleared by hand
        QVERIFY(el<QCheckBox>("chkFX")->isChecked());
        click("chkZtrick");
        click("chkFX");
        QVERIFY(!el<QCheckBox>("chkZtrick")->isChecked());
    }

    void netgraphRuleOnTheWindow() {
        click("chkNetGraph");
        for (const char* name : {"cboNetGraph", "cboPos", "lblMode", "lblPos"})
            QVERIFY2(el(name)->isEnabled(), name);
        QCOMPARE(el<QComboBox>("cboNetGraph")->currentText(), QStringLiteral("Mode 3"));
        QCOMPARE(el<QComboBox>("cboPos")->currentText(), QStringLiteral("Right"));
        el<QComboBox>("cboNetGraph")->setCurrentIndex(2);
        el<QComboBox>("cboPos")->setCurrentIndex(2);
        click("chkNetGraph");
        for (const char* name : {"cboNetGraph", "cboPos", "lblMode", "lblPos"})
            QVERIFY2(!el(name)->isEnabled(), name);
        QCOMPARE(el<QComboBox>("cboNetGraph")->currentText(), QStringLiteral("Mode 1"));
        // A change made by code runs the rule as a click does.
        window_->setValue("chkNetGraph", 1);
        QCOMPARE(el<QComboBox>("cboPos")->currentText(), QStringLiteral("Right"));
        QVERIFY(el("lblPos")->isEnabled());
    }

    void renderingRuleOnTheWindow() {
        click("chkCull");
        el<QComboBox>("cboTexture")->setCurrentIndex(3);
        const OptionSet before = window_->optionSet();
        click("optSoftware");
        for (const char* name : {"chkFX", "fraOpenGL", "lblTexture", "cboTexture", "lblVidQual",
                                 "cboPicmip", "lblPlayerQual", "cboPlayermip", "chkBlend",
                                 "chkZtrick", "chkDither", "chkCull", "chkCracks",
                                 "chkLightholes", "lblMaxSize", "cboMaxSize"})
            QVERIFY2(!el(name)->isEnabled(), name);
        QVERIFY(el("cboRate")->isEnabled());
        OptionSet expected = before;
        expected.optOpenGL = false;
        expected.optSoftware = true;
        QCOMPARE(window_->optionSet(), expected);
        click("optOpenGL");
        QVERIFY(el("lblMaxSize")->isEnabled());
        QVERIFY(el("chkCull")->isEnabled());
        QCOMPARE(window_->optionSet(), before);
    }

    void generateReplacesTheTextAndEnablesInstallForGood() {
        el<QPlainTextEdit>("txtResult")->setPlainText(QStringLiteral("my own lines"));
        click("cmdGenerate");
        QVERIFY(el("cmdInstall")->isEnabled());
        const QString text = window_->resultText();
        QVERIFY(text.startsWith(QStringLiteral("// Created with Kestro v1.0\r\n// Get your own")));
        QVERIFY(text.endsWith(QStringLiteral("\r\nbgmvolume 0\r\ns_reverb 1\r\n")));
        QCOMPARE(text.count(QStringLiteral("\r\n")), 40);
        QVERIFY(!text.contains(QStringLiteral("my own lines")));

        el<QPlainTextEdit>("txtResult")->appendPlainText(QStringLiteral("bind x jump"));
        click("cmdGenerate");
        QVERIFY(!window_->resultText().contains(QStringLiteral("bind x jump")));
        QVERIFY(el("cmdInstall")->isEnabled());

        click("optSoftware");
        click("cmdGenerate");
        QCOMPARE(window_->resultText().count(QStringLiteral("\r\n")), 33);
        QVERIFY(el("cmdInstall")->isEnabled());
    }

    void secondaryWindowsExistOnce() {
        click("cmdPreset");
        frmPreset* first = SingleWindow<frmPreset>::current();
        QVERIFY(first != nullptr);
        QVERIFY(first->isVisible());
        QVERIFY(first->parentWidget() == nullptr);
        click("cmdPreset");
        QCOMPARE(SingleWindow<frmPreset>::current(), first);
        QCOMPARE(window_->findChildren<frmPreset*>().size(), 0);

        QPointer<frmPreset> closed(first);
        first->close();
        QTRY_VERIFY(closed.isNull());  // closing deletes it
        click("cmdPreset");
        QVERIFY(SingleWindow<frmPreset>::current() != nullptr);
        delete SingleWindow<frmPreset>::current();
    }

    void presetsWindowOutlivesTheMainWindow() {
        click("cmdPreset");
        QPointer<frmPreset> presets(SingleWindow<frmPreset>::current());
        window_->close();
        window_.reset();
        QVERIFY(!presets.isNull());
        QVERIFY(presets->isVisible());
        delete presets.data();
    }
};

QTEST_MAIN(FrmStartTest)
#include "test_frmstart.moc"
