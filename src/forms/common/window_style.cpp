#include "window_style.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "form_builder.h"

#ifdef Q_OS_WIN
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
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

#ifdef Q_OS_WIN
// On Windows every top-level window without an owner has a task-bar button. The program's
// dialogs without a parent (the fixed dialogs) are owned by a window of the program that is
// never shown: that keeps them off the task bar without tying them to the main window, with
// which an owned window would close and be minimised. Qt takes the owner away each time it
// shows a window without a transient parent, so the owner is given back as the window is shown:
// WM_SHOWWINDOW comes after that and before the window is visible. (A Qt transient parent would
// set the same owner, but would also take the dialogs out of "the program ends with its last
// window".)
class HiddenOwner final : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_SHOWWINDOW || !msg->wParam) return false;
        const QWidget* window = QWidget::find(reinterpret_cast<WId>(msg->hwnd));
        if (window && window->windowType() == Qt::Dialog && !window->parentWidget())
            SetWindowLongPtrW(msg->hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));
        return false;
    }

private:
    const HWND owner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
};
#endif

void ownByHiddenWindow() {
#ifdef Q_OS_WIN
    if (QGuiApplication::platformName() != QLatin1String("windows")) return;
    static HiddenOwner owner;
    // Installed again for every dialog, which changes nothing: Qt keeps a filter once.
    QCoreApplication::instance()->installNativeEventFilter(&owner);
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
    ownByHiddenWindow();
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
