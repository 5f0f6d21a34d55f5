// The description panel of the main window, driven by real mouse moves.
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

namespace {

// Every element with a text of its own, and the text as the panel must show it.
const std::pair<const char*, const char*> kRows[]{
    {"frmStart", " Welcome to Kestro! This program will allow you to get the most out of your "
     "video card quickly and easily! Try it out and watch your FPS (not to mention frags) go up!"},
    {"optSoftware", "Software Rendering - Supported by almost all video cards. Low video quality."},
    {"optOpenGL", "OpenGL Rendering - Supported by a lot of video cards. High video quality."},
    {"chkFX", "3Dfx Support - Cards made by 3dfx should enable this feature, it will improve video "
     "quality. (All Voodoo Cards)"},
    {"lblTexture", "Please select a texture mode. Most video cards support bilinear filtering.  "
     "Some may support trilinear filtering which will increase the quality of textures. If you are "
     "in doubt, I would select one of the bilinear filtering modes."},
    {"lblVidQual", "Please select the rendering quality. Highest will have best quality graphics "
     "but will lower FPS. Lowest will have low quality graphics but will improve FPS."},
    {"lblPlayerQual", "Please select the player rendering quality. Highest will have best quality "
     "graphics but will lower FPS. Lowest will have low quality graphics but will improve FPS."},
    {"lblMaxSize", "Selects the maximum texture size allowed with textures.  Lower values will "
     "reduce CPU load. However, some textures may not be viewable, especially on custom user-made "
     "maps."},
    {"chkZtrick", "Enables Ztrick.  Speeds up rendering on 3Dfx cards. May cause flickering on "
     "non-3Dfx cards.  Leave it off if you do not own a 3dfx card."},
    {"chkBlend", "Disables the blending of sprite graphics. Will slightly improve FPS."},
    {"chkDither", "Disables dithering. Will slightly improve FPS."},
    {"chkCull", "Not recommended. Disables the rendering of visible objects only. Unless you "
     "really have the CPU power, I would leave this option unchecked as it will greatly increase "
     "the CPU load on your system."},
    {"chkCracks", "Checking this box will remove cracks between textures on some video cards.  "
     "However, it will reduce fps."},
    {"chkLightholes", "Disable lightholes in-game. Disabling may improve fps."},
    {"lblconnection", "Please select your connection. This will define the rate, cl_updaterate and "
     "cl_cmdrate functions, you can change this later in the config."},
    {"lblFPS", "Sets the maximum number of frames per second.  Useful to lessen CPU load if other "
     "applications are running. Value must be an integer."},
    {"lblDecals", "Sets the maximum number of decals displayed (Rocket blasts, bullet holes etc.) "
     "Value must be an integer."},
    {"chkHimodels", "Enables high quality models. Will slightly hamper FPS."},
    {"chkWeap", "Disables the weapon model you see yourself holding.  By not seeing the weapon "
     "model, you'll need to remember what gun you're using. Will improve fps."},
    {"chkDynamic", "Disables dynamic lighting. Dynamic lighting causes objects around a light "
     "source to illuminate, such as rockets and flashlights. Will moderately improve FPS."},
    {"chkMirrorAlpha", "Disables reflective textures. Will slightly improve FPS."},
    {"chkPrecache", "Disables precaching of models and sprites before loading. Will shorten "
     "loading time but will lower performance. Not recommended."},
    {"chkNetGraph", "Enables the netgraph function in Half-Life. Defaults in mode 3 and position "
     "2. Mode 3 displays the frames per second, in/out data rate, latency and choke. Mode 2 adds "
     "on a real-time incoming/outgoing data graph. Mode 1 adds a simplified incoming/outgoing data "
     "graph. Modes 1 & 2 will hamper FPS."},
    {"lblMode", "Mode 3 displays the frames per second, in/out data rate, latency and choke. Mode "
     "2 adds on a real-time incoming/outgoing data graph. Mode 1 adds a simplified "
     "incoming/outgoing data graph. Modes 1 & 2 will hamper FPS."},
    {"lblPos", "Displays the netgraph on a certain side of the screen. Defaults on right side."},
    {"chkUpload", "Disallows the upload of files to the server, such as custom spray paints so "
     "others can download/view them. Others will not be able to see your custom spray paint. May "
     "lower latency at beginning of game on slower connections."},
    {"chkDownload", "Disllows the download of files from the server when connecting. Such files "
     "include maps, sounds and custom spray paints. You will not be able to see the custom spray "
     "paints of other players or download custom maps and sounds you don't have from server. May "
     "lower latency at beginning of game on slower connections."},
    {"chkDownloadInGame", "Disallows the download of files from the server In-Game, such as custom "
     "spray paints. You will not be able to see the custom spray paints of players that join in "
     "the middle of a game. May lessen occasional lag spikes during the game on slower "
     "connections."},
    {"chkMMX", " Will improve performance of processors with MMX support (Pentium II, III, "
     "Celeron) by forcing MMX calculations.  If you do not have a processor with MMX support, "
     "leave this disabled."},
    {"chkHisound", "Enables high-quality sound. Will increase CPU load but I find it to be well "
     "worth it."},
    {"chkSAd", "Enables A3D support. Will slightly increase CPU load but will increase sound "
     "quality. Enable it only if your sound card supports A3D."},
    {"chkSEax", "Enables EAX support. Will slightly increase CPU load but will increase sound "
     "quality. Enable it only if your sound card supports EAX."},
    {"chkSbit", "Disables 16-bit sound, goes to 8-bit sound instead. Will decrease CPU load but "
     "sound quality will be slightly hampered."},
    {"chkCDAudio", "Disables CD Audio. If you wish to listen to music CDs on your computer while "
     "you play, leave this box unchecked.  I recommend you get a stereo system of some sort so you "
     "don't increase the CPU load."},
    {"chkReverb", "Disables reverb. Will lower CPU load but will slightly hamper sound quality."},
    {"txtResult", "After the config appears, change or add extra lines as you see fit. Then press "
     "the 'Install Config' button and follow the instructions."},
    {"cmdGenerate", "After you have appropiately selected all the options, press this button to "
     "generate the config!"},
    {"cmdInstall", "Installs the text in the textbox to selected mods on your computer."},
    {"cmdPreset", "This programs comes with preconfigured settings for those lazy people out "
     "there. There's also a setting to revert back to Half-Life defaults if your system becomes "
     "unstable with the new config."},
    {"cmdAbout", "View info about this product and your system."},
    {"fraDescript", "Move your mouse over a selection to view its description here."},
};

QString textOf(const char* element) {
    for (const auto& [name, text] : kRows)
        if (qstrcmp(name, element) == 0) return QString::fromLatin1(text);
    qFatal("no text for %s", element);
}

}  // namespace

class DescriptionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmStart> w_;

    QWidget* el(const QString& name) { return test::el(w_, qPrintable(name)); }
    QString shown() { return test::el<QLabel>(w_, "lblDescript")->text(); }
    // A real pointer move, delivered at once to the widget under the pointer.
    void moveTo(const QPoint& inWindow) { QTest::mouseMove(w_->windowHandle(), inWindow); }
    void moveOver(const QString& name) { moveTo(pointOver(name)); }

    // Where the pointer is over the element and nothing in front of it.
    QPoint pointOver(const QString& name) {
        if (name == QLatin1String("frmStart"))  // between "Rendering Option" and "OpenGL Options"
            return {(el("fraRender")->geometry().right() + el("fraOpenGL")->x()) / 2, 40};
        QWidget* w = el(name);
        if (name == QLatin1String("fraDescript"))  // the strip left of the description label
            return w->mapTo(w_.get(), QPoint(3, w->height() / 2));
        if (name.startsWith(QLatin1String("fra")))  // an empty corner inside the frame
            return w->mapTo(w_.get(), w->rect().bottomRight() - QPoint(4, 4));
        return w->mapTo(w_.get(), w->rect().center());
    }
    // The element under `p`: the named element holding the widget there, else the window.
    QString elementAt(const QPoint& p) {
        QWidget* w = w_->childAt(p);
        while (w && w_->element(w->objectName()) != w) w = w->parentWidget();
        return w ? w->objectName() : QStringLiteral("frmStart");
    }

private slots:
    void init() {
        w_.reset(showWindow(new frmStart));
        moveOver(QStringLiteral("lblDescript"));  // into the window over the panel itself
    }
    void cleanup() { w_.reset(); }

    void thePanelIsEmptyAtStart() { QVERIFY(shown().isEmpty()); }

    void everyTextByMovingOverItsElement_data() {
        QTest::addColumn<QString>("element");
        QCOMPARE(std::size(kRows), std::size_t(41));
        for (const auto& [name, text] : kRows) QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyTextByMovingOverItsElement() {
        QFETCH(QString, element);
        w_->setValue("chkNetGraph", 1);  // enables what starts disabled
        w_->cmdGenerate_Click();
        const OptionSet options = w_->optionSet();
        moveOver(element == QLatin1String("cmdAbout") ? QStringLiteral("cmdGenerate")
                                                      : QStringLiteral("cmdAbout"));

        const QPoint p = pointOver(element);
        QCOMPARE(elementAt(p), element);
        moveTo(p);
        QCOMPARE(shown(), textOf(qPrintable(element)));
        // It stays once the pointer has left, and hovering changes nothing else.
        moveOver(QStringLiteral("txtFPS"));
        QCOMPARE(shown(), textOf(qPrintable(element)));
        QCOMPARE(w_->optionSet(), options);
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
        w_->setValue("chkNetGraph", 1);
        moveOver(QStringLiteral("chkZtrick"));
        const QPoint p = pointOver(element);
        QCOMPARE(elementAt(p), element);
        moveTo(p);
        // Nor does the container (the "Description" frame, the window) answer instead.
        QCOMPARE(shown(), textOf("chkZtrick"));
    }

    // Disabled at start: "Install Config" on the window, "Mode" in a frame; in Software mode
    // the OpenGL group.
    void disabledElementsShowNothing() {
        moveOver(QStringLiteral("cmdAbout"));
        click(el(QStringLiteral("optSoftware")));
        for (const char* name : {"cmdInstall", "lblMode", "lblTexture", "chkZtrick"}) {
            moveOver(QString::fromLatin1(name));
            QCOMPARE(shown(), textOf("cmdAbout"));
        }
    }

    void theLongestTextStaysInThePanelsRectangle() {
        auto* panel = test::el<QLabel>(w_, "lblDescript");
        QCOMPARE(panel->font().family(), QStringLiteral("Arial"));
        QCOMPARE(panel->font().pointSizeF(), 8.25);
        QVERIFY(panel->wordWrap());
        moveOver(QStringLiteral("chkDownload"));
        QCOMPARE(shown().size(), 314);
        QCOMPARE(panel->geometry(), QRect(8, 16, 557, 45));
        QCOMPARE(w_->size(), QSize(665, 419));
    }
};

QTEST_MAIN(DescriptionsTest)
#include "test_descriptions.moc"
