#include <QApplication>

#include <memory>
#include <optional>

#include "cli/command_line.h"
#include "forms/common/application.h"
#include "forms/common/remaining_windows.h"
#include "forms/start/frmstart.h"
#include "platform/disk_errors.h"

int main(int argc, char* argv[]) {
    kestro::failDiskErrorsQuietly();

    // Options are answered on the terminal, without a display; a bare start opens the windows.
    if (const std::optional<int> status = kestro::cli::answerOnTerminal(argc, argv)) {
        return *status;
    }

    const std::unique_ptr<QApplication> application = kestro::connectToDisplay(argc, argv);
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
