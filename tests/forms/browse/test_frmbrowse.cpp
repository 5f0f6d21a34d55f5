// The browser window: where it starts, what it writes when its folder changes, and what an
// unreadable drive or a vanished folder does.
#include <QDir>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "forms/browse/frmbrowse.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

class FrmBrowseTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString game_;  // the process's current folder while a test runs
    QStringList written_;
    std::unique_ptr<frmBrowse> window_;

    void open(QStringList drives) {
        window_.reset(showWindow(new frmBrowse([this](const QString& path) { written_ << path; },
                                               std::move(drives))));
    }
    QTreeWidget* list() { return el<QTreeWidget>(window_, "dirLook"); }
    QComboBox* drives() { return el<QComboBox>(window_, "drvChange"); }
    QTreeWidgetItem* entry(const QString& folder) {
        for (QTreeWidgetItemIterator it(list()); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == folder) return *it;
        qFatal("no entry for %s", qPrintable(folder));
    }
    // Clicks an entry; `open` makes it a double click (in QtTest, the second press alone).
    void clickOn(const QString& folder, bool open = true) {
        list()->scrollToItem(entry(folder));
        const QPoint at = list()->visualItemRect(entry(folder)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        if (!open) return;
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list()->viewport(), Qt::LeftButton, {}, at);
    }

private slots:
    void init() {
        const QDir base(dir_.path());
        QVERIFY(base.mkpath(QStringLiteral("Half-Life/valve")) && base.mkpath("Half-Life/tfc"));
        game_ = QDir(base.filePath(QStringLiteral("Half-Life"))).canonicalPath();
        QVERIFY(QDir::setCurrent(game_));
        written_.clear();
    }
    void cleanup() { window_.reset(); }
    void cleanupTestCase() { QDir::setCurrent(QDir::tempPath()); }

    void startsAtTheCurrentFolderAndWritesWhatIsOpened() {
        open(driveRoots());
        QCOMPARE(drives()->itemText(0), QStringLiteral("/"));
        QCOMPARE(drives()->currentData().toString(), rootHolding(game_, driveRoots()));
        // The chain from the root down to the current folder, one entry a level, then its
        // sub-folders; the current folder highlighted.
        QStringList tree, expected;
        for (QTreeWidgetItemIterator it(list()); *it; ++it) {
            QString indent;
            for (auto* up = (*it)->parent(); up; up = up->parent()) indent += u' ';
            tree << indent + (*it)->text(0);
        }
        for (const QString& folder : folderChain(game_))
            expected << QString(expected.size(), u' ') + folderLabel(folder);
        for (const char* sub : {"tfc", "valve"})
            expected << QString(folderChain(game_).size(), u' ') + QLatin1String(sub);
        QCOMPARE(tree, expected);
        QCOMPARE(list()->currentItem(), entry(game_));

        clickOn(game_ + "/valve", false);  // neither opening the window nor selecting writes
        QVERIFY(written_.isEmpty());
        clickOn(game_ + "/valve");  // a sub-folder: full path, no trailing separator
        QCOMPARE(window_->currentFolder(), game_ + "/valve");
        QCOMPARE(list()->currentItem()->text(0), QStringLiteral("valve"));
        clickOn(game_, false);  // an ancestor, opened by Enter on the highlighted entry
        QTest::keyClick(list(), Qt::Key_Return);
        // The root: with its separator; opened again, it is no change and writes nothing.
        clickOn(QStringLiteral("/"));
        clickOn(QStringLiteral("/"));
        QCOMPARE(written_, (QStringList{game_ + "/valve", game_, "/"}));
    }

    void drivesAndWhatCannotBeOpened() {
        // The temporary folder stands in for a second drive holding the current folder; the
        // third drive cannot be read.
        open({QStringLiteral("/"), QDir(dir_.path()).canonicalPath(), "/kestro-no-such-drive"});
        QCOMPARE(drives()->currentIndex(), 1);
        drives()->setCurrentIndex(2);  // back to the drive before, nothing written
        QCOMPARE(drives()->currentIndex(), 1);
        // A folder gone since the list was filled is not opened; the list is refilled.
        QVERIFY(QDir(game_).rmdir(QStringLiteral("tfc")));
        clickOn(game_ + "/tfc");
        QCOMPARE(entry(game_)->childCount(), 1);
        QVERIFY(written_.isEmpty());
        drives()->setCurrentIndex(0);  // nothing recorded there: its root
        QCOMPARE(window_->currentFolder(), QStringLiteral("/"));
        drives()->setCurrentIndex(1);  // its current folder
        clickOn(game_ + "/valve");
        clickOn(QStringLiteral("/"));  // walking onto another drive shows it in the chooser
        QCOMPARE(drives()->currentIndex(), 0);
        QCOMPARE(written_, (QStringList{"/", game_, game_ + "/valve", "/"}));
        click(el(window_, "cmdDone"));
        QVERIFY(!window_->isVisible());
    }
};

QTEST_MAIN(FrmBrowseTest)
#include "test_frmbrowse.moc"
