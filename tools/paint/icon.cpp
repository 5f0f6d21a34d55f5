#include <QBuffer>
#include <QDataStream>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "pictures.h"

namespace paint {

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

namespace {

// One image as Qt's icon writer stores it: its 16-byte directory entry and its bitmap.
struct IconEntry {
    QByteArray directoryEntry;
    QByteArray data;
};

// The writer leaves the bytes that pad each row of the transparency mask to four bytes
// unset; zero them so that repainting gives the same file.
void clearMaskPadding(QByteArray& bitmap, int width, int height) {
    constexpr int kHeaderSize = 40;
    const int pixelBytes = width * height * 4;
    const int usedBytes = (width + 7) / 8;
    const int rowBytes = (width + 31) / 32 * 4;
    const qsizetype maskStart = kHeaderSize + pixelBytes;
    if (bitmap.size() < maskStart + qsizetype(rowBytes) * height) qFatal("unexpected icon bitmap");
    for (int row = 0; row < height; ++row)
        for (int i = usedBytes; i < rowBytes; ++i) bitmap[maskStart + row * rowBytes + i] = 0;
}

IconEntry encodeOne(const QImage& image) {
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(image)) qFatal("icon writer: %s", qPrintable(writer.errorString()));
    // A one-image icon file: 6-byte header, one 16-byte entry, the bitmap.
    const qsizetype dataStart = 6 + 16;
    if (file.size() <= dataStart) qFatal("icon writer wrote no image");
    IconEntry entry{file.mid(6, 16), file.mid(dataStart)};
    clearMaskPadding(entry.data, image.width(), image.height());
    return entry;
}

}  // namespace

QByteArray iconFile(const QList<QImage>& images) {
    QList<IconEntry> entries;
    for (const QImage& image : images) entries.append(encodeOne(image));

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(entries.size());
    quint32 offset = quint32(6 + 16 * entries.size());
    for (const IconEntry& entry : entries) {
        // Everything but the data offset (the entry's last four bytes) stays as written.
        out.writeRawData(entry.directoryEntry.constData(), 12);
        out << offset;
        offset += quint32(entry.data.size());
    }
    for (const IconEntry& entry : entries) out.writeRawData(entry.data.constData(), int(entry.data.size()));
    return file;
}

}  // namespace paint
