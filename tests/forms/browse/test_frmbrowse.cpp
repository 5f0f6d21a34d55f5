// The browser: its drive and folder logic, where the window starts, what it writes when its
// folder changes, and what an unreadable drive or a vanished folder does.
#include "forms/browse/folders.h"
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
    // Opens an entry; without `open` only clicks it.
    void clickOn(const QString& folder, bool open = true) {
        if (open) return openEntry(list(), entry(folder));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(entry(folder)).center());
    }

private slots:
    void initTestCase() {
#ifdef Q_OS_WIN
        QSKIP("Folders of a system with one root; test_windows_forms covers drive letters");
#endif
    }
    void init() {
        const QDir base(dir_.path());
        QVERIFY(base.mkpath(QStringLiteral("Half-Life/valve")) && base.mkpath("Half-Life/tfc"));
        game_ = QDir(base.filePath(QStringLiteral("Half-Life"))).canonicalPath();
        QVERIFY(QDir::setCurrent(game_));
        written_.clear();
    }
    void cleanup() { window_.reset(); }
    void cleanupTestCase() { QDir::setCurrent(QDir::tempPath()); }

    // Chains, labels, clean forms and the longest root holding a folder; the roots of
    // Windows' drives and shares, which are the same strings everywhere.
    void pathForms_data() {
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, QStringList made, QStringList expected) {
            QTest::newRow(name) << made << expected;
        };
        const QStringList roots{"/", "/home", "/home2"};
        row("root of a drive", {folderRoot("z:/x")}, {"z:/"});
        row("root of a share's folder", {folderRoot("//server/share/hl")}, {"//server/share/"});
        row("root of a share", {folderRoot("//server/share")}, {"//server/share/"});
        row("chain on a drive", folderChain("C:/Sierra/Half-Life"),
            {"C:/", "C:/Sierra", "C:/Sierra/Half-Life"});
        row("chain of the root", folderChain("/"), {"/"});
        row("label of the root", {folderLabel("/")}, {"/"});
        row("label of a folder", {folderLabel("/games/Half-Life")}, {"Half-Life"});
        row("clean: trailing separator", {cleanFolder("/games/Half-Life/")}, {"/games/Half-Life"});
        row("clean: doubled, . and ..", {cleanFolder("/games//x/./y/..")}, {"/games/x"});
        row("clean: .. of the root", {cleanFolder("/..")}, {"/"});
        row("clean: .. before a name", {cleanFolder("/../../games")}, {"/games"});
        row("root holding a folder below", {rootHolding("/home/player/hl", roots)}, {"/home"});
        row("root holding itself", {rootHolding("/home", roots)}, {"/home"});
        row("root not a prefix of a name", {rootHolding("/homework", roots)}, {"/"});
        row("longer root", {rootHolding("/home2/x", roots)}, {"/home2"});
        row("no root holding it", {rootHolding("/x", {"/home"})}, {""});
    }
    void pathForms() {
        QFETCH(QStringList, made);
        QTEST(made, "expected");
    }

    // Sub-folders sorted, hidden ones too; what can be browsed; the drives with "/" first, once.
    void theFileSystem() {
        QTemporaryDir dir;
        const QString p = dir.path();
        for (const char* name : {"valve", "Action", ".steam", "tfc", "cstrike"}) QVERIFY(QDir(p).mkdir(name));
        QFile file(p + "/readme.txt");
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(p + "/valve", p + "/linked") && QFile::link(p + "/x", p + "/dangling"));
        QCOMPARE(subFolders(p), (QStringList{p + "/.steam", p + "/Action", p + "/cstrike",
                                             p + "/linked", p + "/tfc", p + "/valve"}));
        QCOMPARE(subFolders(game_ + "/valve") + subFolders(p + "/no-such-folder"), QStringList());
        QVERIFY(isBrowsable(p) && isBrowsable(p + "/linked"));
        for (const char* below : {"/readme.txt", "/no-such-folder", "/readme.txt/below"})
            QVERIFY2(!isBrowsable(p + below), below);
        QStringList roots = driveRoots();  // "/" first: the window's chooser shows it
        QCOMPARE(roots.removeDuplicates(), 0);
    }

    void startsAtTheCurrentFolderAndWritesWhatIsOpened() {
        open(driveRoots());
        QCOMPARE(drives()->itemText(0), QStringLiteral("/"));
        QCOMPARE(drives()->currentData().toString(), rootHolding(game_, driveRoots()));
        // The chain from the root down, one entry a level, the current folder highlighted (its
        // sub-folders below it: the reference picture; their order: theFileSystem).
        QCOMPARE(list()->currentItem(), entry(game_));
        QCOMPARE(entry(game_)->parent()->data(0, Qt::UserRole).toString(), QFileInfo(game_).path());
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
        // third drive cannot be read: choosing it goes back to the drive before, writing nothing.
        open({QStringLiteral("/"), QDir(dir_.path()).canonicalPath(), "/kestro-no-such-drive"});
        QCOMPARE(drives()->currentIndex(), 1);
        drives()->setCurrentIndex(2);
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
    }
};

QTEST_MAIN(FrmBrowseTest)
#include "test_frmbrowse.moc"
