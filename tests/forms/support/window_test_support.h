#pragma once
// What the window tests share: finding elements, showing and clicking as a user does, and
// answering message boxes.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "forms/common/messages.h"

namespace kestro::test {

// The element `name` of `window` as a T; a missing element or one of another kind ends the
// run at once.
template <class T = QWidget, class Window>
T* el(const Window& window, const char* name) {
    T* w = window->template findChild<T*>(QString::fromLatin1(name));
    if (!w) qFatal("no element %s of the expected kind", name);
    return w;
}

// Shows the window and waits until it is on screen.
template <class Window>
Window* showWindow(Window* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) qFatal("window not exposed");
    return window;
}

// Runs the deletions that closing a WA_DeleteOnClose window posts.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Clicks where a user would: on the indicator of a check box or option button, else in the
// middle.
inline void click(QWidget* w) {
    const bool indicator = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
    QTest::mouseClick(w, Qt::LeftButton, {},
                      indicator ? QPoint(7, w->height() / 2) : w->rect().center());
}

// Answers every message box in the user's place while it lives, keeping "title|text" of each.
class MessageRecorder {
public:
    MessageRecorder() {
        setMessageHandler([this](const Message& m) {
            messages << m;
            shown << m.title + u'|' + m.text;
            if (onMessage) onMessage(m);
        });
    }
    ~MessageRecorder() { setMessageHandler({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;
    void clear() {
        messages.clear();
        shown.clear();
    }

    QList<Message> messages;
    QStringList shown;
    std::function<void(const Message&)> onMessage;  // runs while the message is up
};

}  // namespace kestro::test
