// The main window as a user drives it: "Generate", typed text, the presets window's buttons
// and the description panel. Its texts, places, labels, help and start-up state are compared
// with their references in test_every_window; the rules on its clicks are test_monkey's
// invariants.
#include "config/generator.h"
#include "forms/common/single_window.h"
#include "forms/preset/frmpreset.h"
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

class FrmStartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmStart> w_;

    template <class T = QWidget>
    T* el(const char* name) { return test::el<T>(w_, name); }
    int index(const char* list) { return el<QComboBox>(list)->currentIndex(); }
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

    void generateReplacesTheTextAndEnablesInstallForGood() {
        QVERIFY(!el("cmdInstall")->isEnabled());
        el<QPlainTextEdit>("txtResult")->setPlainText(QStringLiteral("my own lines"));
        click(el("cmdGenerate"));
        QVERIFY(el("cmdInstall")->isEnabled());
        QCOMPARE(w_->resultText(), QString::fromStdString(generateConfig(startupOptionSet())));
        el<QPlainTextEdit>("txtResult")->appendPlainText(QStringLiteral("bind x jump"));
        el<QLineEdit>("txtFPS")->setText(QStringLiteral("99"));
        click(el("optSoftware"));
        click(el("cmdGenerate"));
        QCOMPARE(w_->resultText(), QString::fromStdString(generateConfig(w_->optionSet())));
        QVERIFY(w_->resultText().contains(QStringLiteral("\r\nfps_max 99\r\n")));
        QVERIFY(el("cmdInstall")->isEnabled());
    }

    // Every character comes back as typed: a no-break space stays one, a line separator is no
    // line break, nothing cuts long text, and Tab moves on instead of typing.
    void textIsKeptAsTyped() {
        const QString nbsp(QChar(0xA0));
        el<QLineEdit>("txtFPS")->setText(QStringLiteral("7") + nbsp + QString(40000, u'0'));
        QCOMPARE(w_->optionSet().txtFPS.size(), std::size_t(40003));  // UTF-8: A0 takes two
        click(el("cmdGenerate"));
        QVERIFY(w_->resultText().contains(QStringLiteral("\r\nfps_max 7") + nbsp + u'0'));
        auto* result = el<QPlainTextEdit>("txtResult");
        result->setPlainText(QStringLiteral("a") + nbsp + QStringLiteral("b\nc") + QChar(0x2028) + u'd');
        QTest::keyClick(result, Qt::Key_Tab);
        QCOMPARE(w_->resultText(), QStringLiteral("a") + nbsp + QStringLiteral("b\r\nc") + QChar(0x2028) + u'd');
    }

    // The presets window writes into the main window that opened it, generates nothing, and
    // does nothing once the main window is gone.
    void presetButtonsWriteIntoTheMainWindow() {
        click(el("optSoftware"));
        w_->setResultText(QStringLiteral("my own lines\r\n"));
        click(el("cmdPreset"));
        QPointer<frmPreset> presets = SingleWindow<frmPreset>::current();
        for (const auto& [button, preset] : {std::pair{"cmdHigh", Preset::High}, {"cmdLow", Preset::Low}}) {
            OptionSet expected = w_->optionSet();
            applyPreset(expected, preset);
            click(test::el(presets, button));
            QCOMPARE(w_->optionSet(), expected);
        }
        QVERIFY(!el("lblPos")->isEnabled() && !el("cmdInstall")->isEnabled());
        QCOMPARE(w_->resultText(), QStringLiteral("my own lines\r\n"));
        w_->setAttribute(Qt::WA_DeleteOnClose);  // as the program sets it up
        QPointer<frmStart> main(w_.release());
        main->close();
        QTRY_VERIFY(main.isNull());
        for (const char* name : {"cmdLow", "cmdDefault", "cmdHigh"}) click(test::el(presets, name));
        QVERIFY(presets->isVisible());
        delete presets.data();
    }

    // The panel shows the help of the element under the pointer, from its first move on, and
    // keeps it until another element with a help text is hovered; disabled ones show nothing.
    void descriptionsFollowThePointer() {
        QVERIFY(shown().isEmpty());
        click(el("chkNetGraph"));
        click(el("cmdGenerate"));
        const OptionSet options = w_->optionSet();
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
        QVERIFY(shown().startsWith(QLatin1String(" Welcome to Kestro! ")));
        QCOMPARE(w_->optionSet(), options);  // hovering changes nothing else
        click(el("optSoftware"));
        for (const char* name : {"lblTexture", "chkZtrick"}) {
            moveOver(name);
            QVERIFY(shown().startsWith(QLatin1String(" Welcome to Kestro! ")));
        }
    }
};

QTEST_MAIN(FrmStartTest)
#include "test_frmstart.moc"
