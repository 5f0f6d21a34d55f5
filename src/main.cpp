#include <QApplication>

#include "config/product.h"
#include "forms/common/pictures.h"
#include "forms/common/remaining_windows.h"
#include "forms/start/frmstart.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The facts the executable's version block carries on Windows: internal name and version.
    // No display name: on X11 Qt appends it to every window title ("About Kestro v1.0a —
    // Kestro v1.0"), and each window's caption must read exactly as designed.
    QApplication::setApplicationName(QStringLiteral("kestro"));
    QApplication::setApplicationVersion(QString::fromLatin1(kestro::product::kVersion.data()));
    // Ties the windows to the installed desktop entry (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.kestro"));
    kestro::pictures::load();
    // Every window shows the program icon, the main window's title bar included.
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(kestro::pictures::kIcon)));

    // Closing the main window by its close box closes it alone; the program ends with its
    // last window.
    auto* main = new kestro::frmStart;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    const int status = QApplication::exec();

    // "Exit!" leaves windows open; free them before the application object goes.
    kestro::deleteRemainingWindows();
    return status;
}
