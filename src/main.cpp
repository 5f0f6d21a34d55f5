#include <QApplication>

#include <memory>
#include <optional>

#include "cli/command_line.h"
#include "forms/common/application.h"
#include "forms/start/main_window_run.h"
#include "platform/disk_errors.h"

int main(int argc, char* argv[]) {
    kestro::failDiskErrorsQuietly();

    // Options are answered on the terminal, without a display; a bare start opens the windows.
    if (const std::optional<int> status = kestro::cli::answerOnTerminal(argc, argv)) {
        return *status;
    }

    const std::unique_ptr<QApplication> application = kestro::connectToDisplay(argc, argv);
    kestro::setUpApplication();

    return kestro::runMainWindow();
}
