// The install window's conversions: result box text to 8-bit bytes, path field to a path.
#include <QtTest>

#include "forms/install/install_input.h"

using namespace kestro;

class InstallInputTest : public QObject {
    Q_OBJECT

private slots:
    void latin1Conversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("ascii with CR LF") << QStringLiteral("a b\r\n") << QByteArray("a b\r\n");
        QTest::newRow("latin-1 letters") << QStringLiteral("\u00e9\u00ff") << QByteArray("\xE9\xFF");
        QTest::newRow("euro sign") << QStringLiteral("5\u20ac") << QByteArray("5?");
        QTest::newRow("first beyond latin-1") << QStringLiteral("\u0100") << QByteArray("?");
        QTest::newRow("pair of UTF-16 units is one character")
            << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("nul kept") << QString(QChar(0)) << QByteArray(1, '\0');
    }
    void latin1Conversion() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(toLatin1Bytes(text)), bytes);
    }

    void gameDirectoryIsNotNormalised() {
        for (const QString& path : {QStringLiteral("C:\\Sierra\\Half-Life"),
                                    QStringLiteral(" /games//hl/ "), QString()}) {
            QCOMPARE(QString::fromStdString(toGameDirectory(path).string()), path);
        }
        QCOMPARE(toGameDirectory(QStringLiteral("/spiele/\u00fc")).native(),
                 std::string("/spiele/\xC3\xBC"));
    }
};

QTEST_APPLESS_MAIN(InstallInputTest)
#include "test_install_input.moc"
