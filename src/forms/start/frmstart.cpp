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
#include "forms/common/qt_text.h"
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

// Each kind of option control turns into its member's type and back.
template <class Member>
struct Binding;

template <>
struct Binding<int OptionSet::*> {  // check box: 0 or 1; list: index or -1
    static int read(const QWidget* w) {
        if (auto* box = qobject_cast<const QCheckBox*>(w)) return box->isChecked() ? 1 : 0;
        return static_cast<const QComboBox*>(w)->currentIndex();
    }
    static void write(QWidget* w, int value) {
        if (auto* box = qobject_cast<QCheckBox*>(w)) return box->setChecked(isTicked(value));
        auto* list = static_cast<QComboBox*>(w);
        list->setCurrentIndex(value >= -1 && value < list->count() ? value : -1);
    }
};

template <>
struct Binding<bool OptionSet::*> {  // option button
    static bool read(const QWidget* w) { return static_cast<const QRadioButton*>(w)->isChecked(); }
    // The two buttons form one exclusive group: selecting one clears the other.
    static void write(QWidget* w, bool value) {
        if (value) static_cast<QRadioButton*>(w)->setChecked(true);
    }
};

template <>
struct Binding<std::string OptionSet::*> {  // text field, as UTF-8
    static std::string read(const QWidget* w) {
        return static_cast<const QLineEdit*>(w)->text().toStdString();
    }
    static void write(QWidget* w, const std::string& value) {
        auto* field = static_cast<QLineEdit*>(w);
        const QString text = QString::fromStdString(value);
        // Setting the same text again would still move the cursor and clear the undo history.
        if (field->text() != text) field->setText(text);
    }
};

// Calls `use` with an option control's member and widget, for a control that shows a member.
template <class Control, class Use>
void bind(const Control& control, Use use) {
    std::visit(
        [&](auto member) {
            if constexpr (!std::is_same_v<decltype(member), std::monostate>)
                use(member, control.widget);
        },
        control.member);
}

}  // namespace

frmStart::frmStart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(toQString(product::kTitle));
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

    connectHandlers(elements);
    new DescriptionHover(this, QString::fromLatin1(kStartWindowHelp), elements,
                         elements.get<QLabel>("lblDescript"));
    centreOnScreen(this);
}

void frmStart::bindOptionControls(const Elements& elements) {
    const auto& widgets = elements.inTableOrder();
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        const StartElement& row = startElements()[std::size_t(i)];
        if (!std::holds_alternative<std::monostate>(row.option))
            options_.push_back({widgets[i], row.option});
        if (row.group == Group::OpenGL) openGLGroup_ << widgets[i];
        if (row.group == Group::NetGraph) netGraphGroup_ << widgets[i];
    }
}

void frmStart::Form_Initialize() { showOptions(startupOptionSet()); }

void frmStart::connectHandlers(const Elements& elements) {
    for (const OptionControl& control : options_) {
        if (auto* box = qobject_cast<QCheckBox*>(control.widget)) {
            const CheckBox member = std::get<int OptionSet::*>(control.member);
            connect(box, &QCheckBox::toggled, this, [this, member] { optionClicked(member); });
        } else if (auto* button = qobject_cast<QRadioButton*>(control.widget)) {
            // The rendering rule: the OpenGL group follows the selected option button.
            connect(button, &QRadioButton::toggled, this, [this](bool selected) {
                if (selected && !showing_) showOptions(optionSet());
            });
        }
    }
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
    for (const OptionControl& control : options_)
        bind(control, [&]<class Member>(Member member, const QWidget* w) {
            options.*member = Binding<Member>::read(w);
        });
    return options;
}

void frmStart::showOptions(const OptionSet& options) {
    const bool wasShowing = std::exchange(showing_, true);
    for (const OptionControl& control : options_)
        bind(control, [&]<class Member>(Member member, QWidget* w) {
            Binding<Member>::write(w, options.*member);
        });
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
