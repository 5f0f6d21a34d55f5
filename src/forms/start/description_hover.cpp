#include "description_hover.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSet>
#include <QWidget>

namespace kestro {

DescriptionHover::DescriptionHover(QWidget* window, const QString& windowText,
                                   const Elements& elements, QLabel* panel)
    : QObject(window), window_(window), panel_(panel) {
    // The texts are shown as written: no rich text, no mnemonics.
    panel_->setTextFormat(Qt::PlainText);

    const QSet<const QWidget*> elementSet(elements.inTableOrder().cbegin(),
                                          elements.inTableOrder().cend());
    watch(window, {window, windowText});
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window) continue;  // a list's pop-up is a window of its own
        // A widget inside an element (the result box's viewport and scroll bar) speaks for
        // that element.
        QWidget* element = widget;
        while (element != window && !elementSet.contains(element)) element = element->parentWidget();
        const QString text = element == window ? windowText : element->accessibleDescription();
        watch(widget, {element, text.isEmpty() ? QString() : text});
    }
}

void DescriptionHover::watch(QWidget* widget, const Target& target) {
    // Moves without a pressed button reach only widgets that track the mouse.
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    targets_.insert(widget, target);
}

bool DescriptionHover::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove) return false;
    const auto target = targets_.constFind(watched);
    if (target == targets_.cend()) return false;

    // Qt passes a move that a widget ignores on to its container (a label ignores every
    // move); only the widget under the pointer answers it, so a list never shows the text of
    // the window around it, and the description label never shows its frame's.
    // A disabled element shows nothing, and nothing of its container either.
    auto* receiver = static_cast<QWidget*>(watched);
    const bool underPointer =
        receiver == widgetUnderPointer(receiver, static_cast<QMouseEvent*>(event)->position());
    if (underPointer && !target->text.isNull() && target->element->isEnabled())
        panel_->setText(target->text);
    return false;  // the widget's own handling of the move goes on
}

QWidget* DescriptionHover::widgetUnderPointer(QWidget* receiver, const QPointF& position) const {
    const QPoint inWindow = receiver->mapTo(window_, position.toPoint());
    if (!window_->rect().contains(inWindow)) return nullptr;
    QWidget* under = window_->childAt(inWindow);
    return under ? under : window_;
}

}  // namespace kestro
