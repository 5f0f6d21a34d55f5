// The program's own start-up, as src/main.cpp does it, ending at the main window's first
// complete frame.
#include <QApplication>

#include "first_paint.h"
#include "forms/common/application.h"
#include "forms/common/remaining_windows.h"
#include "forms/start/frmstart.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kestro::setUpApplication();

    auto* main = new kestro::frmStart;
    main->setAttribute(Qt::WA_DeleteOnClose);
    new kestro::bench::FirstPaintReporter(main);
    main->show();
    const int status = QApplication::exec();
    kestro::deleteRemainingWindows();
    return status;
}
