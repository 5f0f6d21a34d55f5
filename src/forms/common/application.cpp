#include "application.h"

#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "config/product.h"
#include "pictures.h"
#include "qt/qt_text.h"

namespace kestro {

namespace {

// What Qt says while the application object connects to the display: passed on once it has
// connected, dropped for the one line that says why the program cannot start when it has not.
QStringList* heldMessages = nullptr;

void holdOrRefuse(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages->append(qFormatLogMessage(type, context, message));
        return;
    }
    std::fputs("kestro: cannot open its window without a display; "
               "`kestro --help` lists what works without one.\n", stderr);
    std::fflush(stderr);
    std::_Exit(1);  // the half-built application object must not be torn down
}

}  // namespace

std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv) {
    QStringList held;
    heldMessages = &held;
    const QtMessageHandler previous = qInstallMessageHandler(holdOrRefuse);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    heldMessages = nullptr;
    for (const QString& message : std::as_const(held))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    return application;
}

void setUpApplication() {
    // The facts the executable's version block carries on Windows: internal name and version.
    // No display name: on X11 Qt appends it to every window title ("About Kestro v1.0a —
    // Kestro v1.0"), and each window's caption must read exactly as designed.
    QApplication::setApplicationName(fromUtf8(product::kName));
    QApplication::setApplicationVersion(fromUtf8(product::kVersion));
    // Ties the windows to the installed desktop entry (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName(fromUtf8(product::kAppId));
    pictures::load();
    // Every window shows the program icon, the main window's title bar included.
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(pictures::kIcon)));
}

}  // namespace kestro
