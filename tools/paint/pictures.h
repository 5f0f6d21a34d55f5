#pragma once
// The program's pictures, painted from scratch with QPainter.

#include <QByteArray>
#include <QImage>
#include <QList>

namespace paint {

// The program icon: a white "K" on a rounded orange tile, transparent around it.
QImage paintIcon(int size);

// A Windows icon file holding the given square images (each at most 256 pixels).
QByteArray iconFile(const QList<QImage>& images);

// The 100 x 100 logo: the word in dark italic letters over a blue-violet sunset on water.
QImage paintLogo();

// The 640 x 480 screenshot of a match: sentry guns and dispensers jammed into one another in
// a dim concrete room, players among them, chat, status display and network graph.
QImage paintScreenshot();

}  // namespace paint
