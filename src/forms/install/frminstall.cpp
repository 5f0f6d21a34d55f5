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
#include "game/game_search.h"
#include "game/search_places.h"
#include "install/install_config.h"
#include "platform/system_path.h"
#include "install_input.h"
#include "qt/qt_text.h"

namespace kestro {

// "Installion" is the message's own spelling, kept as players know it.
const char* const kInstalledMessage = "Installion Complete! Enjoy!";
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
constexpr bool kTicked = true;  // the check box is ticked when the window opens

// Left, top, width, height in twips, in focus order: "Install" first, so that it holds the
// focus when the window opens. The install order of the mods is the reading order of the two
// columns of check boxes: the left column from top to bottom, then the right one.
const InstallElement kElements[]{
    {{.name = "lblBrowse", .kind = K::Label, .rect = {240, 180, 3555, 195},
      .caption = "Please browse to your Half-Life directory.", .emphasis = kBold}},
    {{.name = "Line1", .kind = K::Separator, .rect = {60, 900, 4200, 30}}},
    {{.name = "lblMods", .kind = K::Label, .rect = {240, 1020, 3855, 255},
      .caption = "Select the games to have config installed to.", .emphasis = kBold}},
    {{.name = "cmdSave", .kind = K::Button, .rect = {2580, 2040, 1095, 375}, .caption = "Install"}},
    {{.name = "cmdCancel", .kind = K::Button, .rect = {2580, 2520, 1095, 375},
      .caption = "Cancel"}},
    {{.name = "txtFileName", .kind = K::TextField, .rect = {240, 420, 2835, 315},
      .caption = kDefaultGameDirectory.data()}},
    {{.name = "chkCStrike", .kind = K::CheckBox, .rect = {300, 1680, 1755, 255},
      .caption = "Counter-Strike"}, installRow("cstrike")},
    {{.name = "chkDoD", .kind = K::CheckBox, .rect = {300, 1980, 1755, 255},
      .caption = "Day of Defeat"}, installRow("dod")},
    {{.name = "chkFirearms", .kind = K::CheckBox, .rect = {300, 2580, 1755, 255},
      .caption = "Firearms"}, installRow("firearms")},
    {{.name = "chkAction", .kind = K::CheckBox, .rect = {300, 1380, 1755, 255},
      .caption = "Action Half-Life"}, installRow("action")},
    {{.name = "chkTFC", .kind = K::CheckBox, .rect = {2220, 1680, 1875, 255},
      .caption = "Team Fortress Classic"}, installRow("tfc"), kTicked},
    {{.name = "chkValve", .kind = K::CheckBox, .rect = {2220, 1380, 1875, 255},
      .caption = "Regular Half-Life"}, installRow("valve"), kTicked},
    {{.name = "cmdBrowse", .kind = K::Button, .rect = {3180, 420, 915, 315}, .caption = "Browse"}},
    {{.name = "chkDMC", .kind = K::CheckBox, .rect = {300, 2280, 1755, 255},
      .caption = "Deathmatch Classic"}, installRow("dmc"), kTicked},
    {{.name = "chkFLF", .kind = K::CheckBox, .rect = {300, 2880, 1755, 255},
      .caption = "Frontline Force"}, installRow("frontline")},
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
    // Neither Enter nor Escape belongs to a button of this window: outside a dialog no push
    // button is a default one.
    for (const auto& [name, handler] : buttons)
        connect(elements.get<QPushButton>(name), &QPushButton::clicked, this, handler);
    elements.get("cmdSave")->setFocus();
    centreOnScreen(this);

    connect(txtFileName_, &QLineEdit::textEdited, this, [this] { playerChoseFolder_ = true; });
    connect(&search_, &QFutureWatcher<GameFolder>::resultReadyAt, this, [this](int index) {
        if (index == 0) offerGameDirectory(search_.resultAt(0));
    });
}

void frmInstall::setGameDirectory(const QString& path) {
    playerChoseFolder_ = true;
    txtFileName_->setText(path);
}

void frmInstall::followGameSearch(const QFuture<GameFolder>& search) {
    search_.setFuture(search);
    if (search.resultCount() > 0) offerGameDirectory(search.resultAt(0));
}

void frmInstall::offerGameDirectory(const GameFolder& found) {
    if (!playerChoseFolder_) txtFileName_->setText(QString::fromStdString(found.folder));
}

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
                      toLatin1Bytes(*text), playersWinePrefix());
    if (!result.succeeded()) {
        // One message for every failure; path and ticks stay for another try.
        showMessage(fromUtf8(kInstallFailedMessage),
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
