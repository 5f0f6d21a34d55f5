#include "frminstall.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "forms/browse/frmbrowse.h"
#include "forms/common/form_builder.h"
#include "forms/common/messages.h"
#include "forms/common/single_window.h"
#include "forms/common/twips.h"
#include "forms/common/window_style.h"
#include "install/game_directory.h"
#include "install/game_search.h"
#include "install/install_config.h"
#include "install_input.h"

namespace kestro {

const char* const kInstalledMessage = "Installion Complete! Enjoy!";
const char* const kModsNotFoundMessage = kInstallFailedMessage.data();
const char* const kCannotInstallTitle = "Cannot Install";
const char* const kNoConfigMessage =
    "The main window has been closed, so there is no config to install. Nothing was written.";

namespace {

using K = ElementKind;
constexpr Emphasis kBold = Emphasis::Bold;
constexpr std::size_t kNoMod = kInstallMods.size();

struct InstallElement {
    ElementSpec element;
    std::size_t mod = kNoMod;  // a mod's check box: its row of kInstallMods
    bool tickedAtOpen = false;
};

// Left, top, width, height in twips, in focus order: "Install" first, so that it holds the
// focus when the window opens. The install order of the mods is the reading order of the two
// columns of check boxes: the left column from top to bottom, then the right one.
const InstallElement kElements[]{
    {{"lblBrowse", K::Label, "", {240, 180, 3555, 195},
      "Please browse to your Half-Life directory.", kBold}},
    {{"Line1", K::Separator, "", {60, 900, 4200, 30}, ""}},
    {{"lblMods", K::Label, "", {240, 1020, 3855, 255},
      "Select the games to have config installed to.", kBold}},
    {{"cmdSave", K::Button, "", {2580, 2040, 1095, 375}, "Install"}},
    {{"cmdCancel", K::Button, "", {2580, 2520, 1095, 375}, "Cancel"}},
    {{"txtFileName", K::TextField, "", {240, 420, 2835, 315}, kDefaultGameDirectory.data()}},
    {{"chkCStrike", K::CheckBox, "", {300, 1680, 1755, 255}, "Counter-Strike"},
     installRow("cstrike")},
    {{"chkDoD", K::CheckBox, "", {300, 1980, 1755, 255}, "Day of Defeat"},
     installRow("dod")},
    {{"chkFirearms", K::CheckBox, "", {300, 2580, 1755, 255}, "Firearms"},
     installRow("firearms")},
    {{"chkAction", K::CheckBox, "", {300, 1380, 1755, 255}, "Action Half-Life"},
     installRow("action")},
    {{"chkTFC", K::CheckBox, "", {2220, 1680, 1875, 255}, "Team Fortress Classic"},
     installRow("tfc"), true},
    {{"chkValve", K::CheckBox, "", {2220, 1380, 1875, 255}, "Regular Half-Life"},
     installRow("valve"), true},
    {{"cmdBrowse", K::Button, "", {3180, 420, 915, 315}, "Browse"}},
    {{"chkDMC", K::CheckBox, "", {300, 2280, 1755, 255}, "Deathmatch Classic"},
     installRow("dmc"), true},
    {{"chkFLF", K::CheckBox, "", {300, 2880, 1755, 255}, "Frontline Force"},
     installRow("frontline")},
};

}  // namespace

frmInstall::frmInstall(std::function<std::optional<QString>()> resultText, QWidget* parent)
    : QWidget(parent), resultText_(std::move(resultText)) {
    setObjectName(QStringLiteral("frmInstall"));
    setWindowTitle(QStringLiteral("Install Config"));
    useFixedDialogBorder(this, twipsSize(4335, 3330));

    const Elements elements = buildElements(this, kElements, &InstallElement::element);
    txtFileName_ = elements.get<QLineEdit>("txtFileName");
    auto* lblBrowse = elements.get<QLabel>("lblBrowse");
    lblBrowse->setBuddy(txtFileName_);
    txtFileName_->setAccessibleName(lblBrowse->text());
    for (const InstallElement& row : kElements) {
        if (row.mod == kNoMod) continue;
        auto* box = elements.get<QCheckBox>(row.element.name);
        box->setChecked(row.tickedAtOpen);
        modBoxes_.append({box, row.mod});
    }

    const std::pair<const char*, void (frmInstall::*)()> buttons[] = {
        {"cmdSave", &frmInstall::cmdSave_Click},
        {"cmdCancel", &frmInstall::cmdCancel_Click},
        {"cmdBrowse", &frmInstall::cmdBrowse_Click},
    };
    for (const auto& [name, handler] : buttons) {
        auto* button = elements.get<QPushButton>(name);
        // Neither Enter nor Escape belongs to a button of this window.
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
    }
    elements.get("cmdSave")->setFocus();
    centreOnScreen(this);
}

void frmInstall::setGameDirectory(const QString& path) { txtFileName_->setText(path); }

TickedRows frmInstall::tickedRows() const {
    TickedRows ticked{};
    for (const auto& [box, row] : modBoxes_) ticked[row] = box->checkState() == Qt::Checked;
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
        InstallConfig(gameDirectoryPath(txtFileName_->text().toStdString()), tickedRows(),
                      toLatin1Bytes(*text), winePrefix(searchPlacesFromEnvironment()));
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
