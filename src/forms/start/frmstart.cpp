#include "frmstart.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

#include "config/generator.h"
#include "config/product.h"
#include "description_hover.h"
#include "qt/qt_text.h"
#include "forms/common/window_style.h"
#include "window_openers.h"

namespace kestro {

namespace {

// The text widgets work with "\n"; the program's texts use carriage return + line feed.
QString toDisplayLineBreaks(const QString& crlfText) {
    return QString(crlfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
// The document as typed: every line break it shows becomes CR LF, be it a paragraph end
// (Enter, a pasted line break) or a line separator (Shift+Enter); every other character (a
// no-break space) stays what it is, where toPlainText() would turn it into a space.
QString typedText(const QPlainTextEdit* box) {
    QString text = box->document()->toRawText();
    for (const QChar lineBreak : {QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)})
        text.replace(lineBreak, QStringLiteral("\r\n"));
    return text;
}

// Each kind of option control shows its member's type: a check box 0 or 1, a list an index
// or kNothingSelected, an option button whether it is selected, a text field UTF-8 text.
int valueOf(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }
int valueOf(const QComboBox* list) { return list->currentIndex(); }
bool valueOf(const QRadioButton* button) { return button->isChecked(); }
std::string valueOf(const QLineEdit* field) { return field->text().toStdString(); }

void showValue(QCheckBox* box, int value) { box->setChecked(isTicked(value)); }
void showValue(QComboBox* list, int value) {
    list->setCurrentIndex(value >= 0 && value < list->count() ? value : kNothingSelected);
}
// The two buttons form one exclusive group: selecting one clears the other.
void showValue(QRadioButton* button, bool value) {
    if (value) button->setChecked(true);
}
void showValue(QLineEdit* field, const std::string& value) {
    const QString text = QString::fromStdString(value);
    // Setting the same text again would still move the cursor and clear the undo history.
    if (field->text() != text) field->setText(text);
}

}  // namespace

frmStart::frmStart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(fromUtf8(product::kTitle));
    useFixedSingleBorder(this, twipsSize(kStartClientWidth, kStartClientHeight));

    const Elements elements = buildElements(this, startElements(), &StartElement::element);
    txtResult_ = elements.get<QPlainTextEdit>("txtResult");
    txtResult_->setAccessibleName(QStringLiteral("Config text"));
    cmdInstall_ = elements.get<QPushButton>("cmdInstall");
    bindOptionControls(elements);

    // Design state (lists without a selection, "Install Config" disabled, the instructions in
    // the result box), then the start-up list choices.
    cmdInstall_->setEnabled(false);
    setResultText(QString::fromLatin1(kResultStartupText));
    Form_Initialize();

    connectButtons(elements);
    new DescriptionHover(this, QString::fromLatin1(kStartWindowHelp), elements,
                         elements.get<QLabel>("lblDescript"));
    centreOnScreen(this);
}

void frmStart::bindOptionControls(const Elements& elements) {
    for (const StartElement& row : startElements()) {
        std::visit(
            [&](auto binding) {
                using Binding = decltype(binding);
                if constexpr (!std::is_same_v<Binding, std::monostate>)
                    bindOption(elements.get<typename Binding::Widget>(row.element.name),
                               binding.member);
            },
            row.option);
        if (row.group == Group::OpenGL) openGLGroup_ << elements.get(row.element.name);
        if (row.group == Group::NetGraph) netGraphGroup_ << elements.get(row.element.name);
    }
}

template <class Widget, class Value>
void frmStart::bindOption(Widget* widget, Value OptionSet::*member) {
    options_.push_back(
        {[widget, member](OptionSet& options) { options.*member = valueOf(widget); },
         [widget, member](const OptionSet& options) { showValue(widget, options.*member); }});
    if constexpr (std::is_same_v<Widget, QCheckBox>) {
        connect(widget, &QCheckBox::toggled, this, [this, member] { optionClicked(member); });
    } else if constexpr (std::is_same_v<Widget, QRadioButton>) {
        // The rendering rule: the OpenGL group follows the selected option button.
        connect(widget, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected && !showing_) showOptions(optionSet());
        });
    }
}

void frmStart::Form_Initialize() { showOptions(startupOptionSet()); }

void frmStart::connectButtons(const Elements& elements) {
    const std::pair<const char*, void (frmStart::*)()> buttons[] = {
        {"cmdGenerate", &frmStart::cmdGenerate_Click}, {"cmdInstall", &frmStart::cmdInstall_Click},
        {"cmdPreset", &frmStart::cmdPreset_Click},     {"cmdAbout", &frmStart::cmdAbout_Click},
        {"cmdExit", &frmStart::cmdExit_Click},
    };
    for (const auto& [name, handler] : buttons)
        connect(elements.get<QPushButton>(name), &QPushButton::clicked, this, handler);
}

void frmStart::optionClicked(CheckBox box) {
    if (showing_) return;
    OptionSet options = optionSet();
    checkBoxChanged(options, box);
    showOptions(options);
}

OptionSet frmStart::optionSet() const {
    OptionSet options;
    for (const OptionControl& control : options_) control.read(options);
    return options;
}

void frmStart::showOptions(const OptionSet& options) {
    const bool wasShowing = std::exchange(showing_, true);
    for (const OptionControl& control : options_) control.show(options);
    const EnabledGroups enabled = enabledGroups(options);
    for (QWidget* w : openGLGroup_) w->setEnabled(enabled.openGL);
    for (QWidget* w : netGraphGroup_) w->setEnabled(enabled.netGraph);
    showing_ = wasShowing;
}

void frmStart::showPreset(Preset preset) {
    OptionSet options = optionSet();
    applyPreset(options, preset);
    showOptions(options);
}

QString frmStart::resultText() const { return typedText(txtResult_); }

void frmStart::setResultText(const QString& crlfText) {
    txtResult_->setPlainText(toDisplayLineBreaks(crlfText));
}

void frmStart::cmdGenerate_Click() {
    cmdInstall_->setEnabled(true);
    const std::string text = generateConfig(optionSet());
    // Generated lines are ASCII; typed text fields may hold any character.
    setResultText(QString::fromStdString(text));
}

void frmStart::cmdInstall_Click() { openInstallWindow(this); }

void frmStart::cmdPreset_Click() { openPresetWindow(this); }

void frmStart::cmdAbout_Click() { openAboutWindow(); }

void frmStart::cmdExit_Click() { QApplication::quit(); }

}  // namespace kestro
