#pragma once
// What both start-up programs share: when the window's first frame is complete, write the
// moment (CLOCK_MONOTONIC, nanoseconds) to standard output and end the event loop.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace kestro::bench {

class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The window's paint event comes first; its children are painted in the same
            // repaint pass, so a queued call runs once the whole frame is drawn.
            QMetaObject::invokeMethod(this, [] { reportAndQuit(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void reportAndQuit() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        // exit(), not quit(): quit() would first close every window, which is not start-up.
        QCoreApplication::exit(0);
    }

    bool seen_ = false;
};

}  // namespace kestro::bench
