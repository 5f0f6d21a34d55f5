// The install window: its start state, what "Install" writes and says, and how it works
// with the main window and the browser.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "config/generator.h"
#include "config/option_set.h"
#include "forms/browse/frmbrowse.h"
#include "forms/common/messages.h"
#include "forms/common/single_window.h"
#include "forms/install/frminstall.h"
#include "forms/start/frmstart.h"

using namespace kestro;

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Runs the deletions that closing a WA_DeleteOnClose window posts.
void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

class FrmInstallTest : public QObject {
    Q_OBJECT

private:
    struct Seen {
        Message message;
        bool windowVisible;
    };
    QList<Seen> messages_;
    std::unique_ptr<QTemporaryDir> game_;
    QString resultText_;
    bool mainWindowGone_ = false;
    QPointer<frmInstall> window_;

    frmInstall* openInstallWindow() {
        return SingleWindow<frmInstall>::show([this] {
            return new frmInstall([this]() -> std::optional<QString> {
                if (mainWindowGone_) return std::nullopt;
                return resultText_;
            });
        });
    }
    template <class T = QWidget>
    T* el(const char* name) {
        T* w = window_->element<T>(QString::fromLatin1(name));
        if (!w) qFatal("no element %s", name);
        return w;
    }
    QString mod(const char* name) {
        QDir(game_->path()).mkdir(QString::fromLatin1(name));
        return game_->filePath(QString::fromLatin1(name));
    }
    void setPath(const QString& path) { el<QLineEdit>("txtFileName")->setText(path); }
    void press(const char* button) {
        QTest::mouseClick(el(button), Qt::LeftButton, {}, el(button)->rect().center());
    }
    QStringList ticked() {
        QStringList names;
        for (QCheckBox* box : window_->findChildren<QCheckBox*>())
            if (box->isChecked()) names << box->objectName();
        names.sort();
        return names;
    }

private slots:
    void initTestCase() {
        setMessageHandler([this](const Message& message) {
            messages_ << Seen{message, window_ && window_->isVisible()};
        });
    }

    void init() {
        messages_.clear();
        mainWindowGone_ = false;
        resultText_ = QStringLiteral("fps_max 72\r\nrate 8200\r\n");
        game_ = std::make_unique<QTemporaryDir>();
        QVERIFY(game_->isValid());
        window_ = openInstallWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window_.data()));
    }

    void cleanup() {
        delete window_.data();
        delete SingleWindow<frmBrowse>::current();
        flushDeletes();
        game_.reset();
    }

    void startState() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Install Config"));
        QCOMPARE(window_->size(), QSize(289, 222));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(window_->windowFlags() & Qt::Dialog);
        QVERIFY(!(window_->windowFlags() & Qt::WindowMinimizeButtonHint));

        QCOMPARE(el<QLineEdit>("txtFileName")->text(), QStringLiteral("C:\\Sierra\\Half-Life"));
        QCOMPARE(el<QLabel>("lblBrowse")->text(),
                 QStringLiteral("Please browse to your Half-Life directory."));
        QCOMPARE(el<QLabel>("lblMods")->text(),
                 QStringLiteral("Select the games to have config installed to."));
        QVERIFY(el<QLabel>("lblBrowse")->font().bold());
        QVERIFY(el<QLabel>("lblMods")->font().bold());
        QCOMPARE(el<QLineEdit>("txtFileName")->font().family(), QStringLiteral("Arial"));
        QCOMPARE(el<QPushButton>("cmdSave")->text(), QStringLiteral("Install"));
        QCOMPARE(el<QPushButton>("cmdCancel")->text(), QStringLiteral("Cancel"));
        QCOMPARE(el<QPushButton>("cmdBrowse")->text(), QStringLiteral("Browse"));

        const QList<QPair<const char*, const char*>> captions{
            {"chkAction", "Action Half-Life"},      {"chkCStrike", "Counter-Strike"},
            {"chkDoD", "Day of Defeat"},            {"chkDMC", "Deathmatch Classic"},
            {"chkFirearms", "Firearms"},            {"chkFLF", "Frontline Force"},
            {"chkValve", "Regular Half-Life"},      {"chkTFC", "Team Fortress Classic"}};
        for (const auto& [name, caption] : captions)
            QCOMPARE(el<QCheckBox>(name)->text(), QString::fromLatin1(caption));
        QCOMPARE(ticked(), (QStringList{"chkDMC", "chkTFC", "chkValve"}));
    }

    void geometryInPixels() {
        const QList<QPair<const char*, QRect>> places{
            {"lblBrowse", {16, 12, 237, 13}},   {"txtFileName", {16, 28, 189, 21}},
            {"cmdBrowse", {212, 28, 61, 21}},   {"Line1", {4, 60, 280, 2}},
            {"lblMods", {16, 68, 257, 17}},     {"chkAction", {20, 92, 117, 17}},
            {"chkCStrike", {20, 112, 117, 17}}, {"chkDoD", {20, 132, 117, 17}},
            {"chkDMC", {20, 152, 117, 17}},     {"chkFirearms", {20, 172, 117, 17}},
            {"chkFLF", {20, 192, 117, 17}},     {"chkValve", {148, 92, 125, 17}},
            {"chkTFC", {148, 112, 125, 17}},    {"cmdSave", {172, 136, 73, 25}},
            {"cmdCancel", {172, 168, 73, 25}}};
        for (const auto& [name, rect] : places) {
            QCOMPARE(el(name)->geometry(), rect);
            QCOMPARE(el(name)->parentWidget(), window_.data());
        }
    }

    void tabOrderAndFocus() {
        QCOMPARE(window_->focusWidget(), el("cmdSave"));
        QStringList chain;
        QWidget* w = el("cmdSave");
        do {
            chain << w->objectName();
            do w = w->nextInFocusChain();
            while (w == window_.data() || !(w->focusPolicy() & Qt::TabFocus));
        } while (w != el("cmdSave"));
        QCOMPARE(chain, (QStringList{"cmdSave", "cmdCancel", "txtFileName", "chkCStrike",
                                     "chkDoD", "chkFirearms", "chkAction", "chkTFC", "chkValve",
                                     "cmdBrowse", "chkDMC", "chkFLF"}));
        for (const char* button : {"cmdSave", "cmdCancel", "cmdBrowse"}) {
            QVERIFY(!el<QPushButton>(button)->isDefault());
            QVERIFY(!el<QPushButton>(button)->autoDefault());
        }
        // Escape is nobody's: the window stays open.
        QTest::keyClick(window_.data(), Qt::Key_Escape);
        QVERIFY(window_->isVisible());
    }

    void successClosesAfterTheMessage() {
        for (const char* name : {"dmc", "valve", "tfc"}) mod(name);
        setPath(game_->path());
        press("cmdSave");

        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].message.text, QStringLiteral("Installion Complete! Enjoy!"));
        QCOMPARE(messages_[0].message.title, QStringLiteral("kestro"));
        QCOMPARE(messages_[0].message.icon, MessageIcon::None);
        QVERIFY(messages_[0].windowVisible);  // closed only once the message is dismissed
        flushDeletes();
        QVERIFY(window_.isNull());

        for (const char* name : {"dmc", "valve", "tfc"}) {
            const QString dir = game_->filePath(QString::fromLatin1(name));
            QCOMPARE(readBytes(dir + "/kestro.cfg"), QByteArray("fps_max 72\r\nrate 8200\r\n\r\n"));
            QCOMPARE(readBytes(dir + "/autoexec.cfg"), QByteArray("exec kestro.cfg\r\n"));
        }
    }

    void nothingTickedStillSucceeds() {
        for (QCheckBox* box : window_->findChildren<QCheckBox*>()) box->setChecked(false);
        setPath(game_->filePath(QStringLiteral("no-such-game")));
        press("cmdSave");
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].message.text, QStringLiteral("Installion Complete! Enjoy!"));
        flushDeletes();
        QVERIFY(window_.isNull());
    }

    void failureKeepsTheWindowOpen() {
        mod("dmc");  // "valve" and "tfc" are missing
        const QString path = game_->path() + "/";
        setPath(path);
        el<QCheckBox>("chkFLF")->setChecked(true);
        press("cmdSave");

        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].message.text,
                 QStringLiteral("One or more mods not found. Possibly wrong directory selected."));
        QCOMPARE(messages_[0].message.title, QStringLiteral("Cannot Install"));
        QCOMPARE(messages_[0].message.icon, MessageIcon::Exclamation);
        flushDeletes();
        QVERIFY(!window_.isNull());
        QVERIFY(window_->isVisible());
        QCOMPARE(el<QLineEdit>("txtFileName")->text(), path);
        QCOMPARE(ticked(), (QStringList{"chkDMC", "chkFLF", "chkTFC", "chkValve"}));
        // What came before the failure stays: "dmc" precedes the missing "frontline".
        QCOMPARE(readBytes(game_->filePath("dmc/kestro.cfg")),
                 QByteArray("fps_max 72\r\nrate 8200\r\n\r\n"));

        // Corrected, the same window installs.
        for (const char* name : {"frontline", "valve", "tfc"}) mod(name);
        messages_.clear();
        press("cmdSave");
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].message.text, QStringLiteral("Installion Complete! Enjoy!"));
        QCOMPARE(readBytes(game_->filePath("dmc/autoexec.cfg")),
                 QByteArray("exec kestro.cfg\r\nexec kestro.cfg\r\n"));
    }

    void installsTheTextOfTheMomentAsLatin1() {
        mod("valve");
        setPath(game_->path());
        for (QCheckBox* box : window_->findChildren<QCheckBox*>())
            box->setChecked(box->objectName() == QLatin1String("chkValve"));
        resultText_ = QStringLiteral("name caf\u00e9 \u20ac \U0001F600\r\n");
        press("cmdSave");
        QCOMPARE(readBytes(game_->filePath("valve/kestro.cfg")),
                 QByteArray("name caf\xE9 ? ?\r\n\r\n"));
    }

    void refusesOnceTheMainWindowIsGone() {
        mod("dmc"), mod("valve"), mod("tfc");
        setPath(game_->path());
        mainWindowGone_ = true;
        press("cmdSave");
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].message.text,
                 QStringLiteral("The main window has been closed, so there is no config to "
                                "install. Nothing was written."));
        QCOMPARE(messages_[0].message.title, QStringLiteral("Cannot Install"));
        QCOMPARE(messages_[0].message.icon, MessageIcon::Exclamation);
        QVERIFY(window_->isVisible());
        QVERIFY(QDir(game_->filePath("valve")).isEmpty());
    }

    void cancelClosesAndWritesNothing() {
        mod("valve");
        setPath(game_->path());
        press("cmdCancel");
        flushDeletes();
        QVERIFY(window_.isNull());
        QVERIFY(messages_.isEmpty());
        QVERIFY(QDir(game_->filePath("valve")).isEmpty());
    }

    void openedAgainStartsFromTheDesignState() {
        setPath(QStringLiteral("D:\\Games"));
        el<QCheckBox>("chkValve")->setChecked(false);
        QCOMPARE(openInstallWindow(), window_.data());  // open: brought to the front as it is
        QCOMPARE(el<QLineEdit>("txtFileName")->text(), QStringLiteral("D:\\Games"));
        window_->close();
        flushDeletes();
        window_ = openInstallWindow();
        QCOMPARE(el<QLineEdit>("txtFileName")->text(), QStringLiteral("C:\\Sierra\\Half-Life"));
        QCOMPARE(ticked(), (QStringList{"chkDMC", "chkTFC", "chkValve"}));
    }

    void browseAndDoneLeavesThePathAsTyped() {
        auto* field = el<QLineEdit>("txtFileName");
        field->clear();
        QTest::keyClicks(field, QStringLiteral("D:\\Games\\HL"));
        press("cmdBrowse");
        frmBrowse* browser = SingleWindow<frmBrowse>::current();
        QVERIFY(browser);
        QVERIFY(QTest::qWaitForWindowExposed(browser));
        press("cmdBrowse");
        QCOMPARE(SingleWindow<frmBrowse>::current(), browser);  // one browser at a time
        QTest::mouseClick(browser->element(QStringLiteral("cmdDone")), Qt::LeftButton);
        flushDeletes();
        QVERIFY(!SingleWindow<frmBrowse>::current());
        QCOMPARE(field->text(), QStringLiteral("D:\\Games\\HL"));
        QVERIFY(window_->isVisible());
    }

    void browserWritesIntoTheOpenInstallWindowOnly() {
        mod("valve");
        const QString saved = QDir::currentPath();
        QDir::setCurrent(game_->path());
        press("cmdBrowse");
        QDir::setCurrent(saved);
        QPointer<frmBrowse> browser = SingleWindow<frmBrowse>::current();
        auto* list = browser->element<QTreeWidget>(QStringLiteral("dirLook"));
        auto open = [&](const QString& label) {
            const QList<QTreeWidgetItem*> found = list->findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
            QCOMPARE(found.size(), 1);
            emit list->itemDoubleClicked(found[0], 0);
        };
        const QString game = QDir(game_->path()).canonicalPath();
        open(QStringLiteral("valve"));
        QCOMPARE(el<QLineEdit>("txtFileName")->text(), game + "/valve");

        // Typed text stands until the folder changes again, which replaces it whole.
        el<QLineEdit>("txtFileName")->setText(QStringLiteral("typed"));
        open(QDir(game).dirName());
        QCOMPARE(el<QLineEdit>("txtFileName")->text(), game);

        // With the install window closed the browser writes nothing and stays open.
        window_->close();
        flushDeletes();
        open(QStringLiteral("valve"));
        QVERIFY(browser && browser->isVisible());

        // A new install window takes what the browser shows from then on.
        window_ = openInstallWindow();
        QCOMPARE(el<QLineEdit>("txtFileName")->text(), QStringLiteral("C:\\Sierra\\Half-Life"));
        open(QDir(game).dirName());
        QCOMPARE(el<QLineEdit>("txtFileName")->text(), game);
    }

    // The real main window behind the install window: its result box, edits included.
    void installsWhatTheMainWindowHolds() {
        delete window_.data();
        flushDeletes();
        auto mainWindow = std::make_unique<frmStart>();
        mainWindow->show();
        QTest::mouseClick(mainWindow->element(QStringLiteral("cmdGenerate")), Qt::LeftButton);
        QTest::mouseClick(mainWindow->element(QStringLiteral("cmdInstall")), Qt::LeftButton);
        window_ = SingleWindow<frmInstall>::current();
        QVERIFY(window_);

        mod("dmc"), mod("valve"), mod("tfc");
        setPath(game_->path());
        auto* result = mainWindow->element<QPlainTextEdit>(QStringLiteral("txtResult"));
        result->moveCursor(QTextCursor::End);
        result->insertPlainText(QStringLiteral("bind q lastinv"));
        press("cmdSave");
        QCOMPARE(readBytes(game_->filePath("tfc/kestro.cfg")),
                 QByteArray::fromStdString(generateConfig(startupOptionSet())) +
                     "bind q lastinv\r\n");

        // Once the main window is gone, "Install" has no text and refuses.
        QTest::mouseClick(mainWindow->element(QStringLiteral("cmdInstall")), Qt::LeftButton);
        window_ = SingleWindow<frmInstall>::current();
        mainWindow.reset();
        messages_.clear();
        press("cmdSave");
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].message.title, QStringLiteral("Cannot Install"));
        QCOMPARE(readBytes(game_->filePath("tfc/autoexec.cfg")), QByteArray("exec kestro.cfg\r\n"));
    }
};

QTEST_MAIN(FrmInstallTest)
#include "test_frminstall.moc"
