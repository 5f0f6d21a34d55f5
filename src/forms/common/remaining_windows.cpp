#include "remaining_windows.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace kestro {

void deleteRemainingWindows() {
    // A list's drop-down is a top-level widget owned by its list, so deleting a window also
    // deletes some of the other top-level widgets: pick out the parentless ones before the
    // first delete, and guard them in case one owns another.
    QList<QPointer<QWidget>> parentless;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() == nullptr) parentless.append(window);
    }
    for (const QPointer<QWidget>& window : parentless) delete window.data();
}

}  // namespace kestro
