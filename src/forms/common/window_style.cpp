#include "window_style.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "form_builder.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kestro {

namespace {

// Without this hint Windows gives every window a sizing frame, fixed size or not; the hint asks
// for the thin frame of a fixed window. Other platforms ignore it.
constexpr Qt::WindowFlags kFixedFrame = Qt::MSWindowsFixedSizeDialogHint;

void fixClientSize(QWidget* window, const QSize& clientSize) {
    window->setFixedSize(clientSize);
    window->setFont(formFont());
}

// On Windows every top-level window without an owner has a task-bar button. The fixed
// dialogs get an owner that is never shown, one for the whole program: that keeps them off the
// task bar without tying them to the main window, with which an owned window would close and
// be minimised. (A Qt transient parent would set the same owner, but would also take the
// dialogs out of "the program ends with its last window".)
void ownByHiddenWindow([[maybe_unused]] QWidget* window) {
#ifdef Q_OS_WIN
    if (QGuiApplication::platformName() != QLatin1String("windows")) return;
    static const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                              nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(reinterpret_cast<HWND>(window->winId()), GWLP_HWNDPARENT,
                      reinterpret_cast<LONG_PTR>(owner));
#endif
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
    ownByHiddenWindow(window);
}

namespace {

void moveFrameToCentre(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

// A window manager adds its frame only once the window is shown, so the first centring can
// only centre the client area and leaves the window half a title bar low. When the window
// first moves with a frame around it, it is centred once more, frame included.
class CentreWithFrame final : public QObject {
public:
    explicit CentreWithFrame(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Move && window->frameGeometry().size() != window->size()) {
            window->removeEventFilter(this);
            moveFrameToCentre(window);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void centreOnScreen(QWidget* window) {
    moveFrameToCentre(window);
    new CentreWithFrame(window);
}

}  // namespace kestro
