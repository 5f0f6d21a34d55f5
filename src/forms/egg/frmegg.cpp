#include "frmegg.h"

#include <array>

#include "forms/common/pictures.h"
#include "forms/common/twips.h"
#include "forms/common/window_style.h"

namespace kestro {

namespace {

// The picture box reaches 60 twips above the client area and a little past its right and
// bottom edges; the picture sits in its top-left corner at natural size, so its top four rows
// and a few pixels at the right and bottom are cut off.
const std::array kLayout{
    ElementSpec{"picScreenie", ElementKind::PictureBox, "", pictures::kScreenshot,
                {0, -60, 9615, 7215}},
};

}  // namespace

frmEgg::frmEgg(QWidget* parent) : QWidget(parent) {
    pictures::load();
    setObjectName(QStringLiteral("frmEgg"));
    setWindowTitle(QStringLiteral("cl_FlushEntityPacket"));
    useFixedDialogBorder(this, twipsSize(9570, 7080));
    elements_ = buildElements(this, kLayout);
    elements_.value(QStringLiteral("picScreenie"))
        ->setToolTip(QStringLiteral("You Found An Easter Egg!"));
    centreOnScreen(this);
}

}  // namespace kestro
