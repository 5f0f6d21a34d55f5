#include "frmpreset.h"

#include "forms/common/twips.h"
#include "forms/common/window_style.h"

namespace kestro {

frmPreset::frmPreset(std::function<OptionControls*()> mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(std::move(mainWindow)) {
    setObjectName(QStringLiteral("frmPreset"));
    setWindowTitle(QStringLiteral("Presets"));
    useFixedDialogBorder(this, twipsSize(4350, 2820));
    centreOnScreen(this);
}

}  // namespace kestro
