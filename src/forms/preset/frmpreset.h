#pragma once
// The presets window: three buttons that each write a fixed part of the option set into the
// main window.

#include <QWidget>
#include <functional>

#include "forms/common/form_builder.h"
#include "presets.h"

namespace kestro {

class OptionControls;

class frmPreset : public QWidget {
    Q_OBJECT

public:
    // `mainWindow` yields the main window's controls, or nullptr once it is gone.
    explicit frmPreset(std::function<OptionControls*()> mainWindow, QWidget* parent = nullptr);

    QWidget* element(const QString& name) const { return elements_.value(name); }

public slots:
    void cmdLow_Click();
    void cmdDefault_Click();
    void cmdHigh_Click();

private:
    void apply(Preset preset);

    std::function<OptionControls*()> mainWindow_;
    ElementMap elements_;
};

}  // namespace kestro
