#include "frmabout.h"

#include "forms/common/twips.h"
#include "forms/common/window_style.h"

namespace kestro {

frmAbout::frmAbout(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Kestro v1.0a"));
    useFixedDialogBorder(this, twipsSize(5730, 3555));
    centreOnScreen(this);
}

}  // namespace kestro
