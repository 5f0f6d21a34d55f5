// The program's pictures as embedded, and its icon as shipped for Windows.
#include <QFile>
#include <QImageReader>
#include <QtTest>

#include "forms/common/pictures.h"

using namespace kestro;

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    // The JPEGs are baseline JFIF with three components; the icons have their sizes, with alpha.
    void shippedPictures() {
        pictures::load();
        for (const auto& [path, size] : {std::pair{pictures::kLogo, QSize(100, 100)},
                                         {pictures::kLogoMirrored, QSize(100, 100)},
                                         {pictures::kScreenshot, QSize(640, 480)}}) {
            QFile file(QString::fromLatin1(path));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray d = file.readAll();
            const auto at = [&d](qsizetype i) { return i < d.size() ? quint8(d[i]) : 0; };
            QVERIFY(d.startsWith("\xFF\xD8\xFF\xE0") && d.mid(6, 5) == QByteArray("JFIF\0", 5));
            // Past the other segments to the frame header: C0-CF but for C4, C8 and CC.
            qsizetype i = 2;
            for (int m; at(i) == 0xFF && (m = at(i + 1)) != 0xDA &&
                        (m >> 4 != 0xC || (m % 4 == 0 && m != 0xC0));)
                i += 2 + (at(i + 2) << 8 | at(i + 3));
            QCOMPARE(at(i + 1), 0xC0);  // baseline, not extended or progressive
            QCOMPARE(at(i + 9), 3);     // three components: colour
            QCOMPARE(QImage(QString::fromLatin1(path)).size(), size);
        }
        QCOMPARE(QImage(QString::fromLatin1(pictures::kIcon)).size(), QSize(64, 64));
        QImageReader ico(QStringLiteral(KESTRO_RESOURCES_DIR "/kestro.ico"), "ico");
        QList<QSize> sizes;
        for (int i = 0; i < ico.imageCount() && ico.jumpToImage(i); ++i) {
            const QImage image = ico.read();
            sizes << (image.hasAlphaChannel() ? image.size() : QSize());  // each with alpha
        }
        QCOMPARE(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
