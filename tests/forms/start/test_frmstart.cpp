// The main window as a user drives it: the presets, the description panel and the program's
// run. Its texts, places, labels, help and start-up state are compared with their references in
// test_every_window; what its rules keep true on every click is among test_monkey's invariants.
#include "config/golden_texts.h"
#include "forms/common/single_window.h"
#include "forms/preset/frmpreset.h"
#include "forms/start/frmstart.h"
#include "forms/start/main_window_run.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

class FrmStartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmStart> w_;

    template <class T = QWidget>
    T* el(const char* name) { return test::el<T>(w_, name); }
    QString shown() { return el<QLabel>("lblDescript")->text(); }
    // A real pointer move, delivered at once to the widget under the pointer.
    void moveTo(const QPoint& inWindow) { QTest::mouseMove(w_->windowHandle(), inWindow); }
    void moveOver(const char* name, QPoint at = {-1, -1}) {
        QWidget* w = el(name);
        moveTo(w->mapTo(w_.get(), at == QPoint(-1, -1) ? w->rect().center() : at));
    }

private slots:
    void init() { w_.reset(showWindow(new frmStart)); }
    void cleanup() { w_.reset(); }

    // Each button of the presets window writes its own preset into the main window (the Low
    // preset's whole text is test_generator's).
    void presetButtonsApplyTheirPreset() {
        click(el("cmdPreset"));
        QPointer<frmPreset> presets = SingleWindow<frmPreset>::current();
        const auto press = [&](const char* button) {
            click(test::el(presets, button));
            for (auto* list : w_->findChildren<QComboBox*>())  // every list shows an item
                if (list->currentIndex() < 0) return QStringLiteral("none in ") + list->objectName();
            click(el("cmdGenerate"));
            return w_->resultText();
        };
        QCOMPARE(press("cmdHigh"), QString::fromLatin1(kHighText));
        QCOMPARE(press("cmdDefault"), QString::fromLatin1(kStartupText));
        QVERIFY(press("cmdLow").contains(QLatin1String("\r\nr_decals 30\r\n")));  // Low's own value
        delete presets.data();
    }

    // The panel shows the help of the element under the pointer, from its first move on, and
    // keeps it until another element with a help text is hovered; disabled ones show nothing.
    void descriptionsFollowThePointer() {
        QVERIFY(shown().isEmpty());
        click(el("chkNetGraph"));
        click(el("cmdGenerate"));
        int withText = 0;
        for (QWidget* element : w_->findChildren<QWidget*>()) {
            const QString help = element->accessibleDescription();
            if (help.isEmpty()) continue;
            moveOver("cmdExit");  // no text of its own
            const bool frame = element->objectName().startsWith(QLatin1String("fra"));
            moveTo(element->mapTo(w_.get(), frame ? QPoint(3, element->height() / 2)  // its border
                                                  : element->rect().center()));
            QVERIFY2(shown() == help, qPrintable(element->objectName()));
            ++withText;
        }
        QCOMPARE(withText, 40);
        // Lists, fields, inside the option frames, "Exit!" and the text itself leave the text.
        const QString panel = el("fraDescript")->accessibleDescription();
        moveOver("fraDescript", {3, 30});
        for (const char* name : {"cboTexture", "txtFPS", "cmdExit", "lblDescript"}) {
            moveOver(name);
            QCOMPARE(shown(), panel);
        }
        moveOver("fraOpenGL", el("fraOpenGL")->rect().bottomRight() - QPoint(4, 4));
        QCOMPARE(shown(), panel);
        moveTo({145, 40});  // the window's own surface between two frames
        QCOMPARE(shown(), QStringLiteral(" Welcome to Kestro! This program will allow you to get the "
                                         "most out of your video card quickly and easily! Try it "
                                         "out and watch your FPS (not to mention frags) go up!"));
        click(el("optSoftware"));
        for (const char* name : {"lblTexture", "chkZtrick"}) {
            moveOver(name);
            QVERIFY(shown().startsWith(QLatin1String(" Welcome to Kestro! ")));
        }
    }

    // The program's run: the main window closed by its close box goes at once while the
    // About window keeps the program going, which ends with that last window; "Exit!" ends it
    // with a window still open, and no window outlives the run.
    void theProgramRunsUntilItsLastWindowOrExit() {
        w_.reset();
        const auto window = [](const char* name) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
            return static_cast<QWidget*>(nullptr);
        };
        for (const char* ending : {"close box", "Exit!"}) {
            QPointer<QWidget> main, about;
            QStringList seen;
            QTimer::singleShot(0, [&] {
                main = window("frmStart");
                click(test::el(main, "cmdAbout"));
                about = window("frmAbout");
                if (ending == QLatin1String("Exit!")) return click(test::el(main, "cmdExit"));
                main->close();
                QTimer::singleShot(0, [&] {
                    seen << (main ? "main open" : "main gone") << (about ? "About open" : "");
                    about->close();
                });
            });
            QCOMPARE(runMainWindow(), 0);
            QCOMPARE(seen, (ending == QLatin1String("Exit!") ? QStringList()
                                                             : QStringList{"main gone", "About open"}));
            QVERIFY(!main && !about);
        }
    }
};

QTEST_MAIN(FrmStartTest)
#include "test_frmstart.moc"
