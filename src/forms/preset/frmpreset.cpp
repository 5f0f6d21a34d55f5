#include "frmpreset.h"

#include <QPushButton>

#include "forms/common/form_builder.h"
#include "forms/common/window_style.h"

namespace kestro {

namespace {

using K = ElementKind;
constexpr Emphasis kBold = Emphasis::Bold;

// Left, top, width, height in twips, in keyboard focus order (the label takes no focus).
constexpr ElementSpec kElements[]{
    // "dependant" is the window's own spelling, kept as players know it.
    {.name = "Label1", .kind = K::Label, .rect = {240, 120, 3855, 675},
     .caption = "These presets only affect options that are not dependant on the type of "
                "processor, video card or Internet connection you have.",
     .emphasis = kBold},
    {.name = "cmdLow", .kind = K::Button, .rect = {240, 900, 3855, 435},
     .caption = "I found my computer in a junkyard (Lowest)", .emphasis = kBold},
    {.name = "cmdDefault", .kind = K::Button, .rect = {240, 1500, 3855, 435},
     .caption = "I'm scared I'll hurt my system (HL Default)", .emphasis = kBold},
    {.name = "cmdHigh", .kind = K::Button, .rect = {240, 2100, 3855, 435},
     .caption = "I'm a rich brat with a L337 system (Highest)", .emphasis = kBold},
};

}  // namespace

frmPreset::frmPreset(std::function<void(Preset)> apply, QWidget* parent)
    : QWidget(parent), apply_(std::move(apply)) {
    setObjectName(QStringLiteral("frmPreset"));
    setWindowTitle(QStringLiteral("Presets"));
    useFixedDialogBorder(this, twipsSize(4350, 2820));

    const Elements elements = buildElements(this, kElements);
    connect(elements.get<QPushButton>("cmdLow"), &QPushButton::clicked, this,
            &frmPreset::cmdLow_Click);
    connect(elements.get<QPushButton>("cmdDefault"), &QPushButton::clicked, this,
            &frmPreset::cmdDefault_Click);
    connect(elements.get<QPushButton>("cmdHigh"), &QPushButton::clicked, this,
            &frmPreset::cmdHigh_Click);
    centreOnScreen(this);
}

void frmPreset::cmdLow_Click() { apply_(Preset::Low); }

void frmPreset::cmdDefault_Click() { apply_(Preset::Default); }

void frmPreset::cmdHigh_Click() { apply_(Preset::High); }

}  // namespace kestro
