#include <QApplication>

#include "forms/common/application.h"
#include "forms/common/remaining_windows.h"
#include "forms/start/frmstart.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kestro::setUpApplication();

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
