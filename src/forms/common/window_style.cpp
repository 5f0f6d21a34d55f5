#include "window_style.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "form_builder.h"

namespace kestro {

namespace {

// Without this hint Windows gives every window a sizing frame, fixed size or not; the hint asks
// for the thin frame of a fixed window. Other platforms ignore it.
constexpr Qt::WindowFlags kFixedFrame = Qt::MSWindowsFixedSizeDialogHint;

void fixClientSize(QWidget* window, const QSize& clientSize) {
    window->setFixedSize(clientSize);
    window->setFont(formFont());
}

}  // namespace

void useFixedSingleBorder(QWidget* window, const QSize& clientSize) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | kFixedFrame);
    fixClientSize(window, clientSize);
}

void useFixedDialogBorder(QWidget* window, const QSize& clientSize) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | kFixedFrame);
    fixClientSize(window, clientSize);
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace kestro
