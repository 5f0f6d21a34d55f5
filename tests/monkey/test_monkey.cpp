// A seeded GUI monkey: thousands of random user actions over every window of the program,
// with the invariants that must always hold checked after each one. A failure prints the seed
// and the shortest action list found that still reproduces it.
//
// Settings (environment): KESTRO_MONKEY_SEED (default 20261206), KESTRO_MONKEY_ACTIONS
// (default 1000; `make check` runs 20000 under the sanitizers).

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTreeWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>
#include <random>

#include "forms/common/messages.h"
#include "forms/common/remaining_windows.h"
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using kestro::test::click;

namespace {

enum class Action {
    ClickMainControl, ClickAnyButton, ChangeList, TypeOption, EditResult, Hover, Generate,
    OpenPresets, OpenInstall, OpenAbout, PressPreset, TypePath, TickMod, PressInstall,
    PressBrowse, BrowseOpenFolder, BrowseChangeDrive, DoubleClickLogo, PressKey, CloseWindow,
    CloseMain, Exit, Count
};

// Each action's name and how often it is drawn relative to the others, in the order above.
const std::pair<const char*, int> kActions[] = {
    {"ClickMainControl", 20}, {"ClickAnyButton", 6}, {"ChangeList", 8}, {"TypeOption", 3},
    {"EditResult", 3}, {"Hover", 8}, {"Generate", 5}, {"OpenPresets", 3}, {"OpenInstall", 3},
    {"OpenAbout", 3}, {"PressPreset", 5}, {"TypePath", 5}, {"TickMod", 5}, {"PressInstall", 5},
    {"PressBrowse", 3}, {"BrowseOpenFolder", 4}, {"BrowseChangeDrive", 3},
    {"DoubleClickLogo", 3}, {"PressKey", 5}, {"CloseWindow", 3}, {"CloseMain", 1}, {"Exit", 1}};
static_assert(std::size(kActions) == static_cast<std::size_t>(Action::Count));

struct Step {
    Action action;
    quint32 a;
    quint32 b;
};

std::vector<Step> drawSteps(quint32 seed, int count) {
    std::mt19937 rng(seed);
    std::vector<int> weights;
    for (const auto& [name, weight] : kActions) weights.push_back(weight);
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    std::vector<Step> steps;
    for (int i = 0; i < count; ++i)
        steps.push_back({static_cast<Action>(pick(rng)), static_cast<quint32>(rng()),
                         static_cast<quint32>(rng())});
    return steps;
}

const char* const kMods[][2] = {{"chkAction", "action"},     {"chkCStrike", "cstrike"},
                                {"chkDoD", "dod"},           {"chkDMC", "dmc"},
                                {"chkFirearms", "firearms"}, {"chkFLF", "frontline"},
                                {"chkValve", "valve"},       {"chkTFC", "tfc"}};
// Mod directories present in the monkey's game directory; the others are missing.
const QStringList kPresentMods{"cstrike", "dod", "dmc", "frontline", "valve", "tfc"};

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One run of the program: fresh windows, a fresh game directory, and the invariants.
class Session {
public:
    explicit Session(const QString& root) : root_(root) {
        QDir(root_).removeRecursively();
        QDir().mkpath(gameDir());
        for (const QString& mod : kPresentMods) QDir(gameDir()).mkdir(mod);
        QDir::setCurrent(root_);
        setMessageHandler([this](const Message& m) { messages_.append(m); });
        startProgram();
    }
    ~Session() {
        setMessageHandler({});
        closeEverything();
    }

    // Performs one step; returns a failed invariant, or nothing.
    std::optional<QString> perform(const Step& step) {
        const std::optional<int> fxBefore = checkValue("chkFX");
        messages_.clear();
        act(step);
        if (auto failure = checkInvariants(fxBefore)) return failure;
        if (ourWindows().isEmpty()) startProgram();  // the program ended with its last window
        return std::nullopt;
    }

private:
    QString gameDir() const { return root_ + QStringLiteral("/Half-Life"); }

    void startProgram() {
        closeEverything();
        main_ = new frmStart;
        main_->setAttribute(Qt::WA_DeleteOnClose);
        main_->show();
        generated_ = false;
    }

    void closeEverything() {
        deleteRemainingWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QList<QWidget*> ourWindows() const {
        QList<QWidget*> out;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->objectName().startsWith(QLatin1String("frm"))) out << w;
        }
        return out;
    }
    QWidget* window(const char* name) const {
        for (QWidget* w : ourWindows())
            if (w->objectName() == QLatin1String(name)) return w;
        return nullptr;
    }
    template <class T = QWidget>
    T* child(const char* windowName, const char* name) const {
        QWidget* w = window(windowName);
        return w ? w->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }
    template <class T>
    QList<T*> usable(QWidget* w) const {
        QList<T*> out;
        if (!w) return out;
        for (T* c : w->findChildren<T*>())
            if (c->isVisible() && c->isEnabled() && !c->objectName().isEmpty()) out << c;
        return out;
    }
    std::optional<int> checkValue(const char* name) const {
        if (auto* box = child<QCheckBox>("frmStart", name)) return box->isChecked() ? 1 : 0;
        return std::nullopt;
    }

    template <class T>
    static T* pickFrom(const QList<T*>& list, quint32 r) {
        return list.isEmpty() ? nullptr : list.at(static_cast<int>(r % list.size()));
    }

    void act(const Step& s) {
        switch (s.action) {
        case Action::ClickMainControl: {
            QList<QAbstractButton*> buttons = usable<QAbstractButton>(window("frmStart"));
            buttons.removeIf([](QAbstractButton* b) {
                return b->objectName() == QLatin1String("cmdExit");  // its own action
            });
            clickButton(pickFrom(buttons, s.a));
            break;
        }
        case Action::ClickAnyButton: {
            QList<QAbstractButton*> buttons =
                usable<QAbstractButton>(pickFrom(ourWindows(), s.b));
            buttons.removeIf([](QAbstractButton* b) {
                return b->objectName() == QLatin1String("cmdExit");
            });
            clickButton(pickFrom(buttons, s.a));
            break;
        }
        case Action::ChangeList:
            if (QComboBox* list = pickFrom(usable<QComboBox>(pickFrom(ourWindows(), s.b)), s.a)) {
                list->setFocus();
                QTest::keyClick(list, s.a % 2 ? Qt::Key_Down : Qt::Key_Up);
            }
            break;
        case Action::TypeOption:
            if (QLineEdit* field = pickFrom(usable<QLineEdit>(window("frmStart")), s.a)) {
                field->selectAll();
                QTest::keyClicks(field, s.b % 3 ? QString::number(s.b % 500) : QStringLiteral("x y"));
            }
            break;
        case Action::EditResult:
            if (auto* box = child<QPlainTextEdit>("frmStart", "txtResult")) {
                if (s.a % 4 == 0) box->clear();
                box->setFocus();
                if (s.b % 2) {
                    QTest::keyClicks(box, QStringLiteral("bind q +jump"));
                } else {
                    box->insertPlainText(QStringLiteral("caf\u00e9 \u03bb"));  // pasted: Latin-1 and beyond
                }
                if (s.b % 3 == 0) QTest::keyClick(box, Qt::Key_Return);
            }
            break;
        case Action::Hover:
            if (QWidget* w = pickFrom(ourWindows(), s.b)) {
                const QPoint pos(static_cast<int>(s.a % std::max(1, w->width())),
                                 static_cast<int>((s.a / 7) % std::max(1, w->height())));
                QTest::mouseMove(w->windowHandle(), pos);
            }
            break;
        case Action::Generate: clickButton(child<QAbstractButton>("frmStart", "cmdGenerate")); break;
        case Action::OpenPresets: clickButton(child<QAbstractButton>("frmStart", "cmdPreset")); break;
        case Action::OpenInstall: clickButton(child<QAbstractButton>("frmStart", "cmdInstall")); break;
        case Action::OpenAbout: clickButton(child<QAbstractButton>("frmStart", "cmdAbout")); break;
        case Action::PressPreset: {
            const char* presets[] = {"cmdLow", "cmdDefault", "cmdHigh"};
            clickButton(child<QAbstractButton>("frmPreset", presets[s.a % 3]));
            break;
        }
        case Action::TypePath:
            if (auto* path = child<QLineEdit>("frmInstall", "txtFileName")) {
                const QString choices[] = {gameDir(), gameDir() + QLatin1Char('/'),
                                           root_ + QStringLiteral("/nowhere"), QString()};
                path->setText(choices[s.a % 4]);
            }
            break;
        case Action::TickMod: clickButton(child<QAbstractButton>("frmInstall", kMods[s.a % 8][0])); break;
        case Action::PressInstall: pressInstall(); break;
        case Action::PressBrowse: clickButton(child<QAbstractButton>("frmInstall", "cmdBrowse")); break;
        case Action::BrowseOpenFolder:
            // Any entry of the scratch folder or its sub-folders (never the machine's own).
            if (auto* list = child<QTreeWidget>("frmBrowse", "dirLook")) {
                QList<QTreeWidgetItem*> entries;
                for (QTreeWidgetItemIterator it(list); *it; ++it)
                    if ((*it)->data(0, Qt::UserRole).toString().startsWith(root_)) entries << *it;
                if (QTreeWidgetItem* entry = pickFrom(entries, s.a)) {
                    list->scrollToItem(entry);
                    const QPoint at = list->visualItemRect(entry).center();
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                }
            }
            break;
        case Action::BrowseChangeDrive:
            if (auto* drives = child<QComboBox>("frmBrowse", "drvChange")) {
                drives->setFocus();
                QTest::keyClick(drives, s.a % 2 ? Qt::Key_Down : Qt::Key_Up);
            }
            break;
        case Action::DoubleClickLogo:
            if (auto* icon = child<QWidget>("frmAbout", "imgIcon")) {
                // Whichever of the two logos lies in front receives the double-click.
                QWidget* about = icon->window();
                if (QWidget* logo = about->childAt(icon->geometry().center()))
                    QTest::mouseDClick(logo, Qt::LeftButton, {}, logo->rect().center());
            }
            break;
        case Action::PressKey:
            if (QWidget* w = pickFrom(ourWindows(), s.b)) {
                const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return,
                                        Qt::Key_Escape, Qt::Key_Backtab};
                QWidget* target = w->focusWidget() ? w->focusWidget() : w;
                QTest::keyClick(target, keys[s.a % 6]);
            }
            break;
        case Action::CloseWindow: {
            // By its close box; the main window has an action of its own.
            QList<QWidget*> others = ourWindows();
            if (others.size() > 1) others.removeOne(window("frmStart"));
            if (QWidget* w = pickFrom(others, s.a)) w->close();
            break;
        }
        case Action::CloseMain:
            if (QWidget* w = window("frmStart")) w->close();
            break;
        case Action::Exit:
            if (auto* exit = child<QAbstractButton>("frmStart", "cmdExit")) {
                click(exit);
                startProgram();  // "Exit!" ends the program: the next action starts a new one
            }
            break;
        case Action::Count: break;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void clickButton(QAbstractButton* button) {
        if (!button) return;
        if (button->objectName() == QLatin1String("cmdGenerate")) generated_ = true;
        if (button->objectName() == QLatin1String("cmdSave")) {
            pressInstall();
            return;
        }
        click(button);
    }

    // Presses "Install" and checks that what it reports is what it wrote.
    void pressInstall() {
        auto* save = child<QAbstractButton>("frmInstall", "cmdSave");
        if (!save || !save->isEnabled()) return;
        const QString path = child<QLineEdit>("frmInstall", "txtFileName")->text();
        QStringList ticked;
        for (const auto& mod : kMods)
            if (child<QCheckBox>("frmInstall", mod[0])->isChecked()) ticked << mod[1];
        const bool mainAlive = window("frmStart") != nullptr;
        const QByteArray text = mainAlive ? main_->resultText().toLatin1() : QByteArray();
        click(save);
        const bool success = std::any_of(messages_.begin(), messages_.end(), [](const Message& m) {
            return m.text == QLatin1String("Installion Complete! Enjoy!");
        });
        ++(success ? stats_.installsSucceeded : stats_.installsFailed);
        const bool allPresent = std::all_of(ticked.begin(), ticked.end(), [](const QString& mod) {
            return kPresentMods.contains(mod);
        });
        const bool soundInstall = mainAlive && allPresent &&
                                  (path == gameDir() || path == gameDir() + QLatin1Char('/'));
        if (soundInstall && !success) {
            installFailure_ = QStringLiteral("install into %1 of %2 reported a failure")
                                  .arg(path, ticked.join(QLatin1Char(',')));
        }
        if (!success) return;
        QString dir = path;
        if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
        for (const QString& mod : ticked) {
            if (!mainAlive) {
                installFailure_ = QStringLiteral("install reported success without a main window");
            } else if (readFile(dir + mod + QStringLiteral("/kestro.cfg")) != text + "\r\n") {
                installFailure_ = QStringLiteral("success, but %1/kestro.cfg is wrong").arg(mod);
            } else if (!readFile(dir + mod + QStringLiteral("/autoexec.cfg"))
                            .endsWith("exec kestro.cfg\r\n")) {
                installFailure_ = QStringLiteral("success, but %1/autoexec.cfg lacks the exec line").arg(mod);
            }
        }
    }

    std::optional<QString> checkInvariants(std::optional<int> fxBefore) {
        if (installFailure_) return std::exchange(installFailure_, std::nullopt);

        QHash<QString, int> kinds;
        for (QWidget* w : ourWindows()) stats_.windowsSeen.insert(w->objectName());
        for (QWidget* w : ourWindows())
            if (++kinds[w->objectName()] > 1) return QStringLiteral("two %1 windows").arg(w->objectName());

        frmStart* main = qobject_cast<frmStart*>(window("frmStart"));
        if (!main) return std::nullopt;
        const OptionSet options = main->optionSet();
        if (options.optOpenGL == options.optSoftware) return QStringLiteral("not exactly one rendering option");
        const auto enabled = [main](const char* name) {
            return main->findChild<QWidget*>(QString::fromLatin1(name))->isEnabled();
        };
        for (const char* name : {"chkFX", "fraOpenGL", "lblTexture", "chkZtrick", "cboMaxSize"})
            if (enabled(name) != options.optOpenGL)
                return QStringLiteral("OpenGL group member %1 enabled wrongly").arg(name);
        for (const char* name : {"cboNetGraph", "cboPos", "lblMode", "lblPos"})
            if (enabled(name) != isTicked(options.chkNetGraph))
                return QStringLiteral("Netgraph group member %1 enabled wrongly").arg(name);
        if (fxBefore && *fxBefore != options.chkFX && options.chkZtrick != options.chkFX)
            return QStringLiteral("Z-Trick did not follow 3Dfx");
        for (QComboBox* list : main->findChildren<QComboBox*>())
            if (list->currentIndex() < -1 || list->currentIndex() >= list->count())
                return QStringLiteral("list %1 out of range").arg(list->objectName());
        if (generated_ && !enabled("cmdInstall"))
            return QStringLiteral("Install Config disabled again after a generation");
        if (!generated_ && enabled("cmdInstall"))
            return QStringLiteral("Install Config enabled before any generation");
        return std::nullopt;
    }

public:
    // What the run reached, for the log: a monkey that never gets anywhere proves nothing.
    struct Stats {
        int installsSucceeded = 0;
        int installsFailed = 0;
        QSet<QString> windowsSeen;
    };
    const Stats& stats() const { return stats_; }

private:
    Stats stats_;
    QString root_;
    QPointer<frmStart> main_;
    QList<Message> messages_;
    bool generated_ = false;
    std::optional<QString> installFailure_;
};

struct Failure {
    int step;
    QString what;
};

std::optional<Failure> run(const std::vector<Step>& steps, const QString& root,
                           Session::Stats* stats = nullptr) {
    Session session(root);
    for (int i = 0; i < static_cast<int>(steps.size()); ++i) {
        if (auto what = session.perform(steps[static_cast<std::size_t>(i)])) return Failure{i, *what};
    }
    if (stats) *stats = session.stats();
    return std::nullopt;
}

// Drops steps while the failure still shows: first the tail after it, then ever smaller
// chunks, a bounded number of replays.
std::vector<Step> shrink(std::vector<Step> steps, int failingStep, const QString& root) {
    steps.resize(static_cast<std::size_t>(failingStep) + 1);
    int replays = 0;
    for (std::size_t chunk = steps.size() / 2; chunk >= 1 && replays < 300; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= steps.size() && replays < 300;) {
            std::vector<Step> candidate = steps;
            candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(start),
                            candidate.begin() + static_cast<std::ptrdiff_t>(start + chunk));
            ++replays;
            if (auto f = run(candidate, root)) {
                candidate.resize(static_cast<std::size_t>(f->step) + 1);
                steps = std::move(candidate);
            } else {
                start += chunk;
            }
        }
        if (chunk == 1) break;
    }
    return steps;
}

// The offscreen platform warns on every raise(); the monkey raises windows thousands of times.
QtMessageHandler g_previousHandler = nullptr;
void dropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text == QLatin1String("This plugin does not support raise()")) return;
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
        const int count = static_cast<int>(setting("KESTRO_MONKEY_ACTIONS", 1000));
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString root = scratch.filePath(QStringLiteral("monkey"));
        const QString startDir = QDir::currentPath();
        g_previousHandler = qInstallMessageHandler(dropRaiseWarnings);
        auto restoreHandler = qScopeGuard([] { qInstallMessageHandler(g_previousHandler); });

        const std::vector<Step> steps = drawSteps(seed, count);
        QElapsedTimer clock;
        clock.start();
        Session::Stats stats;
        const std::optional<Failure> failure = run(steps, root, &stats);
        QStringList windows(stats.windowsSeen.begin(), stats.windowsSeen.end());
        windows.sort();
        qInfo("monkey: %d actions from seed %u in %lld ms; installs %d succeeded, %d failed; "
              "windows seen: %s",
              count, seed, clock.elapsed(), stats.installsSucceeded, stats.installsFailed,
              qPrintable(windows.join(QLatin1Char(' '))));
        if (failure) {
            const std::vector<Step> shortest = shrink(steps, failure->step, root);
            QString list;
            for (const Step& s : shortest)
                list += QStringLiteral("  %1(%2, %3)\n").arg(QLatin1String(kActions[int(s.action)].first)).arg(s.a).arg(s.b);
            QDir::setCurrent(startDir);
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nshortest reproduction (%4 actions):\n%5")
                                 .arg(seed).arg(failure->step).arg(failure->what)
                                 .arg(shortest.size()).arg(list)));
        }
        QDir::setCurrent(startDir);
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
