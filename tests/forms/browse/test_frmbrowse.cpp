// The browser window: where it starts, what it writes when its folder changes, and what an
// unreadable drive does.
#include <QDir>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "forms/browse/frmbrowse.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

// What the path field shows for a folder: the platform's separators.
QString native(const QString& folder) { return QDir::toNativeSeparators(folder); }

class FrmBrowseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString game_;  // the process's current folder while a test runs
    QString root_;  // the root holding it: "/" here, "C:/" on Windows
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
        root_ = folderRoot(game_);
        written_.clear();
    }

    void cleanup() {
        window_.reset();
        QDir::setCurrent(savedCurrent_);
        dir_.reset();
    }

    void startState() {
        open(driveRoots());
        QCOMPARE(window_->windowTitle(), QStringLiteral("Browse"));
        QCOMPARE(fixedDialogSize(window_), QSize(205, 262));
        // No icon: a blank one stands in for the application's.
        QImage blank(16, 16, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        QCOMPARE(window_->windowIcon().pixmap(16, 16).toImage().convertToFormat(blank.format()),
                 blank);
        QCOMPARE(misplaced(window_, {
                     {"drvChange", {8, 8, 189, 21}}, {"dirLook", {8, 32, 189, 186}},
                     {"Label1", {8, 224, 129, 29}}, {"cmdDone", {148, 224, 49, 29}}}),
                 QString());
        QCOMPARE(miscaptioned(window_, {
                     {"Label1", "Please browse to your Half-Life directory."},
                     {"cmdDone", "Done"}}),
                 QString());
        QVERIFY(el(window_, "Label1")->font().bold());
        QCOMPARE(tabChain(drives()), (QStringList{"drvChange", "dirLook", "cmdDone"}));

        // The drive chooser: "/" first (drive letters on Windows), on the drive of the current
        // folder.
#ifndef Q_OS_WIN
        QCOMPARE(drives()->itemText(0), QStringLiteral("/"));
#endif
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
        open({root_});
        const auto clickOn = [this](const QString& folder) {
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                              list()->visualItemRect(entry(folder)).center());
        };
        clickOn(game_ + "/valve");  // selecting is not opening
        QVERIFY(written_.isEmpty());
        // A sub-folder: full path, no trailing separator.
        doubleClick(game_ + "/valve");
        QCOMPARE(written_, QStringList{native(game_ + "/valve")});
        QCOMPARE(window_->currentFolder(), game_ + "/valve");
        QCOMPARE(list()->currentItem()->text(0), QStringLiteral("valve"));
        // An ancestor, opened by Enter on the highlighted entry.
        clickOn(game_);
        QTest::keyClick(list(), Qt::Key_Return);
        QCOMPARE(written_.last(), native(game_));
        // The root: with its separator; opened again, it is no change and writes nothing.
        doubleClick(root_);
        doubleClick(root_);
        QCOMPARE(written_, (QStringList{native(game_ + "/valve"), native(game_), native(root_)}));
    }

    void choosingADriveGoesToItsCurrentFolder() {
#ifdef Q_OS_WIN
        QSKIP("Windows drives are drive letters with their own current folders: "
              "test_windows_forms chooses them");
#endif
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
        open({root_, root_ + "kestro-no-such-drive"});
        drives()->setCurrentIndex(1);
        QCOMPARE(drives()->currentIndex(), 0);
        QVERIFY(QDir(game_).rmdir(QStringLiteral("tfc")));
        doubleClick(game_ + "/tfc");
        QVERIFY(written_.isEmpty());
        QCOMPARE(window_->currentFolder(), game_);
        QCOMPARE(entry(game_)->childCount(), 2);
        // Still working afterwards, until "Done" closes it.
        doubleClick(game_ + "/valve");
        QCOMPARE(written_, QStringList{native(game_ + "/valve")});
        click(el(window_, "cmdDone"));
        QVERIFY(!window_->isVisible());
        QCOMPARE(written_.size(), 1);
    }
};

QTEST_MAIN(FrmBrowseTest)
#include "test_frmbrowse.moc"
