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
    // Chains, labels, clean forms and the longest root holding a folder.
    void pathForms() {
        QCOMPARE(folderChain(QStringLiteral("/")), QStringList{"/"});
        QCOMPARE(folderChain(QStringLiteral("/my games/Half Life")),
                 (QStringList{"/", "/my games", "/my games/Half Life"}));
        QCOMPARE(folderLabel(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(folderLabel(QStringLiteral("/games/Half-Life")), QStringLiteral("Half-Life"));
        for (const auto& [folder, clean] : {std::pair{"/games/Half-Life/", "/games/Half-Life"},
                                            {"/games//x/./y/..", "/games/x"}, {"/", "/"},
                                            {"/..", "/"}, {"/../../games", "/games"}})
            QCOMPARE(cleanFolder(QString::fromLatin1(folder)), QString::fromLatin1(clean));
        const QStringList roots{"/", "/home", "/home2", "/mnt/usb"};
        for (const auto& [folder, root] :
             {std::pair{"/", "/"}, {"/home/player/hl", "/home"}, {"/home", "/home"},
              {"/homework", "/"}, {"/home2/x", "/home2"}, {"/mnt/usb/hl", "/mnt/usb"},
              {"/mnt/other", "/"}})
            QCOMPARE(rootHolding(QString::fromLatin1(folder), roots), QString::fromLatin1(root));
        QCOMPARE(rootHolding(QStringLiteral("/x"), {QStringLiteral("/home")}), QString());
    }

    // Sub-folders sorted, hidden ones too; what can be browsed; the drives with "/" first, once.
    void theFileSystem() {
        QTemporaryDir dir;
        const QString p = dir.path();
        for (const char* name : {"valve", "Action", ".steam", "tfc", "cstrike"})
            QVERIFY(QDir(p).mkdir(QString::fromLatin1(name)));
        QFile file(p + "/readme.txt");
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(p + "/valve", p + "/linked") && QFile::link(p + "/x", p + "/dangling"));
        QCOMPARE(subFolders(p), (QStringList{p + "/.steam", p + "/Action", p + "/cstrike",
                                             p + "/linked", p + "/tfc", p + "/valve"}));
        QCOMPARE(subFolders(p + "/valve") + subFolders(p + "/no-such-folder"), QStringList());
        for (const QString& folder : subFolders(QStringLiteral("/")))
            QCOMPARE(folderChain(folder), (QStringList{"/", folder}));  // no "//"
        QVERIFY(isBrowsable(p) && isBrowsable(p + "/linked"));
        for (const char* below : {"/readme.txt", "/no-such-folder", "/readme.txt/below"})
            QVERIFY2(!isBrowsable(p + below), below);
        QStringList roots = driveRoots();
        QCOMPARE(roots.value(0), QStringLiteral("/"));
        QCOMPARE(roots.removeDuplicates(), 0);
    }
};

QTEST_APPLESS_MAIN(FoldersTest)
#include "test_folders.moc"
