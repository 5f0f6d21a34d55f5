#pragma once
// The main window: every option control in four frames, the result box, the description
// panel and five buttons.

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "config/option_set.h"
#include "config/presets.h"
#include "config/rules.h"
#include "frmstart_elements.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kestro {

class frmStart : public QWidget {
    Q_OBJECT

public:
    explicit frmStart(QWidget* parent = nullptr);

    // A consistent snapshot of the option values, as the generator reads them.
    OptionSet optionSet() const;
    // Writes the preset into the controls, as the presets window's buttons do.
    void showPreset(Preset preset);

    // The result box's text with every line break as carriage return + line feed, as it is
    // shown and installed.
    QString resultText() const;

public slots:
    void cmdGenerate_Click();
    void cmdInstall_Click();
    void cmdPreset_Click();
    void cmdAbout_Click();
    void cmdExit_Click();

private:
    // An option control as its row binds it: it reads its value into an option set and shows
    // an option set's value.
    struct OptionControl {
        std::function<void(OptionSet&)> read;
        std::function<void(const OptionSet&)> show;
    };

    void Form_Initialize();
    // Shows `options` in the controls and enables the groups that follow from them. Nothing
    // runs for what changes here: the rules have already been applied to `options`.
    void showOptions(const OptionSet& options);
    void setResultText(const QString& crlfText);
    void bindOptionControls(const Elements& elements);
    template <class Widget, class Value>
    void bindOption(Widget* widget, Value OptionSet::*member);
    void connectButtons(const Elements& elements);
    // A check box or option button changed by the user: its rule runs on the option set.
    void optionClicked(CheckBox box);

    std::vector<OptionControl> options_;  // the option controls in table order
    QList<QWidget*> openGLGroup_;
    QList<QWidget*> netGraphGroup_;
    QPlainTextEdit* txtResult_ = nullptr;
    QPushButton* cmdInstall_ = nullptr;
    bool showing_ = false;  // showOptions is writing the controls
};

}  // namespace kestro
