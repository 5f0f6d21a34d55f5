// The browser's drive and folder logic, without the window.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "forms/browse/folders.h"

using namespace kestro;

class FoldersTest : public QObject {
    Q_OBJECT

private slots:
    void chainFromTheRootDown_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("root") << "/" << QStringList{"/"};
        QTest::newRow("one below") << "/games" << QStringList{"/", "/games"};
        QTest::newRow("deeper")
            << "/games/Sierra/Half-Life"
            << QStringList{"/", "/games", "/games/Sierra", "/games/Sierra/Half-Life"};
        QTest::newRow("spaces kept") << "/my games/Half Life"
                                     << QStringList{"/", "/my games", "/my games/Half Life"};
    }
    void chainFromTheRootDown() {
        QFETCH(QString, folder);
        QFETCH(QStringList, chain);
        QCOMPARE(folderChain(folder), chain);
        QCOMPARE(folderRoot(folder), QStringLiteral("/"));
    }

    void pathForms() {
        QCOMPARE(folderLabel(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(folderLabel(QStringLiteral("/games/Half-Life")), QStringLiteral("Half-Life"));
        for (const auto& [folder, clean] : {std::pair{"/games/Half-Life/", "/games/Half-Life"},
                                            {"/games//x/./y/..", "/games/x"}, {"/", "/"},
                                            {"/..", "/"}, {"/../../games", "/games"}})
            QCOMPARE(cleanFolder(QString::fromLatin1(folder)), QString::fromLatin1(clean));
    }

    void subFoldersSortedWithHiddenOnes() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QDir base(dir.path());
        for (const char* name : {"valve", "Action", ".steam", "tfc", "cstrike"})
            QVERIFY(base.mkdir(QString::fromLatin1(name)));
        QFile file(base.filePath(QStringLiteral("readme.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(base.filePath(QStringLiteral("valve")),
                            base.filePath(QStringLiteral("linked"))));
        QVERIFY(QFile::link(base.filePath(QStringLiteral("nowhere")),
                            base.filePath(QStringLiteral("dangling"))));

        const QString p = dir.path();
        QCOMPARE(subFolders(p), (QStringList{p + "/.steam", p + "/Action", p + "/cstrike",
                                             p + "/linked", p + "/tfc", p + "/valve"}));
        QCOMPARE(subFolders(p + "/valve"), QStringList());
        QCOMPARE(subFolders(p + "/no-such-folder"), QStringList());

        const QStringList atRoot = subFolders(QStringLiteral("/"));
        QVERIFY(!atRoot.isEmpty());
        for (const QString& folder : atRoot) {
            QVERIFY2(folder.startsWith('/') && !folder.startsWith("//"), qPrintable(folder));
            QCOMPARE(folderChain(folder), (QStringList{"/", folder}));
        }

        QVERIFY(isBrowsable(p));
        QVERIFY(isBrowsable(p + "/linked"));
        QVERIFY(!isBrowsable(p + "/readme.txt"));
        QVERIFY(!isBrowsable(p + "/no-such-folder"));
        QVERIFY(!isBrowsable(p + "/readme.txt/below"));
    }

    void rootHoldingAFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("root");
        QTest::newRow("root itself") << "/" << "/";
        QTest::newRow("below a mount") << "/home/player/hl" << "/home";
        QTest::newRow("the mount itself") << "/home" << "/home";
        QTest::newRow("a longer name is not below") << "/homework" << "/";
        QTest::newRow("the longest holder wins") << "/home2/x" << "/home2";
        QTest::newRow("nested mounts") << "/mnt/usb/hl" << "/mnt/usb";
        QTest::newRow("beside a mount") << "/mnt/other" << "/";
    }
    void rootHoldingAFolder() {
        QFETCH(QString, folder);
        QFETCH(QString, root);
        const QStringList roots{"/", "/home", "/home2", "/mnt/usb"};
        QCOMPARE(rootHolding(folder, roots), root);
    }

    void mountedRootsWithTheRootFirstAndOnce() {
        QStringList roots = driveRoots();
        QCOMPARE(roots.value(0), QStringLiteral("/"));
        for (const QString& root : roots) QVERIFY2(root.startsWith('/'), qPrintable(root));
        QCOMPARE(roots.removeDuplicates(), 0);
    }
};

QTEST_APPLESS_MAIN(FoldersTest)
#include "test_folders.moc"
