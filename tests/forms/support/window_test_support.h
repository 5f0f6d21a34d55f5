#pragma once
// What the window tests share: Qt's Widgets and Test modules whole, finding elements, showing
// and clicking as a user does, and answering message boxes.
#include <QtTest>
#include <QtWidgets>

#include "forms/common/messages.h"

namespace kestro::test {

// The element `name` of `window` as a T; a missing element or one of another kind ends the run.
template <class T = QWidget, class Window>
T* el(const Window& window, const char* name) {
    T* w = window->template findChild<T*>(QString::fromLatin1(name));
    if (!w) qFatal("no element %s of the expected kind", name);
    return w;
}

template <class Window>
Window* showWindow(Window* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) qFatal("window not exposed");
    return window;
}

// Runs the deletions that closing a WA_DeleteOnClose window posts.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Clicks where a user would: on the indicator of a check box or option button, else in the middle.
inline void click(QWidget* w) {
    const bool indicator = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
    QTest::mouseClick(w, Qt::LeftButton, {}, indicator ? QPoint(7, w->height() / 2) : w->rect().center());
}

// Opens a folder list's entry as a user does: a click, then a double click (in QtTest the second
// press alone).
inline void openEntry(QTreeWidget* list, QTreeWidgetItem* entry) {
    list->scrollToItem(entry);
    const QPoint at = list->visualItemRect(entry).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

// Answers every message box in the user's place while it lives, keeping "title|text" and icon.
struct MessageRecorder {
    MessageRecorder() {
        setMessageHandler([this](const Message& m) {
            shown << m.title + u'|' + m.text;
            icons << m.icon;
            if (onMessage) onMessage();
        });
    }
    ~MessageRecorder() { setMessageHandler({}); }
    QStringList shown;
    QList<MessageIcon> icons;
    std::function<void()> onMessage;  // runs while the message is up
};

}  // namespace kestro::test
