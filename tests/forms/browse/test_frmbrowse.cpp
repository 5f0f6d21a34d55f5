// The browser window: where it starts, what it writes when its folder changes, and what an
// unreadable drive does.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "forms/browse/frmbrowse.h"

using namespace kestro;

class FrmBrowseTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString game_;  // the process's current folder while a test runs
    QString savedCurrent_;
    QStringList written_;
    std::unique_ptr<frmBrowse> window_;

    void open(QStringList drives) {
        window_ = std::make_unique<frmBrowse>([this](const QString& path) { written_ << path; },
                                              std::move(drives));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    QTreeWidget* list() { return window_->element<QTreeWidget>(QStringLiteral("dirLook")); }
    QComboBox* drives() { return window_->element<QComboBox>(QStringLiteral("drvChange")); }
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
    QStringList labels(const QList<QTreeWidgetItem*>& items) {
        QStringList out;
        for (const QTreeWidgetItem* item : items) out << item->text(0);
        return out;
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        const QDir base(dir_->path());
        QVERIFY(base.mkpath(QStringLiteral("Half-Life/valve")));
        QVERIFY(base.mkpath(QStringLiteral("Half-Life/tfc")));
        QVERIFY(base.mkpath(QStringLiteral("Half-Life/.hidden")));
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
        QCOMPARE(window_->windowTitle(), QStringLiteral("Browse"));
        QCOMPARE(window_->size(), QSize(205, 262));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(window_->windowFlags() & Qt::Dialog);
        // No icon: a blank one stands in for the application's.
        const QImage icon = window_->windowIcon().pixmap(16, 16).toImage();
        QVERIFY(!icon.isNull());
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) QCOMPARE(qAlpha(icon.pixel(x, y)), 0);

        const QList<QPair<const char*, QRect>> places{{"drvChange", {8, 8, 189, 21}},
                                                      {"dirLook", {8, 32, 189, 186}},
                                                      {"Label1", {8, 224, 129, 29}},
                                                      {"cmdDone", {148, 224, 49, 29}}};
        for (const auto& [name, rect] : places)
            QCOMPARE(window_->element(QString::fromLatin1(name))->geometry(), rect);
        auto* label = window_->element<QLabel>(QStringLiteral("Label1"));
        QCOMPARE(label->text(), QStringLiteral("Please browse to your Half-Life directory."));
        QVERIFY(label->font().bold());
        QCOMPARE(window_->element<QPushButton>(QStringLiteral("cmdDone"))->text(),
                 QStringLiteral("Done"));

        // The drive chooser: "/" first, on the drive of the current folder.
        QCOMPARE(drives()->itemText(0), QStringLiteral("/"));
        QCOMPARE(drives()->currentData().toString(), rootHolding(game_, driveRoots()));

        // The folder list: the chain down to the current folder, then its sub-folders.
        QCOMPARE(window_->currentFolder(), game_);
        QCOMPARE(list()->topLevelItemCount(), 1);
        QTreeWidgetItem* item = list()->topLevelItem(0);
        QCOMPARE(item->text(0), QStringLiteral("/"));
        QStringList chain{item->text(0)};
        while (item->data(0, Qt::UserRole).toString() != game_) {
            QVERIFY(item->childCount() == 1);
            item = item->child(0);
            chain << item->text(0);
        }
        QCOMPARE(chain.size(), game_.count('/') + 1);
        QCOMPARE(chain.last(), QStringLiteral("Half-Life"));
        QCOMPARE(list()->currentItem(), item);
        QList<QTreeWidgetItem*> children;
        for (int i = 0; i < item->childCount(); ++i) children << item->child(i);
        QCOMPARE(labels(children), (QStringList{".hidden", "tfc", "valve"}));

        QVERIFY(written_.isEmpty());  // opening writes nothing
    }

    void tabOrder() {
        open({QStringLiteral("/")});
        QStringList chain;
        QWidget* w = drives();
        do {
            chain << w->objectName();
            do w = w->nextInFocusChain();
            while (w == window_.get() || !(w->focusPolicy() & Qt::TabFocus) ||
                   w->objectName().isEmpty());
        } while (w != drives());
        QCOMPARE(chain, (QStringList{"drvChange", "dirLook", "cmdDone"}));
    }

    void openingEntriesWritesTheirPaths() {
        open({QStringLiteral("/")});
        // A sub-folder: full path, no trailing separator.
        doubleClick(game_ + "/valve");
        QCOMPARE(written_, QStringList{game_ + "/valve"});
        QCOMPARE(window_->currentFolder(), game_ + "/valve");
        QCOMPARE(list()->currentItem()->text(0), QStringLiteral("valve"));

        // An ancestor.
        doubleClick(game_);
        QCOMPARE(written_.last(), game_);

        // The root: with its separator.
        doubleClick(QStringLiteral("/"));
        QCOMPARE(written_.last(), QStringLiteral("/"));
        QCOMPARE(written_.size(), 3);

        // The current folder again: no change, nothing written.
        doubleClick(QStringLiteral("/"));
        QCOMPARE(written_.size(), 3);
    }

    void selectingIsNotOpening() {
        open({QStringLiteral("/")});
        QTreeWidgetItem* valve = entry(game_ + "/valve");
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(valve).center());
        QCOMPARE(list()->currentItem(), valve);
        QVERIFY(written_.isEmpty());
        QTest::keyClick(list(), Qt::Key_Return);  // Enter opens the highlighted entry
        QCOMPARE(written_, QStringList{game_ + "/valve"});
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

    void unreadableDriveGoesBack() {
        open({QStringLiteral("/"), QStringLiteral("/kestro-no-such-drive")});
        QCOMPARE(drives()->currentIndex(), 0);
        drives()->setCurrentIndex(1);
        QCOMPARE(drives()->currentIndex(), 0);
        QVERIFY(written_.isEmpty());
        QCOMPARE(window_->currentFolder(), game_);
        QVERIFY(window_->isVisible());
        // Still working afterwards.
        doubleClick(game_ + "/tfc");
        QCOMPARE(written_, QStringList{game_ + "/tfc"});
    }

    void vanishedFolderIsNotOpened() {
        open({QStringLiteral("/")});
        QVERIFY(QDir(game_).rmdir(QStringLiteral("tfc")));
        doubleClick(game_ + "/tfc");
        QVERIFY(written_.isEmpty());
        QCOMPARE(window_->currentFolder(), game_);
        QCOMPARE(entry(game_ + "/valve")->parent(), entry(game_));  // refilled, without "tfc"
        QCOMPARE(entry(game_)->childCount(), 2);
    }

    void doneClosesAndWritesNothing() {
        open({QStringLiteral("/")});
        QTest::mouseClick(window_->element(QStringLiteral("cmdDone")), Qt::LeftButton);
        QVERIFY(!window_->isVisible());
        QVERIFY(written_.isEmpty());
    }
};

QTEST_MAIN(FrmBrowseTest)
#include "test_frmbrowse.moc"
