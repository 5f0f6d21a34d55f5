// The install window's conversions: result box text to 8-bit bytes, path field to a path.
#include <QtTest>

#include "forms/install/install_input.h"

using namespace kestro;

class InstallInputTest : public QObject {
    Q_OBJECT

private slots:
    void latin1Conversion() {
        const std::pair<QString, QByteArray> rows[] = {
            {QString(), QByteArray()},
            {QStringLiteral("a b\r\n"), "a b\r\n"},
            {QStringLiteral("\u00e9\u00ff"), "\xE9\xFF"},  // Latin-1 letters
            {QStringLiteral("5\u20ac"), "5?"},            // the euro sign has no 8-bit form
            {QStringLiteral("\u0100"), "?"},              // the first character beyond Latin-1
            {QStringLiteral("a\U0001F600b"), "a?b"},      // a pair of UTF-16 units is one character
            {QString(QChar(0xD800)), "?"},                // a lone surrogate
            {QString(QChar(0)), QByteArray(1, '\0')},
        };
        for (const auto& [text, bytes] : rows)
            QCOMPARE(QByteArray::fromStdString(toLatin1Bytes(text)), bytes);
    }

    void gameDirectoryIsNotNormalised() {
        for (const QString& path : {QStringLiteral("C:\\Sierra\\Half-Life"),
                                    QStringLiteral(" /games//hl/ "), QString()}) {
            QCOMPARE(QString::fromStdString(toGameDirectory(path).string()), path);
        }
        // Windows names are UTF-16; elsewhere the file-name encoding, UTF-8 here.
#ifdef Q_OS_WIN
        QCOMPARE(toGameDirectory(QStringLiteral("/spiele/\u00fc")).native(),
                 std::wstring(L"/spiele/\u00fc"));
#else
        QCOMPARE(toGameDirectory(QStringLiteral("/spiele/\u00fc")).native(),
                 std::string("/spiele/\xC3\xBC"));
#endif
    }
};

QTEST_APPLESS_MAIN(InstallInputTest)
#include "test_install_input.moc"
