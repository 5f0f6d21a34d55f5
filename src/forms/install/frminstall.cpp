#include "frminstall.h"

#include "forms/common/twips.h"
#include "forms/common/window_style.h"

namespace kestro {

frmInstall::frmInstall(std::function<std::optional<QString>()> resultText, QWidget* parent)
    : QWidget(parent), resultText_(std::move(resultText)) {
    setObjectName(QStringLiteral("frmInstall"));
    setWindowTitle(QStringLiteral("Install Config"));
    useFixedDialogBorder(this, twipsSize(4335, 3330));
    centreOnScreen(this);
}

}  // namespace kestro
