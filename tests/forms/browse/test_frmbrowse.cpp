// The browser window: where it starts, what it writes when its folder changes, and what an
// unreadable drive does.
#include <QDir>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "forms/browse/frmbrowse.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

class FrmBrowseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString game_;  // the process's current folder while a test runs
    QString savedCurrent_;
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
    // Opens an entry as the user does, with a double click.
    void doubleClick(const QString& folder) {
        QTreeWidgetItem* item = entry(folder);
        list()->scrollToItem(item);
        // A widget's double click in QtTest is the second press alone: press, release,
        // double click, release.
        const QPoint at = list()->visualItemRect(item).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list()->viewport(), Qt::LeftButton, {}, at);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        const QDir base(dir_->path());
        for (const char* folder : {"Half-Life/valve", "Half-Life/tfc", "Half-Life/.hidden"})
            QVERIFY(base.mkpath(QString::fromLatin1(folder)));
        QFile file(base.filePath(QStringLiteral("Half-Life/readme.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        game_ = QDir(base.filePath(QStringLiteral("Half-Life"))).canonicalPath();
        savedCurrent_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(game_));
        written_.clear();
    }

    void cleanup() {
        window_.reset();
        QDir::setCurrent(savedCurrent_);
        dir_.reset();
    }

    void startState() {
        open(driveRoots());
        // The drive chooser: "/" first, on the drive of the current folder.
        QCOMPARE(drives()->itemText(0), QStringLiteral("/"));
        QCOMPARE(drives()->currentData().toString(), rootHolding(game_, driveRoots()));
        // The folder list: the chain from the root down to the current folder, one entry a
        // level, then its sub-folders.
        QCOMPARE(window_->currentFolder(), game_);
        QCOMPARE(list()->currentItem(), entry(game_));
        QCOMPARE(list()->currentItem()->text(0), QStringLiteral("Half-Life"));
        QStringList chain;
        for (QTreeWidgetItem* up = entry(game_); up; up = up->parent())
            chain.prepend(up->data(0, Qt::UserRole).toString());
        QCOMPARE(chain, folderChain(game_));
        QCOMPARE(list()->topLevelItemCount(), 1);
        QStringList children;
        for (int i = 0; i < entry(game_)->childCount(); ++i)
            children << entry(game_)->child(i)->text(0);
        QCOMPARE(children, (QStringList{".hidden", "tfc", "valve"}));
        QVERIFY(written_.isEmpty());  // opening writes nothing
    }

    void openingEntriesWritesTheirPaths() {
        open({QStringLiteral("/")});
        const auto clickOn = [this](const QString& folder) {
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                              list()->visualItemRect(entry(folder)).center());
        };
        clickOn(game_ + "/valve");  // selecting is not opening
        QVERIFY(written_.isEmpty());
        // A sub-folder: full path, no trailing separator.
        doubleClick(game_ + "/valve");
        QCOMPARE(written_, QStringList{game_ + "/valve"});
        QCOMPARE(window_->currentFolder(), game_ + "/valve");
        QCOMPARE(list()->currentItem()->text(0), QStringLiteral("valve"));
        // An ancestor, opened by Enter on the highlighted entry.
        clickOn(game_);
        QTest::keyClick(list(), Qt::Key_Return);
        QCOMPARE(written_.last(), game_);
        // The root: with its separator; opened again, it is no change and writes nothing.
        doubleClick(QStringLiteral("/"));
        doubleClick(QStringLiteral("/"));
        QCOMPARE(written_, (QStringList{game_ + "/valve", game_, "/"}));
    }

    void choosingADriveGoesToItsCurrentFolder() {
        // The temporary folder stands in for a second drive holding the current folder.
        const QString drive = QDir(dir_->path()).canonicalPath();
        open({QStringLiteral("/"), drive});
        QCOMPARE(drives()->currentIndex(), 1);

        drives()->setCurrentIndex(0);
        QCOMPARE(written_, QStringList{"/"});  // nothing recorded there: its root
        QCOMPARE(window_->currentFolder(), QStringLiteral("/"));

        drives()->setCurrentIndex(1);
        QCOMPARE(written_, (QStringList{"/", game_}));

        // Walking the folder list onto another drive shows that drive in the chooser.
        doubleClick(QStringLiteral("/"));
        QCOMPARE(drives()->currentIndex(), 0);
    }

    // An unreadable drive goes back to the one before; a folder gone since the list was
    // filled is not opened and the list is refilled without it.
    void whatCannotBeOpenedIsNotOpened() {
        open({QStringLiteral("/"), QStringLiteral("/kestro-no-such-drive")});
        drives()->setCurrentIndex(1);
        QCOMPARE(drives()->currentIndex(), 0);
        QVERIFY(QDir(game_).rmdir(QStringLiteral("tfc")));
        doubleClick(game_ + "/tfc");
        QVERIFY(written_.isEmpty());
        QCOMPARE(window_->currentFolder(), game_);
        QCOMPARE(entry(game_)->childCount(), 2);
        // Still working afterwards, until "Done" closes it.
        doubleClick(game_ + "/valve");
        QCOMPARE(written_, QStringList{game_ + "/valve"});
        click(el(window_, "cmdDone"));
        QVERIFY(!window_->isVisible());
        QCOMPARE(written_.size(), 1);
    }
};

QTEST_MAIN(FrmBrowseTest)
#include "test_frmbrowse.moc"
