#include "application.h"

#include <QApplication>
#include <QIcon>

#include "config/product.h"
#include "pictures.h"
#include "qt_text.h"

namespace kestro {

void setUpApplication() {
    // The facts the executable's version block carries on Windows: internal name and version.
    // No display name: on X11 Qt appends it to every window title ("About Kestro v1.0a —
    // Kestro v1.0"), and each window's caption must read exactly as designed.
    QApplication::setApplicationName(toQString(product::kName));
    QApplication::setApplicationVersion(toQString(product::kVersion));
    // Ties the windows to the installed desktop entry (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName(toQString(product::kAppId));
    pictures::load();
    // Every window shows the program icon, the main window's title bar included.
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(pictures::kIcon)));
}

}  // namespace kestro
