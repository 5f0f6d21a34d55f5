// The description panel of the main window, driven by real mouse moves.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include "forms/start/frmstart.h"

using namespace kestro;

namespace {

struct Row {
    const char* element;
    const char* text;
};

// Every element with a text of its own, and the text as the panel must show it.
const Row kRows[]{
    {"frmStart",
        " Welcome to Kestro! This program will allow you to get the most out of your video card "
        "quickly and easily! Try it out and watch your FPS (not to mention frags) go up!"},
    {"optSoftware",
        "Software Rendering - Supported by almost all video cards. Low video quality."},
    {"optOpenGL",
        "OpenGL Rendering - Supported by a lot of video cards. High video quality."},
    {"chkFX",
        "3Dfx Support - Cards made by 3dfx should enable this feature, it will improve video "
        "quality. (All Voodoo Cards)"},
    {"lblTexture",
        "Please select a texture mode. Most video cards support bilinear filtering.  Some may "
        "support trilinear filtering which will increase the quality of textures. If you are in "
        "doubt, I would select one of the bilinear filtering modes."},
    {"lblVidQual",
        "Please select the rendering quality. Highest will have best quality graphics but will "
        "lower FPS. Lowest will have low quality graphics but will improve FPS."},
    {"lblPlayerQual",
        "Please select the player rendering quality. Highest will have best quality graphics but "
        "will lower FPS. Lowest will have low quality graphics but will improve FPS."},
    {"lblMaxSize",
        "Selects the maximum texture size allowed with textures.  Lower values will reduce CPU "
        "load. However, some textures may not be viewable, especially on custom user-made maps."},
    {"chkZtrick",
        "Enables Ztrick.  Speeds up rendering on 3Dfx cards. May cause flickering on non-3Dfx "
        "cards.  Leave it off if you do not own a 3dfx card."},
    {"chkBlend",
        "Disables the blending of sprite graphics. Will slightly improve FPS."},
    {"chkDither",
        "Disables dithering. Will slightly improve FPS."},
    {"chkCull",
        "Not recommended. Disables the rendering of visible objects only. Unless you really have "
        "the CPU power, I would leave this option unchecked as it will greatly increase the CPU "
        "load on your system."},
    {"chkCracks",
        "Checking this box will remove cracks between textures on some video cards.  However, it "
        "will reduce fps."},
    {"chkLightholes",
        "Disable lightholes in-game. Disabling may improve fps."},
    {"lblconnection",
        "Please select your connection. This will define the rate, cl_updaterate and cl_cmdrate "
        "functions, you can change this later in the config."},
    {"lblFPS",
        "Sets the maximum number of frames per second.  Useful to lessen CPU load if other "
        "applications are running. Value must be an integer."},
    {"lblDecals",
        "Sets the maximum number of decals displayed (Rocket blasts, bullet holes etc.) Value must "
        "be an integer."},
    {"chkHimodels",
        "Enables high quality models. Will slightly hamper FPS."},
    {"chkWeap",
        "Disables the weapon model you see yourself holding.  By not seeing the weapon model, "
        "you'll need to remember what gun you're using. Will improve fps."},
    {"chkDynamic",
        "Disables dynamic lighting. Dynamic lighting causes objects around a light source to "
        "illuminate, such as rockets and flashlights. Will moderately improve FPS."},
    {"chkMirrorAlpha",
        "Disables reflective textures. Will slightly improve FPS."},
    {"chkPrecache",
        "Disables precaching of models and sprites before loading. Will shorten loading time but "
        "will lower performance. Not recommended."},
    {"chkNetGraph",
        "Enables the netgraph function in Half-Life. Defaults in mode 3 and position 2. Mode 3 "
        "displays the frames per second, in/out data rate, latency and choke. Mode 2 adds on a "
        "real-time incoming/outgoing data graph. Mode 1 adds a simplified incoming/outgoing data "
        "graph. Modes 1 & 2 will hamper FPS."},
    {"lblMode",
        "Mode 3 displays the frames per second, in/out data rate, latency and choke. Mode 2 adds "
        "on a real-time incoming/outgoing data graph. Mode 1 adds a simplified incoming/outgoing "
        "data graph. Modes 1 & 2 will hamper FPS."},
    {"lblPos",
        "Displays the netgraph on a certain side of the screen. Defaults on right side."},
    {"chkUpload",
        "Disallows the upload of files to the server, such as custom spray paints so others can "
        "download/view them. Others will not be able to see your custom spray paint. May lower "
        "latency at beginning of game on slower connections."},
    {"chkDownload",
        "Disllows the download of files from the server when connecting. Such files include maps, "
        "sounds and custom spray paints. You will not be able to see the custom spray paints of "
        "other players or download custom maps and sounds you don't have from server. May lower "
        "latency at beginning of game on slower connections."},
    {"chkDownloadInGame",
        "Disallows the download of files from the server In-Game, such as custom spray paints. You "
        "will not be able to see the custom spray paints of players that join in the middle of a "
        "game. May lessen occasional lag spikes during the game on slower connections."},
    {"chkMMX",
        " Will improve performance of processors with MMX support (Pentium II, III, Celeron) by "
        "forcing MMX calculations.  If you do not have a processor with MMX support, leave this "
        "disabled."},
    {"chkHisound",
        "Enables high-quality sound. Will increase CPU load but I find it to be well worth it."},
    {"chkSAd",
        "Enables A3D support. Will slightly increase CPU load but will increase sound quality. "
        "Enable it only if your sound card supports A3D."},
    {"chkSEax",
        "Enables EAX support. Will slightly increase CPU load but will increase sound quality. "
        "Enable it only if your sound card supports EAX."},
    {"chkSbit",
        "Disables 16-bit sound, goes to 8-bit sound instead. Will decrease CPU load but sound "
        "quality will be slightly hampered."},
    {"chkCDAudio",
        "Disables CD Audio. If you wish to listen to music CDs on your computer while you play, "
        "leave this box unchecked.  I recommend you get a stereo system of some sort so you don't "
        "increase the CPU load."},
    {"chkReverb",
        "Disables reverb. Will lower CPU load but will slightly hamper sound quality."},
    {"txtResult",
        "After the config appears, change or add extra lines as you see fit. Then press the "
        "'Install Config' button and follow the instructions."},
    {"cmdGenerate",
        "After you have appropiately selected all the options, press this button to generate the "
        "config!"},
    {"cmdInstall",
        "Installs the text in the textbox to selected mods on your computer."},
    {"cmdPreset",
        "This programs comes with preconfigured settings for those lazy people out there. There's "
        "also a setting to revert back to Half-Life defaults if your system becomes unstable with "
        "the new config."},
    {"cmdAbout",
        "View info about this product and your system."},
    {"fraDescript",
        "Move your mouse over a selection to view its description here."},

};

QString textOf(const char* element) {
    for (const Row& row : kRows) {
        if (qstrcmp(row.element, element) == 0) return QString::fromLatin1(row.text);
    }
    qFatal("no text for %s", element);
}

}  // namespace

class DescriptionsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frmStart> window_;

    QWidget* el(const QString& name) {
        QWidget* w = window_->element(name);
        if (!w) qFatal("no element %s", qPrintable(name));
        return w;
    }
    QString shown() { return window_->element<QLabel>(QStringLiteral("lblDescript"))->text(); }

    // Real pointer moves, delivered at once to the widget under the pointer.
    void moveTo(const QPoint& inWindow) { QTest::mouseMove(window_->windowHandle(), inWindow); }
    void moveTo(QWidget* w, const QPoint& inWidget) { moveTo(w->mapTo(window_.get(), inWidget)); }
    void moveOver(const QString& name) { moveTo(el(name), el(name)->rect().center()); }

    // Where to point at an element so that the pointer is over it and nothing in front.
    QPoint pointOver(const QString& name) {
        if (name == QLatin1String("frmStart")) {
            // The bare surface between "Rendering Option" and "OpenGL Options".
            return {(el("fraRender")->geometry().right() + el("fraOpenGL")->x()) / 2, 40};
        }
        if (name == QLatin1String("fraDescript")) {
            // The frame's left strip, beside the description label.
            return el(name)->mapTo(window_.get(), QPoint(3, el(name)->height() / 2));
        }
        if (name.startsWith(QLatin1String("fra"))) {
            // An empty corner inside the frame.
            return el(name)->mapTo(window_.get(), el(name)->rect().bottomRight() - QPoint(4, 4));
        }
        return el(name)->mapTo(window_.get(), el(name)->rect().center());
    }
    // The element the pointer at `p` is over: the window, or the named element that holds
    // the widget there.
    QString elementAt(const QPoint& p) {
        QWidget* w = window_->childAt(p);
        while (w && window_->element(w->objectName()) != w) w = w->parentWidget();
        return w ? w->objectName() : QStringLiteral("frmStart");
    }

private slots:
    void init() {
        window_ = std::make_unique<frmStart>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void thePanelIsEmptyAtStart() {
        auto* panel = window_->element<QLabel>(QStringLiteral("lblDescript"));
        QVERIFY(panel->text().isEmpty());
        // Entering the window over the panel itself leaves it empty.
        moveOver(QStringLiteral("lblDescript"));
        QVERIFY(panel->text().isEmpty());
    }

    void everyTextByMovingOverItsElement_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("text");
        QCOMPARE(std::size(kRows), std::size_t(41));
        for (const Row& row : kRows)
            QTest::newRow(row.element) << QString::fromLatin1(row.element)
                                       << QString::fromLatin1(row.text);
    }
    void everyTextByMovingOverItsElement() {
        QFETCH(QString, element);
        QFETCH(QString, text);
        // Enable what starts disabled: the Netgraph group and "Install Config".
        window_->setValue("chkNetGraph", 1);
        window_->cmdGenerate_Click();
        const OptionSet options = window_->optionSet();

        moveOver(QStringLiteral("lblDescript"));  // into the window
        moveOver(element == QLatin1String("cmdAbout") ? QStringLiteral("cmdGenerate")
                                                      : QStringLiteral("cmdAbout"));
        const QString before = shown();
        QVERIFY(before != text);

        const QPoint p = pointOver(element);
        QCOMPARE(elementAt(p), element);
        moveTo(p);
        QCOMPARE(shown(), text);
        // The text stays after the pointer has left the element, and hovering changes nothing else.
        moveOver(QStringLiteral("txtFPS"));
        QCOMPARE(shown(), text);
        QCOMPARE(window_->optionSet(), options);
    }

    void elementsWithoutATextLeaveThePreviousOne_data() {
        QTest::addColumn<QString>("element");
        for (const char* name :
             {"cboTexture", "cboPicmip", "cboPlayermip", "cboMaxSize", "cboRate", "cboNetGraph",
              "cboPos", "txtFPS", "txtDecals", "fraRender", "fraOpenGL", "fraGameOpt", "fraSound",
              "linGameOpt", "cmdExit", "lblDescript"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void elementsWithoutATextLeaveThePreviousOne() {
        QFETCH(QString, element);
        window_->setValue("chkNetGraph", 1);  // enables the net-graph lists
        moveOver(QStringLiteral("lblDescript"));
        moveOver(QStringLiteral("chkZtrick"));
        QCOMPARE(shown(), textOf("chkZtrick"));

        const QPoint p = pointOver(element);
        QCOMPARE(elementAt(p), element);
        moveTo(p);
        // Neither the element's container ("Description" frame, the window) answers instead.
        QCOMPARE(shown(), textOf("chkZtrick"));
    }

    void partsOfTheResultBoxSpeakForIt() {
        auto* box = window_->element<QPlainTextEdit>(QStringLiteral("txtResult"));
        moveOver(QStringLiteral("cmdAbout"));
        QScrollBar* bar = box->verticalScrollBar();
        moveTo(bar, bar->rect().center());
        QCOMPARE(shown(), textOf("txtResult"));
        moveOver(QStringLiteral("cmdAbout"));
        moveTo(box->viewport(), QPoint(20, 20));
        QCOMPARE(shown(), textOf("txtResult"));
    }

    void disabledElementsShowNothing() {
        moveOver(QStringLiteral("lblDescript"));
        moveOver(QStringLiteral("cmdAbout"));
        // Disabled at start: "Install Config" on the window's surface, "Mode" in a frame.
        moveOver(QStringLiteral("cmdInstall"));
        QCOMPARE(shown(), textOf("cmdAbout"));
        moveOver(QStringLiteral("lblMode"));
        QCOMPARE(shown(), textOf("cmdAbout"));

        QTest::mouseClick(el(QStringLiteral("optSoftware")), Qt::LeftButton, {}, QPoint(7, 14));
        moveOver(QStringLiteral("cmdAbout"));
        moveOver(QStringLiteral("lblTexture"));
        QCOMPARE(shown(), textOf("cmdAbout"));
        moveOver(QStringLiteral("chkZtrick"));
        QCOMPARE(shown(), textOf("cmdAbout"));

        // Enabled again, they show their texts.
        QTest::mouseClick(el(QStringLiteral("optOpenGL")), Qt::LeftButton, {}, QPoint(7, 10));
        moveOver(QStringLiteral("lblTexture"));
        QCOMPARE(shown(), textOf("lblTexture"));
        window_->setValue("chkNetGraph", 1);
        moveOver(QStringLiteral("lblMode"));
        QCOMPARE(shown(), textOf("lblMode"));
    }

    void theLongestTextStaysInThePanelsRectangle() {
        auto* panel = window_->element<QLabel>(QStringLiteral("lblDescript"));
        const QRect rect = panel->geometry();
        QCOMPARE(rect, QRect(8, 16, 557, 45));
        QCOMPARE(panel->font().family(), QStringLiteral("Arial"));
        QCOMPARE(panel->font().pointSizeF(), 8.25);
        QVERIFY(!panel->font().bold());
        QVERIFY(panel->wordWrap());

        moveOver(QStringLiteral("lblDescript"));
        moveOver(QStringLiteral("chkDownload"));
        QCOMPARE(shown().size(), 314);
        QCOMPARE(panel->geometry(), rect);
        QCOMPARE(window_->size(), QSize(665, 419));
        QCOMPARE(panel->font().pointSizeF(), 8.25);
        moveOver(QStringLiteral("cmdAbout"));
        QCOMPARE(shown().size(), 45);
        QCOMPARE(panel->geometry(), rect);
    }
};

QTEST_MAIN(DescriptionsTest)
#include "test_descriptions.moc"
