// Paints the program's pictures into resources/. Run by hand (make pictures) after changing
// a picture; its output is committed.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// The program icon: a white "K" on a rounded orange tile with a dark rim.
QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, QColor(0xff, 0xa3, 0x3a));
    tile.setColorAt(1, QColor(0xc8, 0x4b, 0x0c));
    p.setPen(QPen(QColor(0x3a, 0x1a, 0x06), s / 24));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(s / 32, s / 32, s - s / 16, s - s / 16), s / 6, s / 6);

    QPainterPath k;
    k.moveTo(0.28 * s, 0.20 * s);
    k.lineTo(0.42 * s, 0.20 * s);
    k.lineTo(0.42 * s, 0.45 * s);
    k.lineTo(0.62 * s, 0.20 * s);
    k.lineTo(0.78 * s, 0.20 * s);
    k.lineTo(0.54 * s, 0.49 * s);
    k.lineTo(0.80 * s, 0.80 * s);
    k.lineTo(0.63 * s, 0.80 * s);
    k.lineTo(0.42 * s, 0.55 * s);
    k.lineTo(0.42 * s, 0.80 * s);
    k.lineTo(0.28 * s, 0.80 * s);
    k.closeSubpath();
    p.setPen(QPen(QColor(0x3a, 0x1a, 0x06), s / 40));
    p.setBrush(Qt::white);
    p.drawPath(k);
    return image;
}

bool save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources"));
    bool ok = save(paintIcon(64), out.filePath(QStringLiteral("kestro.png")), "PNG");
    return ok ? 0 : 1;
}
