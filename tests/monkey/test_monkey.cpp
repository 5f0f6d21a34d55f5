// A seeded GUI monkey: thousands of random user actions over every window of the program,
// with the invariants that must always hold checked after each one. A failure names the seed,
// the failing action and what broke; the same seed and count replay it.
//
// Settings (environment): KESTRO_MONKEY_SEED (default 20261206), KESTRO_MONKEY_ACTIONS
// (default 1000; `make check` runs 20000 under the sanitizers).

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <optional>
#include <random>

#include "config/generator.h"
#include "config/presets.h"
#include "forms/common/remaining_windows.h"
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"

using namespace kestro;

namespace {

// The actions, and below how often each is drawn relative to the others.
enum Action { Click, PressKey, TypePath, DoubleClickLogo, CloseWindow };
const char* const kActionNames[] = {"Click", "PressKey", "TypePath", "DoubleClickLogo",
                                    "CloseWindow"};

// Buttons clicked by name half the time, so that the windows they open come up often.
const char* const kNamed[] = {"cmdGenerate", "cmdPreset",  "cmdInstall", "cmdAbout", "cmdLow",
                              "cmdDefault",  "cmdHigh", "cmdSave", "cmdBrowse"};

// The install window's mod boxes and their directories; the monkey's game directory has all
// but the first and the last.
const char* const kMods[][2] = {
    {"chkAction", "action"}, {"chkCStrike", "cstrike"}, {"chkDoD", "dod"}, {"chkDMC", "dmc"},
    {"chkFLF", "frontline"}, {"chkValve", "valve"}, {"chkTFC", "tfc"}, {"chkFirearms", "firearms"}};

template <class T>
T* pick(const QList<T*>& list, quint32 r) {
    return list.isEmpty() ? nullptr : list.at(int(r % list.size()));
}

// The visible and enabled elements among `all` whose names start with `prefix` (never empty).
template <class T>
QList<T*> usable(const QList<T*>& all, const char* prefix = "") {
    QList<T*> out;
    for (T* c : all)
        if (c->isVisible() && c->isEnabled() && c->objectName().startsWith(QLatin1String(prefix)))
            out << c;
    return out;
}

// The program's windows on screen.
QList<QWidget*> windows() { return usable(QApplication::topLevelWidgets(), "frm"); }

// The window of that name on screen, or the element of that name in one (names are unique).
template <class T = QWidget>
T* child(const char* name) {
    for (QWidget* w : windows())
        if (T* c = w->objectName() == QLatin1String(name) ? qobject_cast<T*>(w)
                                                          : w->findChild<T*>(QLatin1String(name)))
            return c;
    return nullptr;
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
    QString root_, game_;
    QPointer<frmStart> main_;
    test::MessageRecorder recorder_;
    bool generated_ = false;  // until "Generate!" is pressed, however that happens
    std::optional<QString> failure_;
    int installs_[2] = {0, 0};  // failed, succeeded
    QSet<QString> seen_;

    void startProgram() {
        deleteRemainingWindows();
        main_ = new frmStart;
        main_->setAttribute(Qt::WA_DeleteOnClose);
        main_->show();
        generated_ = false;
        connect(main_->findChild<QAbstractButton*>(QStringLiteral("cmdGenerate")),
                &QAbstractButton::clicked, this, [this] {  // after the window's own handler
                    generated_ = true;
                    const std::string text = generateConfig(main_->optionSet());
                    check(main_->resultText() == QString::fromStdString(text),
                          "Generate! wrote another text");
                });
    }

    void act(Action action, quint32 a, quint32 b) {
        // A third of the actions go to the main window, the others to any window.
        QWidget* win = b % 3 ? pick(windows(), b / 3) : child("frmStart");
        if (!win) return;
        switch (action) {
        case Click:  // one of the buttons named above, or any of the window
            return clickButton(a % 2 ? child<QAbstractButton>(kNamed[b % 9])
                                     : pick(usable(win->findChildren<QAbstractButton*>()), a / 2));
        case PressKey:  // on a list, else on the window's focus
            if (auto* list = pick(usable(win->findChildren<QComboBox*>()), a / 3); list && a % 3)
                list->setFocus();
            QTest::keyClick(win->focusWidget() ? win->focusWidget() : win,
                            std::array{Qt::Key_Space, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Up,
                                       Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backtab}[b % 7]);
            return;
        case TypePath:
            if (auto* path = child<QLineEdit>("txtFileName"))
                path->setText(QStringList{game_, game_ + '/', root_ + "/nowhere", ""}[int(a % 4)]);
            return;
        case DoubleClickLogo:  // whichever of the two logos lies in front
            if (auto* icon = child("imgIcon"))
                if (QWidget* logo = icon->window()->childAt(icon->geometry().center()))
                    QTest::mouseDClick(logo, Qt::LeftButton, {}, logo->rect().center());
            return;
        case CloseWindow: {  // by its close box; the main window when it is the last
            QList<QWidget*> others = windows();
            if (others.size() > 1) others.removeOne(child("frmStart"));
            if (QWidget* w = pick(others, a)) w->close();
        }
        }
    }

    void clickButton(QAbstractButton* button) {
        if (!button) return;
        if (button->objectName() == QLatin1String("cmdSave")) return pressInstall();
        // A preset button writes its column into the main window, if there is one, and nothing
        // else.
        const int preset =
            QStringList{"cmdLow", "cmdDefault", "cmdHigh"}.indexOf(button->objectName());
        std::optional<std::pair<OptionSet, QString>> expected;
        if (preset >= 0 && main_) {
            expected = {main_->optionSet(), main_->resultText()};
            applyPreset(expected->first, Preset(preset));
        }
        test::click(button);
        if (expected)
            check(main_ && std::pair(main_->optionSet(), main_->resultText()) == *expected,
                  "a preset wrote something else");
        // "Exit!" ends the program: the next action starts a new one.
        if (button->objectName() == QLatin1String("cmdExit")) startProgram();
    }

    // Presses "Install" and checks that what it reports is what it wrote.
    void pressInstall() {
        auto* save = child<QAbstractButton>("cmdSave");
        if (!save || !save->isEnabled()) return;
        const QString path = child<QLineEdit>("txtFileName")->text();
        QStringList ticked;
        for (const auto& [box, dir] : kMods)
            if (child<QCheckBox>(box)->isChecked()) ticked << dir;
        const bool mainAlive = child("frmStart");
        const QByteArray text = mainAlive ? main_->resultText().toLatin1() + "\r\n" : "";
        recorder_.shown.clear();
        test::click(save);
        const bool success = recorder_.shown.contains(QStringLiteral("kestro|Installion Complete! Enjoy!"));
        ++installs_[success];
        const bool allThere = !ticked.contains(kMods[0][1]) && !ticked.contains(kMods[7][1]);
        check(success || !mainAlive || !allThere || (path != game_ && path != game_ + '/'),
              QStringLiteral("install into %1 of %2 failed").arg(path, ticked.join(',')));
        const auto read = [](const QString& name) {
            QFile f(name);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        for (const QString& mod : success ? ticked : QStringList()) {
            const QString dir = QDir(path).filePath(mod);
            check(mainAlive && read(dir + "/kestro.cfg") == text &&
                      read(dir + "/autoexec.cfg").endsWith("exec kestro.cfg\r\n"),
                  QStringLiteral("install reported success, but %1 is wrong").arg(dir));
        }
    }

    void check(bool holds, const QString& what) {
        if (!holds && !failure_) failure_ = what;
    }

    void checkInvariants(int fxBefore) {
        QStringList kinds;
        for (QWidget* w : windows()) kinds << w->objectName();
        seen_.unite(QSet<QString>(kinds.begin(), kinds.end()));
        check(kinds.removeDuplicates() == 0, "two windows of a kind");
        auto* main = child<frmStart>("frmStart");
        if (!main) return;
        const OptionSet o = main->optionSet();
        const auto enabled = [main](const char* name) {
            return main->findChild<QWidget*>(QLatin1String(name))->isEnabled();
        };
        check(o.optOpenGL != o.optSoftware, "not one renderer");
        // The OpenGL group, enabled in OpenGL mode, then the Netgraph group, enabled while ticked.
        const char* const groups[] = {"chkFX", "fraOpenGL", "lblTexture", "chkZtrick", "cboMaxSize",
                                      "cboNetGraph", "cboPos", "lblMode", "lblPos"};
        for (int i = 0; i < 9; ++i)
            check(enabled(groups[i]) == (i < 5 ? o.optOpenGL : isTicked(o.chkNetGraph)),
                  QString("%1 group: %2").arg(i < 5 ? "OpenGL" : "Netgraph", groups[i]));
        check(fxBefore < 0 || fxBefore == o.chkFX || o.chkZtrick == o.chkFX,
              "Z-Trick did not follow 3Dfx");
        for (QComboBox* list : main->findChildren<QComboBox*>())
            check(list->currentIndex() >= -1 && list->currentIndex() < list->count(),
                  list->objectName() + " out of range");
        check(generated_ == enabled("cmdInstall"), "Install Config's state");
    }

private slots:
    void randomUserActionsKeepEveryInvariant() {
        const quint32 seed = qEnvironmentVariable("KESTRO_MONKEY_SEED", "20261206").toUInt();
        const int count = qEnvironmentVariable("KESTRO_MONKEY_ACTIONS", "1000").toInt();
        static QtMessageHandler previous = nullptr;  // offscreen warns on every raise()
        previous = qInstallMessageHandler([](QtMsgType type, const auto& at, const QString& text) {
            if (text != QLatin1String("This plugin does not support raise()"))
                previous(type, at, text);
        });
        QTemporaryDir scratch;
        root_ = scratch.filePath(QStringLiteral("monkey"));
        game_ = root_ + "/Half-Life";
        for (int i = 1; i < 7; ++i) QDir().mkpath(game_ + '/' + kMods[i][1]);
        QDir::setCurrent(root_);  // where the browser starts
        startProgram();
        std::mt19937 rng(seed);
        std::discrete_distribution<int> draw({60, 25, 6, 4, 5});
        for (int i = 0; i < count; ++i) {
            const auto action = Action(draw(rng));
            const quint32 a = rng(), b = rng();
            const int fxBefore = child("frmStart") ? int(main_->optionSet().chkFX) : -1;
            act(action, a, b);
            test::flushDeletes();
            checkInvariants(fxBefore);
            if (failure_)
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3(%4, %5): %6\nreplay: "
                                                "KESTRO_MONKEY_SEED=%1 KESTRO_MONKEY_ACTIONS=%7")
                                     .arg(seed).arg(i).arg(kActionNames[action]).arg(a).arg(b)
                                     .arg(*failure_).arg(i + 1)));
            if (windows().isEmpty()) startProgram();  // the program ended with its last window
        }
        qInfo("monkey: %d actions from seed %u; installs %d succeeded, %d failed; windows: %s",
              count, seed, installs_[1], installs_[0], qPrintable(seen_.values().join(u' ')));
        deleteRemainingWindows();  // with what they own: a list's drop-down is a window of its own
        QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{});
        QDir::setCurrent(QDir::tempPath());
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
