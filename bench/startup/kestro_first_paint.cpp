// The program's own start-up, as src/main.cpp does it, ending at the main window's first
// complete frame.
#include <QApplication>
#include <QIcon>

#include "config/product.h"
#include "first_paint.h"
#include "forms/common/remaining_windows.h"
#include "forms/start/frmstart.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestro v1.0"));
    QApplication::setApplicationVersion(QString::fromLatin1(kestro::product::kVersion.data()));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestro/kestro.png")));
    // Ties the windows to the installed desktop entry (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.kestro"));

    auto* main = new kestro::frmStart;
    main->setAttribute(Qt::WA_DeleteOnClose);
    new kestro::bench::FirstPaintReporter(main);
    main->show();
    const int status = QApplication::exec();
    kestro::deleteRemainingWindows();
    return status;
}
