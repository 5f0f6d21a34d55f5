#include "caption_frame.h"

#include <QPainter>
#include <QStyle>

namespace kestro {

namespace {

constexpr int kCaptionIndent = 6;   // pixels from the frame's left edge to the caption
constexpr int kCaptionPadding = 2;  // clear space on each side of the caption

}  // namespace

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

// Drawn by hand rather than through a style sheet: a style sheet would stop the window's font
// from reaching the frame's children, and restyling every control costs start-up time.
void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    const QString caption = title();
    const int captionWidth = caption.isEmpty() ? 0 : metrics.horizontalAdvance(caption);

    // An etched border: a dark line with a light one just inside it, broken by the caption.
    const QRect border(0, lineY, width() - 1, height() - lineY - 1);
    const QColor dark = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                        QPalette::Mid);
    const QColor light = palette().color(QPalette::Light);
    painter.save();
    if (captionWidth > 0) {
        QRegion clip(rect());
        clip -= QRect(kCaptionIndent, 0, captionWidth + 2 * kCaptionPadding, metrics.height());
        painter.setClipRegion(clip);
    }
    painter.setPen(light);
    painter.drawRect(border.translated(1, 1));
    painter.setPen(dark);
    painter.drawRect(border);
    painter.restore();

    if (captionWidth > 0) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::WindowText));
        painter.drawText(QPoint(kCaptionIndent + kCaptionPadding, metrics.ascent()), caption);
    }
}

}  // namespace kestro
