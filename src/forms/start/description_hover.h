#pragma once
// The description panel: moving the pointer over an element of the main window that has a
// help text shows that text in the panel, where it stays until another such element is
// hovered.

#include <QHash>
#include <QObject>
#include <QString>

#include "forms/common/form_builder.h"

class QLabel;
class QPointF;
class QWidget;

namespace kestro {

class DescriptionHover final : public QObject {
public:
    // Watches `window` and every widget in it; `windowText` is the text of the window's own
    // surface, `elements` the window's elements (their help texts are their accessible
    // descriptions) and `panel` the label that shows the texts. Owned by `window`.
    DescriptionHover(QWidget* window, const QString& windowText, const Elements& elements,
                     QLabel* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Target {
        QWidget* element;  // the element the watched widget belongs to
        QString text;      // null when the element has no text of its own
    };

    void watch(QWidget* widget, const Target& target);
    QWidget* widgetUnderPointer(QWidget* receiver, const QPointF& position) const;

    QWidget* window_;
    QLabel* panel_;
    QHash<const QObject*, Target> targets_;
};

}  // namespace kestro
