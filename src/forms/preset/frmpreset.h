#pragma once
// The presets window: three buttons that each write a fixed part of the option set into the
// main window.

#include <QWidget>
#include <functional>

#include "config/presets.h"

namespace kestro {

class frmPreset : public QWidget {
    Q_OBJECT

public:
    // `apply` writes a preset into the main window (or does nothing once that is gone).
    explicit frmPreset(std::function<void(Preset)> apply, QWidget* parent = nullptr);

public slots:
    void cmdLow_Click();
    void cmdDefault_Click();
    void cmdHigh_Click();

private:
    std::function<void(Preset)> apply_;
};

}  // namespace kestro
