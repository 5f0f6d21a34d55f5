// A seeded GUI monkey: thousands of random user actions over every window of the program,
// with the invariants that must always hold checked after each one. A failure names the seed,
// the failing action and what broke; the same seed and count replay it.
//
// Settings (environment): KESTRO_MONKEY_SEED (default 20261206), KESTRO_MONKEY_ACTIONS
// (default 1000; `make check` runs 20000 under the sanitizers).

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <array>
#include <optional>
#include <random>

#include "forms/common/remaining_windows.h"
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"

using namespace kestro;

namespace {

// The actions, each with how often it is drawn relative to the others.
enum Action { Click, Press, ChangeList, EditResult, TypePath, Hover, DoubleClickLogo, PressKey,
              CloseWindow };
const std::pair<const char*, int> kActions[] = {
    {"Click", 30}, {"Press", 30}, {"ChangeList", 11}, {"EditResult", 5}, {"TypePath", 5},
    {"Hover", 8}, {"DoubleClickLogo", 3}, {"PressKey", 9}, {"CloseWindow", 4}};

// Buttons pressed by name, so that the windows they open come up often.
const std::pair<const char*, const char*> kPresses[] = {
    {"frmStart", "cmdGenerate"}, {"frmStart", "cmdPreset"}, {"frmStart", "cmdInstall"},
    {"frmStart", "cmdAbout"},    {"frmPreset", "cmdLow"},   {"frmPreset", "cmdDefault"},
    {"frmPreset", "cmdHigh"},    {"frmInstall", "cmdSave"}, {"frmInstall", "cmdBrowse"}};

// The install window's mod boxes and their directories; the monkey's game directory has all
// but the first and the last.
const char* const kMods[][2] = {
    {"chkAction", "action"}, {"chkCStrike", "cstrike"}, {"chkDoD", "dod"}, {"chkDMC", "dmc"},
    {"chkFLF", "frontline"}, {"chkValve", "valve"}, {"chkTFC", "tfc"}, {"chkFirearms", "firearms"}};

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <class T>
T* pick(const QList<T*>& list, quint32 r) {
    return list.isEmpty() ? nullptr : list.at(int(r % list.size()));
}

// The program's windows on screen.
QList<QWidget*> windows() {
    QList<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().startsWith(QLatin1String("frm"))) out << w;
    return out;
}

// The named, visible and enabled elements of a kind in a window.
template <class T>
QList<T*> usable(QWidget* window) {
    QList<T*> out;
    for (T* c : window ? window->findChildren<T*>() : QList<T*>())
        if (c->isVisible() && c->isEnabled() && !c->objectName().isEmpty()) out << c;
    return out;
}

// One run of the program: fresh windows, a fresh game directory, and the invariants.
class Session {
public:
    explicit Session(const QString& root) : root_(root), game_(root + "/Half-Life") {
        for (int i = 1; i < 7; ++i) QDir().mkpath(game_ + '/' + kMods[i][1]);
        QDir::setCurrent(root_);  // where the browser starts
        setMessageHandler([this](const Message& m) { messages_ << m.text; });
        startProgram();
    }
    ~Session() {
        setMessageHandler({});
        deleteRemainingWindows();
        QDir::setCurrent(startDir_);
    }

    // Performs one action; returns what broke, or nothing.
    std::optional<QString> perform(Action action, quint32 a, quint32 b) {
        auto* fx = child<QCheckBox>("frmStart", "chkFX");
        const int fxBefore = fx ? fx->isChecked() : -1;
        messages_.clear();
        act(action, a, b);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (failure_) return failure_;
        if (auto broken = checkInvariants(fxBefore)) return broken;
        if (windows().isEmpty()) startProgram();  // the program ended with its last window
        return std::nullopt;
    }

    int installs[2] = {0, 0};  // failed, succeeded
    QSet<QString> windowsSeen;

private:
    void startProgram() {
        deleteRemainingWindows();
        main_ = new frmStart;
        main_->setAttribute(Qt::WA_DeleteOnClose);
        main_->show();
        generated_ = false;  // until "Generate!" is pressed, however that happens
        QObject::connect(main_->findChild<QAbstractButton*>(QStringLiteral("cmdGenerate")),
                         &QAbstractButton::clicked, [this] { generated_ = true; });
    }
    // The window of that name, or its element of that name.
    template <class T = QWidget>
    static T* child(const char* window, const char* name = nullptr) {
        for (QWidget* w : windows())
            if (w->objectName() == QLatin1String(window))
                return name ? w->findChild<T*>(QLatin1String(name)) : qobject_cast<T*>(w);
        return nullptr;
    }

    void act(Action action, quint32 a, quint32 b) {
        // A third of the actions go to the main window, the others to any window.
        QWidget* target = b % 3 ? pick(windows(), b / 3) : child("frmStart");
        switch (action) {
        case Click: clickButton(pick(usable<QAbstractButton>(target), a)); break;
        case Press:
            clickButton(child<QAbstractButton>(kPresses[a % 9].first, kPresses[a % 9].second));
            break;
        case ChangeList:
            if (QComboBox* list = pick(usable<QComboBox>(target), a)) {
                list->setFocus();
                QTest::keyClick(list, a % 2 ? Qt::Key_Down : Qt::Key_Up);
            }
            break;
        case EditResult:  // pasted text beyond Latin-1, or typed
            if (auto* box = child<QPlainTextEdit>("frmStart", "txtResult")) {
                if (a % 2) box->insertPlainText(QStringLiteral("caf\u00e9 \u00ff\u03bb"));
                else QTest::keyClicks(box, QStringLiteral("bind q +jump"));
                if (b % 2) QTest::keyClick(box, Qt::Key_Return);
            }
            break;
        case TypePath:
            if (auto* path = child<QLineEdit>("frmInstall", "txtFileName"))
                path->setText(QStringList{game_, game_ + '/', root_ + "/nowhere", ""}[int(a % 4)]);
            break;
        case Hover:
            if (target) QTest::mouseMove(target->windowHandle(), QPoint(a % 400, b % 300));
            break;
        case DoubleClickLogo:  // whichever of the two logos lies in front
            if (auto* icon = child("frmAbout", "imgIcon"))
                if (QWidget* logo = icon->window()->childAt(icon->geometry().center()))
                    QTest::mouseDClick(logo, Qt::LeftButton, {}, logo->rect().center());
            break;
        case PressKey:  // on the window's focus
            if (target)
                QTest::keyClick(target->focusWidget() ? target->focusWidget() : target,
                                std::array{Qt::Key_Space, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return,
                                           Qt::Key_Escape, Qt::Key_Backtab}[a % 6]);
            break;
        case CloseWindow: {  // by its close box; the main window when it is the last
            QList<QWidget*> others = windows();
            if (others.size() > 1) others.removeOne(child("frmStart"));
            if (QWidget* w = pick(others, a)) w->close();
            break;
        }
        }
    }

    void clickButton(QAbstractButton* button) {
        if (!button) return;
        if (button->objectName() == QLatin1String("cmdSave")) return pressInstall();
        test::click(button);
        // "Exit!" ends the program: the next action starts a new one.
        if (button->objectName() == QLatin1String("cmdExit")) startProgram();
    }

    // Presses "Install" and checks that what it reports is what it wrote.
    void pressInstall() {
        auto* save = child<QAbstractButton>("frmInstall", "cmdSave");
        if (!save || !save->isEnabled()) return;
        const QString path = child<QLineEdit>("frmInstall", "txtFileName")->text();
        QStringList ticked;
        for (const auto& [box, dir] : kMods)
            if (child<QCheckBox>("frmInstall", box)->isChecked()) ticked << dir;
        const bool mainAlive = child("frmStart");
        const QByteArray text = mainAlive ? main_->resultText().toLatin1() + "\r\n" : "";
        test::click(save);
        const bool success = messages_.contains(QStringLiteral("Installion Complete! Enjoy!"));
        ++installs[success];
        const bool allThere = !ticked.contains("action") && !ticked.contains("firearms");
        if (!success && mainAlive && allThere && (path == game_ || path == game_ + '/'))
            failure_ = QStringLiteral("install into %1 of %2 failed").arg(path, ticked.join(','));
        for (const QString& mod : success ? ticked : QStringList()) {
            const QString dir = QDir(path).filePath(mod);
            if (!mainAlive || readFile(dir + "/kestro.cfg") != text ||
                !readFile(dir + "/autoexec.cfg").endsWith("exec kestro.cfg\r\n"))
                failure_ = QStringLiteral("install reported success, but %1 is wrong").arg(dir);
        }
    }

    std::optional<QString> checkInvariants(int fxBefore) {
        QStringList kinds;
        for (QWidget* w : windows()) kinds << w->objectName();
        windowsSeen.unite(QSet<QString>(kinds.begin(), kinds.end()));
        if (kinds.removeDuplicates() > 0) return QStringLiteral("two windows of a kind");
        auto* main = child<frmStart>("frmStart");
        if (!main) return std::nullopt;
        const OptionSet options = main->optionSet();
        const auto enabled = [main](const char* name) {
            return main->findChild<QWidget*>(QLatin1String(name))->isEnabled();
        };
        if (options.optOpenGL == options.optSoftware) return QStringLiteral("not one renderer");
        for (const char* name : {"chkFX", "fraOpenGL", "lblTexture", "chkZtrick", "cboMaxSize"})
            if (enabled(name) != options.optOpenGL) return QStringLiteral("OpenGL group ") + name;
        for (const char* name : {"cboNetGraph", "cboPos", "lblMode", "lblPos"})
            if (enabled(name) != isTicked(options.chkNetGraph))
                return QStringLiteral("Netgraph group ") + name;
        if (fxBefore >= 0 && fxBefore != options.chkFX && options.chkZtrick != options.chkFX)
            return QStringLiteral("Z-Trick did not follow 3Dfx");
        for (QComboBox* list : main->findChildren<QComboBox*>())
            if (list->currentIndex() < -1 || list->currentIndex() >= list->count())
                return QStringLiteral("list %1 out of range").arg(list->objectName());
        if (generated_ != enabled("cmdInstall")) return QStringLiteral("Install Config's state");
        return std::nullopt;
    }

    const QString startDir_ = QDir::currentPath(), root_, game_;
    QPointer<frmStart> main_;
    QStringList messages_;
    bool generated_ = false;
    std::optional<QString> failure_;
};

// The offscreen platform warns on every raise(); the monkey raises windows thousands of times.
QtMessageHandler g_previousHandler = nullptr;
void dropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text != QLatin1String("This plugin does not support raise()"))
        g_previousHandler(type, context, text);
}

quint32 setting(const char* name, quint32 fallback) {
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomUserActionsKeepEveryInvariant() {
        const quint32 seed = setting("KESTRO_MONKEY_SEED", 20261206);
        const int count = int(setting("KESTRO_MONKEY_ACTIONS", 1000));
        QTemporaryDir scratch;
        g_previousHandler = qInstallMessageHandler(dropRaiseWarnings);
        std::mt19937 rng(seed);
        std::discrete_distribution<int> draw(std::size(kActions), 0, std::size(kActions),
                                             [](double i) { return kActions[int(i)].second; });
        Session session(scratch.filePath(QStringLiteral("monkey")));
        for (int i = 0; i < count; ++i) {
            const auto action = Action(draw(rng));
            const quint32 a = rng(), b = rng();
            if (auto broken = session.perform(action, a, b))
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3(%4, %5): %6\nreplay: "
                                                "KESTRO_MONKEY_SEED=%1 KESTRO_MONKEY_ACTIONS=%7")
                                     .arg(seed).arg(i).arg(kActions[action].first).arg(a).arg(b)
                                     .arg(*broken).arg(i + 1)));
        }
        QStringList seen = session.windowsSeen.values();
        seen.sort();
        qInfo("monkey: %d actions from seed %u; installs %d succeeded, %d failed; windows: %s",
              count, seed, session.installs[1], session.installs[0], qPrintable(seen.join(' ')));
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
