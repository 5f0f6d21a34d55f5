#include "frmpreset.h"

#include <QPushButton>

#include "forms/common/twips.h"
#include "forms/common/window_style.h"

namespace kestro {

namespace {

using K = ElementKind;
constexpr Emphasis kBold = Emphasis::Bold;

// Left, top, width, height in twips, in keyboard focus order (the label takes no focus).
constexpr ElementSpec kLayout[]{
    {"Label1", K::Label, "",
     "These presets only affect options that are not dependant on the type of processor, "
     "video card or Internet connection you have.",
     {240, 120, 3855, 675}, kBold},
    {"cmdLow", K::Button, "", "I found my computer in a junkyard (Lowest)",
     {240, 900, 3855, 435}, kBold},
    {"cmdDefault", K::Button, "", "I'm scared I'll hurt my system (HL Default)",
     {240, 1500, 3855, 435}, kBold},
    {"cmdHigh", K::Button, "", "I'm a rich brat with a L337 system (Highest)",
     {240, 2100, 3855, 435}, kBold},
};

}  // namespace

frmPreset::frmPreset(std::function<OptionControls*()> mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(std::move(mainWindow)) {
    setObjectName(QStringLiteral("frmPreset"));
    setWindowTitle(QStringLiteral("Presets"));
    useFixedDialogBorder(this, twipsSize(4350, 2820));

    elements_ = buildElements(this, kLayout);
    const std::pair<const char*, void (frmPreset::*)()> buttons[] = {
        {"cmdLow", &frmPreset::cmdLow_Click},
        {"cmdDefault", &frmPreset::cmdDefault_Click},
        {"cmdHigh", &frmPreset::cmdHigh_Click},
    };
    for (const auto& [name, handler] : buttons) {
        connect(qobject_cast<QPushButton*>(element(QString::fromLatin1(name))),
                &QPushButton::clicked, this, handler);
    }
    centreOnScreen(this);
}

void frmPreset::cmdLow_Click() { apply(Preset::Low); }

void frmPreset::cmdDefault_Click() { apply(Preset::Default); }

void frmPreset::cmdHigh_Click() { apply(Preset::High); }

void frmPreset::apply(Preset preset) {
    // The presets window may outlive the main window (closed by its close box); a preset
    // then has nothing to write to and does nothing.
    OptionControls* target = mainWindow_ ? mainWindow_() : nullptr;
    if (target) applyPreset(*target, preset);
}

}  // namespace kestro
