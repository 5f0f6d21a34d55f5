#include "frmstart.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <stdexcept>

#include "config/controls.h"
#include "config/generator.h"
#include "config/product.h"
#include "description_hover.h"
#include "forms/common/qt_text.h"
#include "forms/common/window_style.h"
#include "frmstart_layout.h"
#include "window_openers.h"

namespace kestro {

const char* const kResultStartupText =
    "Press the \"Generate Config File!\" button after all appropiate selections are selected.\r\n"
    "The config will appear here after the button is pressed. You may edit as you see fit.\r\n";

namespace {

// The text widgets work with "\n"; the program's texts use carriage return + line feed.
QString toDisplayLineBreaks(const QString& crlfText) {
    return QString(crlfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
QString toCrlfLineBreaks(const QString& displayText) {
    return QString(displayText).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

}  // namespace

frmStart::frmStart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(toQString(product::kTitle));
    useFixedSingleBorder(this, twipsSize(kStartClientWidth, kStartClientHeight));

    elements_ = buildElements(this, startLayout());
    txtResult_ = element<QPlainTextEdit>(QStringLiteral("txtResult"));
    fillFromOptionControls();

    // Design state, then the start-up list choices.
    element<QRadioButton>(QStringLiteral("optOpenGL"))->setChecked(true);
    setGroupEnabled(*this, kNetgraphGroup, false);
    element(QStringLiteral("cmdInstall"))->setEnabled(false);
    setResultText(QString::fromLatin1(kResultStartupText));
    Form_Initialize();

    connectHandlers();
    new DescriptionHover(this, elements_, element<QLabel>(QStringLiteral("lblDescript")));
    centreOnScreen(this);
}

void frmStart::fillFromOptionControls() {
    for (const OptionControl& control : optionControls()) {
        QWidget* widget = requireElement(control.name);
        const QString caption = toQString(control.caption);
        switch (control.kind) {
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
            static_cast<QAbstractButton*>(widget)->setText(caption);
            break;
        case ControlKind::List: {
            auto* list = static_cast<QComboBox*>(widget);
            for (std::string_view item : control.items) list->addItem(toQString(item));
            list->setCurrentIndex(-1);
            static_cast<QLabel*>(requireElement(control.labelName))->setText(caption);
            break;
        }
        case ControlKind::TextField:
            static_cast<QLabel*>(requireElement(control.labelName))->setText(caption);
            break;
        }
    }
    const OptionSet design;
    element<QLineEdit>(QStringLiteral("txtFPS"))->setText(QString::fromStdString(design.txtFPS));
    element<QLineEdit>(QStringLiteral("txtDecals"))
        ->setText(QString::fromStdString(design.txtDecals));
}

void frmStart::Form_Initialize() {
    const OptionSet startup = startupOptionSet();
    for (const char* list : {"cboPicmip", "cboPlayermip", "cboTexture", "cboRate", "cboMaxSize"}) {
        writeValue(list, getOption(startup, list));
    }
}

void frmStart::connectHandlers() {
    connect(element<QCheckBox>(QStringLiteral("chkFX")), &QCheckBox::toggled, this,
            &frmStart::chkFX_Click);
    connect(element<QCheckBox>(QStringLiteral("chkNetGraph")), &QCheckBox::toggled, this,
            &frmStart::chkNetGraph_Click);
    connect(element<QRadioButton>(QStringLiteral("optSoftware")), &QRadioButton::toggled, this,
            [this](bool selected) { if (selected) optSoftware_Click(); });
    connect(element<QRadioButton>(QStringLiteral("optOpenGL")), &QRadioButton::toggled, this,
            [this](bool selected) { if (selected) optOpenGL_Click(); });
    const std::pair<const char*, void (frmStart::*)()> buttons[] = {
        {"cmdGenerate", &frmStart::cmdGenerate_Click}, {"cmdInstall", &frmStart::cmdInstall_Click},
        {"cmdPreset", &frmStart::cmdPreset_Click},     {"cmdAbout", &frmStart::cmdAbout_Click},
        {"cmdExit", &frmStart::cmdExit_Click},
    };
    for (const auto& [name, handler] : buttons) {
        connect(element<QPushButton>(QString::fromLatin1(name)), &QPushButton::clicked, this,
                handler);
    }
}

QWidget* frmStart::requireElement(std::string_view name) const {
    QWidget* widget = element(toQString(name));
    if (!widget) throw std::invalid_argument("frmStart has no element named " + std::string(name));
    return widget;
}

OptionSet frmStart::optionSet() const {
    OptionSet set;
    for (const OptionControl& control : optionControls()) {
        setOption(set, control.name, value(control.name));
    }
    return set;
}

OptionValue frmStart::value(std::string_view control) const {
    QWidget* widget = requireElement(control);
    switch (optionControl(control).kind) {
    case ControlKind::CheckBox:
        return static_cast<QCheckBox*>(widget)->isChecked() ? 1 : 0;
    case ControlKind::OptionButton:
        return static_cast<QRadioButton*>(widget)->isChecked();
    case ControlKind::List:
        return static_cast<QComboBox*>(widget)->currentIndex();
    case ControlKind::TextField:
        return static_cast<QLineEdit*>(widget)->text().toStdString();
    }
    throw std::logic_error("unknown control kind");
}

void frmStart::setValue(std::string_view control, const OptionValue& value) {
    writeValue(control, value);
}

void frmStart::writeValue(std::string_view control, const OptionValue& value) {
    QWidget* widget = requireElement(control);
    OptionSet kindCheck;
    setOption(kindCheck, control, value);  // throws on a value of the wrong kind
    switch (optionControl(control).kind) {
    case ControlKind::CheckBox:
        // A check box shows ticked or clear; like a click, a change runs the box's rule.
        static_cast<QCheckBox*>(widget)->setChecked(isTicked(std::get<int>(value)));
        break;
    case ControlKind::OptionButton: {
        const bool selected = std::get<bool>(value);
        if (selected) {
            static_cast<QRadioButton*>(widget)->setChecked(true);
        } else {
            // Clearing one of the two exclusive buttons selects the other.
            const QString other = control == "optOpenGL" ? QStringLiteral("optSoftware")
                                                          : QStringLiteral("optOpenGL");
            element<QRadioButton>(other)->setChecked(true);
        }
        break;
    }
    case ControlKind::List: {
        auto* list = static_cast<QComboBox*>(widget);
        const int index = std::get<int>(value);
        list->setCurrentIndex(index >= -1 && index < list->count() ? index : -1);
        break;
    }
    case ControlKind::TextField:
        static_cast<QLineEdit*>(widget)->setText(QString::fromStdString(std::get<std::string>(value)));
        break;
    }
}

bool frmStart::isEnabled(std::string_view control) const {
    return requireElement(control)->isEnabled();
}

void frmStart::setEnabled(std::string_view control, bool enabled) {
    requireElement(control)->setEnabled(enabled);
}

QString frmStart::resultText() const { return toCrlfLineBreaks(txtResult_->toPlainText()); }

void frmStart::setResultText(const QString& crlfText) {
    txtResult_->setPlainText(toDisplayLineBreaks(crlfText));
}

void frmStart::chkFX_Click() { fxRule(*this); }

void frmStart::chkNetGraph_Click() { netGraphRule(*this); }

void frmStart::optSoftware_Click() { renderingRule(*this, false); }

void frmStart::optOpenGL_Click() { renderingRule(*this, true); }

void frmStart::cmdGenerate_Click() {
    element(QStringLiteral("cmdInstall"))->setEnabled(true);
    const std::string text = generateConfig(optionSet());
    // Generated lines are ASCII; typed text fields may hold any character.
    setResultText(QString::fromStdString(text));
}

void frmStart::cmdInstall_Click() { openInstallWindow(this); }

void frmStart::cmdPreset_Click() { openPresetWindow(this); }

void frmStart::cmdAbout_Click() { openAboutWindow(); }

void frmStart::cmdExit_Click() { QApplication::quit(); }

}  // namespace kestro
