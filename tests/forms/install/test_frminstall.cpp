// The install window: its start state, what "Install" says and where it leaves the window,
// and how it works with the main window and the browser. What lands in the files is proven
// without a window in test_install_config.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "config/generator.h"
#include "forms/browse/frmbrowse.h"
#include "forms/common/single_window.h"
#include "forms/install/frminstall.h"
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QString kInstalled = QStringLiteral("kestro|Installion Complete! Enjoy!");

}  // namespace

class FrmInstallTest : public QObject {
    Q_OBJECT

    MessageRecorder messages_;
    bool visibleAtMessage_ = false;
    std::unique_ptr<QTemporaryDir> game_;
    QPointer<frmInstall> w_;

    frmInstall* open() {
        return SingleWindow<frmInstall>::show([] {
            return new frmInstall([]() -> std::optional<QString> { return "fps_max 72\r\n"; });
        });
    }
    template <class T = QWidget>
    T* el(const char* name) { return test::el<T>(w_, name); }
    void mods(std::initializer_list<const char*> names) {
        for (const char* name : names) QDir(game_->path()).mkdir(QString::fromLatin1(name));
    }
    QStringList ticked() {
        QStringList names;
        for (QCheckBox* box : w_->findChildren<QCheckBox*>())
            if (box->isChecked()) names << box->objectName();
        names.sort();
        return names;
    }

private slots:
    void init() {
        messages_.clear();
        messages_.onMessage = [this](const Message&) { visibleAtMessage_ = w_ && w_->isVisible(); };
        game_ = std::make_unique<QTemporaryDir>();
        w_ = showWindow(open());
    }
    void cleanup() {
        delete w_.data();
        delete SingleWindow<frmBrowse>::current();
        flushDeletes();
    }

    void focusAndKeys() {
        QCOMPARE(w_->focusWidget(), el("cmdSave"));
        for (const char* name : {"cmdSave", "cmdCancel", "cmdBrowse"})
            QVERIFY(!el<QPushButton>(name)->isDefault() && !el<QPushButton>(name)->autoDefault());
        QTest::keyClick(w_.data(), Qt::Key_Escape);  // Escape is nobody's
        QVERIFY(w_->isVisible());
        mods({"valve"});
        el<QLineEdit>("txtFileName")->setText(game_->path());
        click(el("cmdCancel"));  // closes and writes nothing
        flushDeletes();
        QVERIFY(w_.isNull() && messages_.shown.isEmpty());
        QVERIFY(QDir(game_->filePath("valve")).isEmpty());
    }

    void successClosesAfterTheMessage() {
        mods({"dmc", "valve", "tfc"});
        el<QLineEdit>("txtFileName")->setText(game_->path());
        click(el("cmdSave"));
        QCOMPARE(messages_.shown, QStringList{kInstalled});
        QCOMPARE(messages_.messages[0].icon, MessageIcon::None);
        QVERIFY(visibleAtMessage_);  // closed only once the message is dismissed
        flushDeletes();
        QVERIFY(w_.isNull());
        QCOMPARE(readBytes(game_->filePath("tfc/kestro.cfg")), QByteArray("fps_max 72\r\n\r\n"));
    }

    void failureKeepsTheWindowOpen() {
        mods({"dmc"});  // "frontline", "valve" and "tfc" are missing
        const QString path = game_->path() + "/";
        el<QLineEdit>("txtFileName")->setText(path);
        el<QCheckBox>("chkFLF")->setChecked(true);
        click(el("cmdSave"));
        QCOMPARE(messages_.shown,
                 QStringList{"Cannot Install|One or more mods not found. Possibly wrong directory "
                             "selected."});
        QCOMPARE(messages_.messages[0].icon, MessageIcon::Exclamation);
        flushDeletes();
        QVERIFY(w_ && w_->isVisible());
        QCOMPARE(el<QLineEdit>("txtFileName")->text(), path);
        QCOMPARE(ticked(), (QStringList{"chkDMC", "chkFLF", "chkTFC", "chkValve"}));
    }

    // "Install" takes the main window's result box at the moment of pressing, edits included,
    // as 8-bit text; once the main window is gone it refuses.
    void installsWhatTheMainWindowHolds() {
        delete w_.data();
        flushDeletes();
        std::unique_ptr<frmStart> main(showWindow(new frmStart));
        click(test::el(main, "cmdGenerate"));
        click(test::el(main, "cmdInstall"));
        w_ = SingleWindow<frmInstall>::current();
        mods({"dmc", "valve", "tfc"});
        el<QLineEdit>("txtFileName")->setText(game_->path());
        auto* result = test::el<QPlainTextEdit>(main, "txtResult");
        result->moveCursor(QTextCursor::End);
        result->insertPlainText(QStringLiteral("name\u00a0caf\u00e9 \u20ac\u2028\u00ff"));
        click(el("cmdSave"));
        QCOMPARE(readBytes(game_->filePath("tfc/kestro.cfg")),
                 QByteArray::fromStdString(generateConfig(startupOptionSet())) +
                     "name\xA0" "caf\xE9 ??\xFF\r\n");

        click(test::el(main, "cmdInstall"));
        w_ = SingleWindow<frmInstall>::current();
        main.reset();
        messages_.clear();
        click(el("cmdSave"));
        QCOMPARE(messages_.shown,
                 QStringList{"Cannot Install|The main window has been closed, so there is no "
                             "config to install. Nothing was written."});
        QVERIFY(w_->isVisible());
        QCOMPARE(readBytes(game_->filePath("tfc/autoexec.cfg")), QByteArray("exec kestro.cfg\r\n"));
    }

    void browseAndDoneLeavesThePathAsTyped() {
        auto* field = el<QLineEdit>("txtFileName");
        field->clear();
        QTest::keyClicks(field, QStringLiteral("D:\\Games\\HL"));
        click(el("cmdBrowse"));
        frmBrowse* browser = SingleWindow<frmBrowse>::current();
        QVERIFY(QTest::qWaitForWindowExposed(browser));
        click(el("cmdBrowse"));
        QCOMPARE(SingleWindow<frmBrowse>::current(), browser);  // one browser at a time
        click(test::el(browser, "cmdDone"));
        flushDeletes();
        QVERIFY(!SingleWindow<frmBrowse>::current());
        QCOMPARE(field->text(), QStringLiteral("D:\\Games\\HL"));
        QVERIFY(w_->isVisible());
    }

    void browserWritesIntoTheOpenInstallWindowOnly() {
        mods({"valve"});
        const QString saved = QDir::currentPath();
        QDir::setCurrent(game_->path());
        click(el("cmdBrowse"));
        QDir::setCurrent(saved);
        QPointer<frmBrowse> browser = SingleWindow<frmBrowse>::current();
        auto* list = test::el<QTreeWidget>(browser, "dirLook");
        const auto openEntry = [list](const QString& label) {
            const auto found = list->findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
            if (found.size() != 1) qFatal("no single entry %s", qPrintable(label));
            emit list->itemDoubleClicked(found[0], 0);
        };
        const QString game = QDir(game_->path()).canonicalPath();
        openEntry(QStringLiteral("valve"));
        QCOMPARE(el<QLineEdit>("txtFileName")->text(), QDir::toNativeSeparators(game + "/valve"));

        // With the install window closed the browser writes nothing and stays open.
        w_->close();
        flushDeletes();
        openEntry(QDir(game).dirName());
        QVERIFY(browser && browser->isVisible());
    }
};

QTEST_MAIN(FrmInstallTest)
#include "test_frminstall.moc"
