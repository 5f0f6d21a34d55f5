#pragma once
// The main window: every option control in four frames, the result box, the description
// panel and five buttons.

#include <QString>
#include <QWidget>

#include "config/option_set.h"
#include "forms/common/form_builder.h"
#include "rules.h"

class QPlainTextEdit;

namespace kestro {

class frmStart : public QWidget, public OptionControls {
    Q_OBJECT

public:
    explicit frmStart(QWidget* parent = nullptr);

    // The element (control, label or frame) with this control name; nullptr if none.
    QWidget* element(const QString& name) const { return elements_.value(name); }
    template <class T>
    T* element(const QString& name) const {
        return qobject_cast<T*>(element(name));
    }

    // A consistent snapshot of the 34 option values, as the generator reads them.
    OptionSet optionSet() const;

    // The result box's text with every line break as carriage return + line feed, as it is
    // shown and installed.
    QString resultText() const;
    void setResultText(const QString& crlfText);

    // OptionControls: option values by control name, enabled flags by element name.
    OptionValue value(std::string_view control) const override;
    void setValue(std::string_view control, const OptionValue& value) override;
    bool isEnabled(std::string_view control) const override;
    void setEnabled(std::string_view control, bool enabled) override;

public slots:
    void chkFX_Click();
    void chkNetGraph_Click();
    void optSoftware_Click();
    void optOpenGL_Click();
    void cmdGenerate_Click();
    void cmdInstall_Click();
    void cmdPreset_Click();
    void cmdAbout_Click();
    void cmdExit_Click();

private:
    void fillFromOptionControls();
    void Form_Initialize();
    void connectHandlers();
    QWidget* requireElement(std::string_view name) const;
    // setValue without virtual dispatch, for use during construction.
    void writeValue(std::string_view control, const OptionValue& value);

    ElementMap elements_;
    QPlainTextEdit* txtResult_ = nullptr;
};

// The result box's text before the first generation.
extern const char* const kResultStartupText;

}  // namespace kestro
