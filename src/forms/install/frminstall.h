#pragma once
// The install window: game directory, the mods to install to, and "Install".

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace kestro {

class frmInstall : public QWidget {
    Q_OBJECT

public:
    // `resultText` yields the main window's result box text (CRLF line breaks) at the moment
    // of installing, or nothing once the main window is gone.
    explicit frmInstall(std::function<std::optional<QString>()> resultText,
                        QWidget* parent = nullptr);

private:
    std::function<std::optional<QString>()> resultText_;
};

}  // namespace kestro
