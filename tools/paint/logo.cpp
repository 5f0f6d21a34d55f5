#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "pictures.h"

namespace paint {

namespace {

constexpr int kSize = 100;
constexpr qreal kHorizon = 56;

void paintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.0, QColor(0x24, 0x12, 0x5c));
    sky.setColorAt(0.55, QColor(0x5b, 0x3c, 0xb8));
    sky.setColorAt(1.0, QColor(0xa0, 0x7c, 0xe8));
    p.fillRect(QRectF(0, 0, kSize, kHorizon), sky);
}

void paintWater(QPainter& p) {
    QLinearGradient water(0, kHorizon, 0, kSize);
    water.setColorAt(0.0, QColor(0x6a, 0x58, 0xc8));
    water.setColorAt(0.35, QColor(0x34, 0x3a, 0x9c));
    water.setColorAt(1.0, QColor(0x12, 0x16, 0x4e));
    p.fillRect(QRectF(0, kHorizon, kSize, kSize - kHorizon), water);
}

// The low sun: a white-hot core fading through pink into the violet sky.
void paintGlow(QPainter& p) {
    QRadialGradient glow(QPointF(50, kHorizon - 2), 46);
    glow.setColorAt(0.00, QColor(255, 255, 240, 255));
    glow.setColorAt(0.12, QColor(255, 246, 214, 250));
    glow.setColorAt(0.30, QColor(255, 190, 205, 170));
    glow.setColorAt(0.60, QColor(200, 140, 235, 70));
    glow.setColorAt(1.00, QColor(160, 120, 240, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRect(QRectF(0, 0, kSize, kSize));
}

// The glow's reflection: short bright strokes on the water, narrower and dimmer further down.
void paintGlints(QPainter& p) {
    QRandomGenerator random(20240611);
    for (int row = 0; row < 22; ++row) {
        const qreal y = kHorizon + 2 + row * 1.9;
        const qreal spread = 26 - row * 0.8;
        const int strokes = 3;
        for (int i = 0; i < strokes; ++i) {
            const qreal half = 3 + random.bounded(9.0) * (1 - row / 30.0);
            const qreal x = 50 + (random.bounded(2.0) - 1) * spread;
            const int alpha = int(220 - row * 8);
            p.setPen(QPen(QColor(255, 236, 220, qMax(alpha, 30)), 1.1));
            p.drawLine(QPointF(x - half, y), QPointF(x + half, y));
        }
    }
}

void paintWord(QPainter& p) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(27);
    font.setBold(true);
    font.setItalic(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);
    QPainterPath word;
    const QString text = QStringLiteral("kes");
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    word.addText(QPointF((kSize - width) / 2 - 1, kHorizon + 9), font, text);
    // A faint light rim keeps the dark letters apart from the dark water.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 225, 240, 120), 2.2));
    p.drawPath(word);
    p.setPen(Qt::NoPen);
    QLinearGradient ink(0, kHorizon - 12, 0, kHorizon + 9);
    ink.setColorAt(0, QColor(0x1c, 0x0c, 0x3a));
    ink.setColorAt(1, QColor(0x0a, 0x06, 0x1c));
    p.setBrush(ink);
    p.drawPath(word);
}

}  // namespace

QImage paintLogo() {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintSky(p);
    paintWater(p);
    paintGlow(p);
    paintGlints(p);
    paintWord(p);
    return image;
}

}  // namespace paint
