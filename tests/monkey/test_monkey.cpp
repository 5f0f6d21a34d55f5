// A seeded GUI monkey: random user actions over every window, with what must always hold checked
// after each. A failure names the seed and the action; the same seed and count replay it.
// KESTRO_MONKEY_SEED (default 20261206) and KESTRO_MONKEY_ACTIONS (default 1000; `make check`
// runs 20000 under the sanitizers) choose the run.
#include <random>

#include "forms/common/remaining_windows.h"
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"

using namespace kestro;

namespace {

template <class T>  // one of the visible and enabled elements of a kind in `window`, if any
T* pick(QWidget* window, quint32 r) {
    QList<T*> out;
    for (T* c : window->findChildren<T*>()) if (c->isVisible() && c->isEnabled()) out << c;
    return out.value(int(r % std::max<qsizetype>(1, out.size())));
}

QWidgetList windows() {  // the program's windows on screen
    QWidgetList out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().startsWith(QLatin1String("frm"))) out << w;
    return out;
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
    test::MessageRecorder recorder_;  // answers every message box
    bool generated_ = false;           // "Generate!" pressed since the program started
    QPointer<frmStart> main_;

    void startProgram() {
        deleteRemainingWindows();
        main_ = new frmStart;
        main_->setAttribute(Qt::WA_DeleteOnClose);
        main_->show();
        generated_ = false;
        connect(test::el<QAbstractButton>(main_, "cmdGenerate"), &QAbstractButton::clicked, this,
                [this] { generated_ = true; });
    }

    void act(quint32 a, quint32 b) {  // a third to the main window, the rest to any window
        const QWidgetList all = windows();
        QWidget* win = b % 3 || !main_ ? all.value(int(b / 3 % all.size())) : main_.data();
        if (a % 10 == 0) {  // whichever of the About window's two logos lies in front
            for (QWidget* about : all)
                if (auto* logo = about->findChild<QWidget*>(QStringLiteral("imgIcon")))
                    if (QWidget* front = about->childAt(logo->geometry().center()))
                        QTest::mouseDClick(front, Qt::LeftButton, {}, front->rect().center());
        } else if (a % 10 == 1) {  // by its close box; the main window when it is the last
            if (win != main_ || all.size() == 1) win->close();
        } else if (a % 10 < 5) {  // a key on a list or on the focus
            if (auto* list = pick<QComboBox>(win, a / 10); list && a % 3) list->setFocus();
            QTest::keyClick(win->focusWidget() ? win->focusWidget() : win,
                            QList{Qt::Key_Space, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Up,
                                  Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backtab}.at(b % 7));
        } else if (QAbstractButton* button = a & 16 ? pick<QAbstractButton>(win, a / 32)
                                                    : pick<QPushButton>(win, a / 32)) {
            // Half the clicks go to push buttons, so that the windows they open come up often.
            test::click(button);  // "Exit!" ends the program: the next one starts
            if (button->objectName() == QLatin1String("cmdExit")) startProgram();
        }
    }

    QString broken(int fxBefore) {  // the invariant that no longer holds, if any
        QStringList kinds;
        for (QWidget* w : windows()) kinds << w->objectName();
        if (kinds.removeDuplicates()) return "two windows of a kind";
        if (!main_) return {};
        const OptionSet o = main_->optionSet();
        const auto on = [this](const char* name) { return test::el(main_, name)->isEnabled(); };
        if (o.optOpenGL == o.optSoftware) return "not one renderer";
        for (const char* name : {"chkFX", "lblTexture", "chkZtrick", "cboMaxSize"})
            if (on(name) != o.optOpenGL) return QStringLiteral("OpenGL group: ") + name;
        for (const char* name : {"cboNetGraph", "cboPos", "lblMode", "lblPos"})
            if (on(name) != isTicked(o.chkNetGraph)) return QStringLiteral("Netgraph: ") + name;
        if (fxBefore >= 0 && fxBefore != o.chkFX && o.chkZtrick != o.chkFX) return "Z-Trick";
        return generated_ == on("cmdInstall") ? "" : "Install Config's state";
    }

private slots:
    void randomUserActionsKeepEveryInvariant() {
        const quint32 seed = qEnvironmentVariable("KESTRO_MONKEY_SEED", "20261206").toUInt();
        const int count = qEnvironmentVariable("KESTRO_MONKEY_ACTIONS", "1000").toInt();
        static QtMessageHandler previous = nullptr;  // offscreen warns on every raise()
        previous = qInstallMessageHandler([](QtMsgType type, const auto& at, const QString& text) {
            if (!text.contains(QLatin1String("support raise()"))) previous(type, at, text);
        });
        QTemporaryDir scratch;  // where the browser starts and an install may write
        QDir::setCurrent(scratch.path());
        startProgram();
        std::mt19937 rng(seed);
        for (int i = 0; i < count; ++i) {
            const quint32 a = rng(), b = rng();
            const int fxBefore = main_ ? main_->optionSet().chkFX : -1;
            act(a, b);
            test::flushDeletes();
            if (const QString what = broken(fxBefore); !what.isEmpty())
                QFAIL(qPrintable(QString("seed %1, action %2: %3").arg(seed).arg(i).arg(what)));
            if (windows().isEmpty()) startProgram();  // the program ended with its last window
        }
        deleteRemainingWindows();  // with what they own: a list's drop-down is a window of its own
        QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{});
        QDir::setCurrent(QDir::tempPath());
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
