#include <QApplication>
#include <QPointer>

#include "config/product.h"
#include "forms/start/frmstart.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestro v1.0"));
    QApplication::setApplicationVersion(QString::fromLatin1(kestro::product::kVersion.data()));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestro/kestro.png")));

    // Closing the main window by its close box closes it alone; the program ends with its
    // last window.
    auto* main = new kestro::frmStart;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    const int status = QApplication::exec();

    // "Exit!" leaves windows open; free them before the application object goes. Deleting
    // one window may delete another, so they are held by QPointer.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() == nullptr) windows.append(window);
    }
    for (const QPointer<QWidget>& window : windows) delete window.data();
    return status;
}
