#include "frmegg.h"

#include "forms/common/pictures.h"
#include "forms/common/form_builder.h"
#include "forms/common/window_style.h"

namespace kestro {

namespace {

// The picture box reaches 60 twips above the client area and a little past its right and
// bottom edges; the picture sits in its top-left corner at natural size, so its top four rows
// and a few pixels at the right and bottom are cut off.
constexpr ElementSpec kElements[]{
    {.name = "picScreenie", .kind = ElementKind::PictureBox, .rect = {0, -60, 9615, 7215},
     .caption = pictures::kScreenshot},
};

}  // namespace

frmEgg::frmEgg(QWidget* parent) : QWidget(parent) {
    pictures::load();
    setObjectName(QStringLiteral("frmEgg"));
    setWindowTitle(QStringLiteral("cl_FlushEntityPacket"));
    useFixedDialogBorder(this, twipsSize(9570, 7080));
    buildElements(this, kElements)
        .get("picScreenie")
        ->setToolTip(QStringLiteral("You Found An Easter Egg!"));
    centreOnScreen(this);
}

}  // namespace kestro
