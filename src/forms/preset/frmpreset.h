#pragma once
// The presets window: three buttons that each write a fixed part of the option set into the
// main window.

#include <QWidget>
#include <functional>

namespace kestro {

class OptionControls;

class frmPreset : public QWidget {
    Q_OBJECT

public:
    // `mainWindow` yields the main window's controls, or nullptr once it is gone.
    explicit frmPreset(std::function<OptionControls*()> mainWindow, QWidget* parent = nullptr);

private:
    std::function<OptionControls*()> mainWindow_;
};

}  // namespace kestro
