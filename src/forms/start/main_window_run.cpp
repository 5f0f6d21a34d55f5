#include "main_window_run.h"

#include <QApplication>

#include "forms/common/remaining_windows.h"
#include "frmstart.h"

namespace kestro {

int runMainWindow() {
    // Closing the main window by its close box closes it alone; the program ends with its
    // last window.
    auto* main = new frmStart;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    const int status = QApplication::exec();

    // "Exit!" leaves windows open; free them before the application object goes.
    deleteRemainingWindows();
    return status;
}

}  // namespace kestro
