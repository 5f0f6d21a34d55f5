#include "frminstall.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <array>

#include "forms/browse/frmbrowse.h"
#include "forms/common/qt_text.h"
#include "forms/common/messages.h"
#include "forms/common/single_window.h"
#include "forms/common/twips.h"
#include "forms/common/window_style.h"
#include "install/install_config.h"
#include "install_input.h"

namespace kestro {

const char* const kInstalledMessage = "Installion Complete! Enjoy!";
const char* const kModsNotFoundMessage =
    "One or more mods not found. Possibly wrong directory selected.";
const char* const kCannotInstallTitle = "Cannot Install";
const char* const kNoConfigMessage =
    "The main window has been closed, so there is no config to install. Nothing was written.";

namespace {

using K = ElementKind;
constexpr Emphasis kBold = Emphasis::Bold;

// Left, top, width, height in twips, in focus order: "Install" first, so that it holds the
// focus when the window opens. The check boxes take their captions from the install table.
const std::array kLayout{
    ElementSpec{"lblBrowse", K::Label, "", "Please browse to your Half-Life directory.",
                {240, 180, 3555, 195}, kBold},
    ElementSpec{"Line1", K::Separator, "", "", {60, 900, 4200, 30}},
    ElementSpec{"lblMods", K::Label, "", "Select the games to have config installed to.",
                {240, 1020, 3855, 255}, kBold},
    ElementSpec{"cmdSave", K::Button, "", "Install", {2580, 2040, 1095, 375}},
    ElementSpec{"cmdCancel", K::Button, "", "Cancel", {2580, 2520, 1095, 375}},
    ElementSpec{"txtFileName", K::TextField, "", "C:\\Sierra\\Half-Life", {240, 420, 2835, 315}},
    ElementSpec{"chkCStrike", K::CheckBox, "", "", {300, 1680, 1755, 255}},
    ElementSpec{"chkDoD", K::CheckBox, "", "", {300, 1980, 1755, 255}},
    ElementSpec{"chkFirearms", K::CheckBox, "", "", {300, 2580, 1755, 255}},
    ElementSpec{"chkAction", K::CheckBox, "", "", {300, 1380, 1755, 255}},
    ElementSpec{"chkTFC", K::CheckBox, "", "", {2220, 1680, 1875, 255}},
    ElementSpec{"chkValve", K::CheckBox, "", "", {2220, 1380, 1875, 255}},
    ElementSpec{"cmdBrowse", K::Button, "", "Browse", {3180, 420, 915, 315}},
    ElementSpec{"chkDMC", K::CheckBox, "", "", {300, 2280, 1755, 255}},
    ElementSpec{"chkFLF", K::CheckBox, "", "", {300, 2880, 1755, 255}},
};

}  // namespace

frmInstall::frmInstall(std::function<std::optional<QString>()> resultText, QWidget* parent)
    : QWidget(parent), resultText_(std::move(resultText)) {
    setObjectName(QStringLiteral("frmInstall"));
    setWindowTitle(QStringLiteral("Install Config"));
    useFixedDialogBorder(this, twipsSize(4335, 3330));

    elements_ = buildElements(this, kLayout);
    txtFileName_ = element<QLineEdit>(QStringLiteral("txtFileName"));
    for (const InstallRow& row : kInstallTable) {
        auto* box = element<QCheckBox>(toQString(row.checkBox));
        box->setText(toQString(row.caption));
        box->setChecked(row.tickedByDefault);
    }

    const std::pair<const char*, void (frmInstall::*)()> buttons[] = {
        {"cmdSave", &frmInstall::cmdSave_Click},
        {"cmdCancel", &frmInstall::cmdCancel_Click},
        {"cmdBrowse", &frmInstall::cmdBrowse_Click},
    };
    for (const auto& [name, handler] : buttons) {
        auto* button = element<QPushButton>(QString::fromLatin1(name));
        // Neither Enter nor Escape belongs to a button of this window.
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
    }
    element(QStringLiteral("cmdSave"))->setFocus();
    centreOnScreen(this);
}

void frmInstall::setGameDirectory(const QString& path) { txtFileName_->setText(path); }

TickedRows frmInstall::tickedRows() const {
    TickedRows ticked{};
    for (std::size_t row = 0; row < kInstallTable.size(); ++row) {
        ticked[row] =
            element<QCheckBox>(toQString(kInstallTable[row].checkBox))->checkState() == Qt::Checked;
    }
    return ticked;
}

void frmInstall::cmdSave_Click() {
    // The result box as it stands now, edits included.
    const std::optional<QString> text = resultText_();
    if (!text) {
        showMessage(QString::fromLatin1(kNoConfigMessage), QString::fromLatin1(kCannotInstallTitle),
                    MessageIcon::Exclamation, this);
        return;
    }
    const InstallResult result =
        InstallConfig(toGameDirectory(txtFileName_->text()), tickedRows(), toLatin1Bytes(*text));
    if (!result.succeeded()) {
        // One message for every failure; path and ticks stay for another try.
        showMessage(QString::fromLatin1(kModsNotFoundMessage),
                    QString::fromLatin1(kCannotInstallTitle), MessageIcon::Exclamation, this);
        return;
    }
    showMessage(QString::fromLatin1(kInstalledMessage), {}, MessageIcon::None, this);
    close();
}

void frmInstall::cmdCancel_Click() { close(); }

void frmInstall::cmdBrowse_Click() {
    // The browser writes into the install window that opened it or, once that is closed,
    // into the one open now; with no install window open it writes nothing.
    QPointer<frmInstall> opener(this);
    SingleWindow<frmBrowse>::show([opener] {
        return new frmBrowse([opener](const QString& path) {
            frmInstall* target = opener ? opener.data() : SingleWindow<frmInstall>::current();
            if (target) target->setGameDirectory(path);
        });
    });
}

}  // namespace kestro
