#pragma once
// What the window tests share: finding elements, showing and clicking as a user does, reading
// the focus chain and the geometry, and answering message boxes.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <initializer_list>

#include "forms/common/messages.h"

namespace kestro::test {

// The element `name` of `window` (any pointer to a window with element(name)) as a T; a
// missing element or one of another kind ends the run at once.
template <class T = QWidget, class Window>
T* el(const Window& window, const char* name) {
    T* w = qobject_cast<T*>(window->element(QString::fromLatin1(name)));
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

// The window's size when it has a fixed dialog border (fixed size, a close box, no minimize
// or maximize box), else an invalid size.
template <class Window>
QSize fixedDialogSize(const Window& w) {
    const Qt::WindowFlags f = w->windowFlags();
    const bool dialog = (f & Qt::WindowType_Mask) == Qt::Dialog &&
                        f.testFlag(Qt::WindowCloseButtonHint) && !(f & Qt::WindowMinMaxButtonsHint);
    return dialog && w->minimumSize() == w->maximumSize() ? w->size() : QSize();
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

// The named widgets in keyboard focus order, from `first` round to it again.
inline QStringList tabChain(QWidget* first) {
    const auto skipped = [](const QWidget* w) {
        return w->isWindow() || w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() ||
               w->objectName().startsWith(QLatin1String("qt_"));
    };
    QStringList chain;
    QWidget* w = first;
    do {
        chain << w->objectName();
        do w = w->nextInFocusChain();
        while (w != first && skipped(w));
    } while (w != first);
    return chain;
}

// The elements that lie more than `tolerance` pixels away from their place, with where they
// are; empty when all are in place. Compare it with QString() to see them on failure.
struct Place {
    const char* name;
    QRect rect;
};
template <class Window>
QString misplaced(const Window& window, std::initializer_list<Place> places, int tolerance = 0) {
    QStringList out;
    for (const auto& [name, rect] : places) {
        const QRect r = el(window, name)->geometry();
        if (qAbs(r.x() - rect.x()) > tolerance || qAbs(r.y() - rect.y()) > tolerance ||
            qAbs(r.width() - rect.width()) > tolerance ||
            qAbs(r.height() - rect.height()) > tolerance)
            out << QStringLiteral("%1 at %2,%3 %4x%5")
                       .arg(QLatin1String(name))
                       .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return out.join(QLatin1String("; "));
}

// The elements that do not show their caption (a frame's title, or the text of a label,
// button or field), with what they show instead; empty when all do.
template <class Window>
QString miscaptioned(const Window& window,
                     std::initializer_list<std::pair<const char*, const char*>> captions) {
    QStringList out;
    for (const auto& [name, caption] : captions) {
        const QWidget* w = el(window, name);
        QString shown;
        if (auto* b = qobject_cast<const QAbstractButton*>(w)) shown = b->text();
        if (auto* l = qobject_cast<const QLabel*>(w)) shown = l->text();
        if (auto* g = qobject_cast<const QGroupBox*>(w)) shown = g->title();
        if (auto* e = qobject_cast<const QLineEdit*>(w)) shown = e->text();
        if (shown != QString::fromUtf8(caption))
            out << QStringLiteral("%1 shows \"%2\"").arg(QLatin1String(name), shown);
    }
    return out.join(QLatin1String("; "));
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
