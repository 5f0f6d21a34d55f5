// Paints the program's pictures into resources/. Run by hand (make pictures) after changing
// a picture; its output is committed.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <cstdio>

#include "pictures.h"

namespace {

bool report(bool ok, const QString& path) {
    if (ok)
        std::printf("wrote %s\n", qPrintable(path));
    else
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return ok;
}

bool savePng(const QImage& image, const QString& path) {
    return report(image.save(path, "PNG"), path);
}

// Baseline (not progressive) JFIF with three colour components: the writer's defaults for an
// RGB image.
bool saveJpeg(const QImage& image, const QString& path, int quality) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    return report(writer.write(image.convertToFormat(QImage::Format_RGB888)), path);
}

bool saveBytes(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                    file.flush();
    return report(ok, path);
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources"));
    const auto path = [&out](const char* name) { return out.filePath(QString::fromLatin1(name)); };

    bool ok = savePng(paint::paintIcon(64), path("kestro.png"));
    ok = saveBytes(paint::iconFile({paint::paintIcon(16), paint::paintIcon(32),
                                    paint::paintIcon(48)}),
                   path("kestro.ico")) && ok;
    const QImage logo = paint::paintLogo();
    ok = saveJpeg(logo, path("logo.jpg"), 92) && ok;
    ok = saveJpeg(logo.mirrored(true, false), path("logo-mirrored.jpg"), 92) && ok;
    ok = saveJpeg(paint::paintScreenshot(), path("screenie.jpg"), 85) && ok;
    return ok ? 0 : 1;
}
