#include <QFile>
#include <QImageReader>
#include <QtTest>
#include <cmath>

#include "forms/common/pictures.h"

using namespace kestro;

namespace {

// What the frame header of a JPEG file says: the kind of coding and the number of colour
// components, and whether the file starts with a JFIF header.
struct JpegFacts {
    bool jfif = false;
    int frameMarker = 0;  // 0xC0 baseline, 0xC1 extended, 0xC2 progressive, ...
    int components = 0;
    int frameCount = 0;
};

JpegFacts readJpegFacts(const QByteArray& data) {
    JpegFacts facts;
    const auto byte = [&](qsizetype i) { return i < data.size() ? quint8(data[i]) : 0; };
    if (byte(0) != 0xFF || byte(1) != 0xD8) return facts;
    qsizetype i = 2;
    bool first = true;
    while (i + 4 <= data.size() && byte(i) == 0xFF) {
        const int marker = byte(i + 1);
        if (marker == 0xD9 || marker == 0xDA) break;  // end, or start of the scan data
        const int length = (byte(i + 2) << 8) | byte(i + 3);
        if (first && marker == 0xE0) facts.jfif = data.mid(i + 4, 5) == QByteArray("JFIF\0", 5);
        first = false;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                           marker != 0xC8 && marker != 0xCC;
        if (frame) {
            facts.frameMarker = marker;
            facts.components = byte(i + 9);
            ++facts.frameCount;
        }
        i += 2 + length;
    }
    return facts;
}

// Mean difference per colour channel of two pictures of one size.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pictures::load(); }

    void jpegsAreBaselineJfifWithThreeComponents_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("logo") << QString::fromLatin1(pictures::kLogo) << QSize(100, 100);
        QTest::newRow("mirrored logo")
            << QString::fromLatin1(pictures::kLogoMirrored) << QSize(100, 100);
        QTest::newRow("screenshot") << QString::fromLatin1(pictures::kScreenshot)
                                    << QSize(640, 480);
    }
    void jpegsAreBaselineJfifWithThreeComponents() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), size);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
        QVERIFY(!image.isGrayscale());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const JpegFacts facts = readJpegFacts(file.readAll());
        QVERIFY(facts.jfif);
        QCOMPARE(facts.frameCount, 1);
        QCOMPARE(facts.frameMarker, 0xC0);
        QCOMPARE(facts.components, 3);
    }

    void mirroredLogoIsTheLogoTurnedLeftToRight() {
        const QImage logo(QString::fromLatin1(pictures::kLogo));
        const QImage mirrored(QString::fromLatin1(pictures::kLogoMirrored));
        // Equal up to the coding's small losses once turned back; plainly different as they are.
        QVERIFY(meanDifference(logo.mirrored(true, false), mirrored) < 3.0);
        QVERIFY(meanDifference(logo, mirrored) > 10.0);
    }

    void programIcons() {
        QCOMPARE(QImage(QString::fromLatin1(pictures::kIcon)).size(), QSize(64, 64));
        QImageReader reader(QStringLiteral(KESTRO_RESOURCES_DIR "/kestro.ico"), "ico");
        QCOMPARE(reader.imageCount(), 3);
        QList<QSize> sizes;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QVERIFY(image.hasAlphaChannel());
            sizes << image.size();
        }
        QCOMPARE(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
