// The install window: what "Install" says, writes and where it leaves the window, and how it
// works with the main window and the browser.
#include "config/golden_texts.h"
#include "forms/browse/frmbrowse.h"
#include "forms/common/single_window.h"
#include "forms/install/frminstall.h"
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

class FrmInstallTest : public QObject {
    Q_OBJECT

    MessageRecorder messages_;
    bool visibleAtMessage_ = false;
    std::unique_ptr<QTemporaryDir> game_;
    QPointer<frmInstall> w_;

    template <class T = QWidget>
    T* el(const char* name) { return test::el<T>(w_, name); }
    // Makes the given mod folders and types the game folder into the window.
    void mods(std::initializer_list<const char*> names, const QString& suffix = {}) {
        for (const char* name : names) QDir(game_->path()).mkdir(QString::fromLatin1(name));
        el<QLineEdit>("txtFileName")->setText(game_->path() + suffix);
    }
    QByteArray read(const char* file) {
        QFile f(game_->filePath(QString::fromLatin1(file)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private slots:
    void init() {
        messages_.shown.clear();
        messages_.icons.clear();
        messages_.onMessage = [this] { visibleAtMessage_ = w_ && w_->isVisible(); };
        game_ = std::make_unique<QTemporaryDir>();
        w_ = showWindow(SingleWindow<frmInstall>::show([] {
            return new frmInstall([]() -> std::optional<QString> { return "fps_max 72\r\n"; });
        }));
    }
    void cleanup() {
        delete w_.data();
        delete SingleWindow<frmBrowse>::current();
        flushDeletes();
    }

    // A failure says so and leaves the window as it was; once the mods are there, "Install"
    // writes, says so and closes the window after the message.
    void failureKeepsTheWindowOpenAndSuccessClosesIt() {
        mods({"dmc"}, "/");  // "frontline", "valve" and "tfc" are missing
        el<QCheckBox>("chkFLF")->setChecked(true);
        click(el("cmdSave"));
        flushDeletes();
        QVERIFY(w_ && w_->isVisible() && el<QCheckBox>("chkFLF")->isChecked());
        mods({"frontline", "valve", "tfc"}, "/");
        click(el("cmdSave"));
        QCOMPARE(messages_.shown, (QStringList{"Cannot Install|One or more mods not found. "
                                               "Possibly wrong directory selected.",
                                               "kestro|Installion Complete! Enjoy!"}));
        QCOMPARE(messages_.icons, (QList{MessageIcon::Exclamation, MessageIcon::None}));
        QVERIFY(visibleAtMessage_);  // closed only once the message is dismissed
        flushDeletes();
        QVERIFY(w_.isNull());
        QCOMPARE(read("frontline/kestro.cfg"), QByteArray("fps_max 72\r\n\r\n"));
    }

    // Without a test's handler a message is a real message box over the window: its title,
    // text and icon, and one OK button that dismisses it.
    void messagesAreRealMessageBoxes() {
        mods({});  // no mods there
        const MessageHandler recorder = setMessageHandler({});
        QString seen;
        QObject whileHere;  // a box that never comes leaves no timer behind
        QTimer::singleShot(0, &whileHere, [this, &seen] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                                   QString::number(box->buttons().size()),
                                   box->parentWidget() == w_ ? "over the window" : "alone"}.join(u'|');
                box->buttons().value(0)->click();
            }
        });
        click(el("cmdSave"));
        setMessageHandler(recorder);
        QCOMPARE(seen, QStringLiteral("Cannot Install|One or more mods not found. Possibly wrong "
                                      "directory selected.|2|1|over the window"));
    }

    // "Install" takes the main window's result box at the moment of pressing, edits included,
    // as Latin-1 text (a character beyond it as one "?", the last one too) with every line
    // break it shows as CR LF; once the main window is gone it refuses.
    void installsWhatTheMainWindowHolds() {
        cleanup();
        std::unique_ptr<frmStart> main(showWindow(new frmStart));
        click(test::el(main, "cmdGenerate"));
#ifndef Q_OS_WIN
        // Opened from the main window, it searches this machine off the window thread.
        QTemporaryDir steam;
        QDir(steam.path()).mkpath("steamapps/common/Half-Life/valve");
        const QByteArray steamDir = qgetenv("STEAM_DIR");
        qputenv("STEAM_DIR", steam.path().toUtf8());
#endif
        click(test::el(main, "cmdInstall"));
        w_ = SingleWindow<frmInstall>::current();
#ifndef Q_OS_WIN
        QTRY_COMPARE(el<QLineEdit>("txtFileName")->text(), steam.path() + "/steamapps/common/Half-Life");
        qputenv("STEAM_DIR", steamDir);
#endif
        mods({"dmc", "valve", "tfc"});
        auto* result = test::el<QPlainTextEdit>(main, "txtResult");
        result->moveCursor(QTextCursor::End);
        result->insertPlainText(QStringLiteral("\u00a0caf\u00e9\u20ac\u2028\u00ff\r\nz\U0001F600"));
        click(el("cmdSave"));
        QCOMPARE(read("tfc/kestro.cfg"), QByteArray(kStartupText) +
                                             "\xA0" "caf\xE9?\r\n\xFF\r\nz?\r\n");
        click(test::el(main, "cmdInstall"));
        w_ = SingleWindow<frmInstall>::current();
        main.reset();
        messages_.shown.clear();
        click(el("cmdSave"));
        QCOMPARE(messages_.shown, QStringList{"Cannot Install|The main window has been closed, so "
                                              "there is no config to install. Nothing was written."});
        QVERIFY(w_->isVisible());
        QCOMPARE(read("tfc/autoexec.cfg"), QByteArray("exec kestro.cfg\r\n"));
    }

    // The window opens on the folder the search has found so far, or on its start value while
    // the search is held, and answers; the first folder found comes into the field, but never
    // over what the player typed or browsed to; a search that ends after the window has
    // closed writes nowhere.
    void takesTheSearchsFirstFolderUnlessThePlayerChose() {
        auto* field = el<QLineEdit>("txtFileName");
        QPromise<GameFolder> search;
        search.start();
        search.addResult(GameFolder{"D:\\Found\\Half-Life", "Steam library"});
        w_->followGameSearch(search.future());
        QCOMPARE(field->text(), QStringLiteral("D:\\Found\\Half-Life"));
        const auto held = [this](const std::function<void()>& player) {
            cleanup();
            init();
            auto promise = std::make_shared<QPromise<GameFolder>>();
            promise->start();
            w_->followGameSearch(promise->future());
            player();
            promise->addResult(GameFolder{"/first", "Steam library"});
            promise->addResult(GameFolder{"/second", "retail install"});
            promise->finish();
            QTest::qWait(50);
            return w_ ? el<QLineEdit>("txtFileName")->text() : QStringLiteral("<closed>");
        };
        QCOMPARE(held([] {}), QStringLiteral("/first"));
        QCOMPARE(held([this] { QTest::keyClicks(el("txtFileName"), "\\HL"); }),
                 QStringLiteral("C:\\Sierra\\Half-Life\\HL"));
        QCOMPARE(held([this] { w_->setGameDirectory("/browsed"); }), QStringLiteral("/browsed"));
        QCOMPARE(held([this] { click(el("cmdCancel")), flushDeletes(); }), QStringLiteral("<closed>"));
    }

    // Opening the browser writes nothing (that it opens once: test_monkey); it writes into the
    // install window what is opened there while that window is open, and else writes nothing
    // and stays open.
    void browserWritesIntoTheOpenInstallWindowOnly() {
        mods({"valve"}, QStringLiteral("\\typed"));
        const QString saved = QDir::currentPath();
        QDir::setCurrent(game_->path());
        click(el("cmdBrowse"));
        QDir::setCurrent(saved);
        QPointer<frmBrowse> browser = SingleWindow<frmBrowse>::current();
        auto* field = el<QLineEdit>("txtFileName");
        QCOMPARE(field->text(), game_->path() + "\\typed");
        auto* list = test::el<QTreeWidget>(browser, "dirLook");
        const auto open = [list](const QString& label) {
            openEntry(list, list->findItems(label, Qt::MatchExactly | Qt::MatchRecursive).at(0));
        };
        const QString game = QDir(game_->path()).canonicalPath();
        open(QStringLiteral("valve"));
        QCOMPARE(field->text(), QDir::toNativeSeparators(game + "/valve"));
        w_->close();
        flushDeletes();
        open(QDir(game).dirName());
        QVERIFY(browser && browser->isVisible());
        click(test::el(browser, "cmdDone"));
        flushDeletes();
        QVERIFY(browser.isNull());
    }
};

QTEST_MAIN(FrmInstallTest)
#include "test_frminstall.moc"
