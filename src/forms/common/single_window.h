#pragma once
// "Show this window, creating it if it is gone, else bring it to the front": every secondary
// window exists at most once at a time, whoever opens it.

#include <QPointer>
#include <QWidget>

namespace kestro {

template <class Window>
class SingleWindow {
public:
    // The open window of this kind, or nullptr.
    static Window* current() { return slot().data(); }

    // Builds the window with `make` when none is open, then shows it modeless and raises it.
    // The window deletes itself when closed, so the next call builds it afresh.
    template <class Make>
    static Window* show(Make&& make) {
        if (!slot()) {
            Window* window = make();
            window->setAttribute(Qt::WA_DeleteOnClose);
            slot() = window;
        }
        Window* window = slot().data();
        window->show();
        window->raise();
        window->activateWindow();
        return window;
    }

private:
    static QPointer<Window>& slot() {
        static QPointer<Window> window;
        return window;
    }
};

}  // namespace kestro
