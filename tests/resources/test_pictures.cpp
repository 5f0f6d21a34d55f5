// The program's pictures as embedded, and its icon as shipped for Windows.
#include <QFile>
#include <QImageReader>
#include <QtTest>
#include <cmath>

#include "forms/common/pictures.h"

using namespace kestro;

namespace {

// The markers of a JPEG file before its scan data, each with the bytes that follow it.
QList<QPair<int, QByteArray>> jpegMarkers(const QByteArray& data) {
    QList<QPair<int, QByteArray>> markers;
    const auto byte = [&](qsizetype i) { return i < data.size() ? quint8(data[i]) : 0; };
    for (qsizetype i = 2; byte(0) == 0xFF && byte(1) == 0xD8 && i + 4 <= data.size();) {
        const int marker = byte(i + 1), length = (byte(i + 2) << 8) | byte(i + 3);
        if (byte(i) != 0xFF || marker == 0xD9 || marker == 0xDA) break;  // end, or scan data
        markers.append({marker, data.mid(i + 4, length - 2)});
        i += 2 + length;
    }
    return markers;
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
        QTest::newRow("logo") << pictures::kLogo << QSize(100, 100);
        QTest::newRow("mirrored logo") << pictures::kLogoMirrored << QSize(100, 100);
        QTest::newRow("screenshot") << pictures::kScreenshot << QSize(640, 480);
    }
    void jpegsAreBaselineJfifWithThreeComponents() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), size);
        QVERIFY(!image.isGrayscale());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto markers = jpegMarkers(file.readAll());
        QVERIFY(!markers.isEmpty());
        QCOMPARE(markers[0].first, 0xE0);  // JFIF first
        QVERIFY(markers[0].second.startsWith(QByteArray("JFIF\0", 5)));
        QList<int> frames;  // start-of-frame markers: C0 baseline, C1 extended, C2 progressive...
        for (const auto& [marker, bytes] : markers) {
            const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                               marker != 0xC8 && marker != 0xCC;
            if (frame)
                frames << marker << quint8(bytes[5]);  // with its number of components
        }
        QCOMPARE(frames, (QList<int>{0xC0, 3}));
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
        if (!QImageReader::supportedImageFormats().contains("ico"))
            QSKIP("this Qt reads no .ico files; test_windows_forms finds the icon in kestro.exe");
        QImageReader reader(QStringLiteral(KESTRO_RESOURCES_DIR "/kestro.ico"), "ico");
        QList<QSize> sizes;
        for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
            const QImage image = reader.read();
            QVERIFY(image.hasAlphaChannel());
            sizes << image.size();
        }
        QCOMPARE(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
