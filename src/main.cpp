#include <QApplication>

#include "config/product.h"
#include "forms/common/remaining_windows.h"
#include "forms/start/frmstart.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestro v1.0"));
    QApplication::setApplicationVersion(QString::fromLatin1(kestro::product::kVersion.data()));
    // Every window shows the program icon, the main window's title bar included.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestro/kestro.png")));
    // Ties the windows to the installed desktop entry (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.kestro"));

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
