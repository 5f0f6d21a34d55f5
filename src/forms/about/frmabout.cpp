#include "frmabout.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

#include "config/product.h"
#include "qt/qt_text.h"
#include "forms/common/messages.h"
#include "forms/common/pictures.h"
#include "forms/common/single_window.h"
#include "forms/common/form_builder.h"
#include "forms/common/window_style.h"
#include "forms/egg/frmegg.h"
#include "sysinfo/key_value.h"

namespace kestro {

namespace {

using K = ElementKind;

// Left, top, width, height in twips. Table order is the focus order (OK first) and, among
// overlapping elements, the stacking order: later rows lie on top. So the mirrored logo comes
// before the logo it hides, and the white half of the etched separator before the grey line
// drawn over its upper row.
constexpr ElementSpec kElements[]{
    {.name = "imgIconx", .kind = K::Image, .rect = {300, 240, 705, 645},
     .caption = pictures::kLogoMirrored},
    {.name = "imgIcon", .kind = K::Image, .rect = {300, 240, 705, 645}, .caption = pictures::kLogo},
    {.name = "lblTitle", .kind = K::Label, .rect = {1140, 120, 4425, 405},
     .caption = KESTRO_TITLE "\nWritten by Wren Halloway in C++ with Qt"},
    {.name = "lblVersion", .kind = K::Label, .rect = {1140, 600, 4425, 465},
     .caption = "Copyright (C) 2024 Wren Halloway\n" KESTRO_WEB_ADDRESS},
    {.name = "lblDescription", .kind = K::Label, .rect = {240, 1080, 5265, 210},
     .caption = "Supports Half-Life v1.1.0.7"},
    {.name = "lblTest", .kind = K::Label, .rect = {240, 1320, 5235, 195},
     .caption = "Tested on Counter-Strike 1.1 and Team Fortress Classic 1.5"},
    {.name = "lblEmail", .kind = K::Label, .rect = {240, 1680, 5235, 195},
     .caption = "Please E-mail any comments or suggestions to wren@example.org"},
    {.name = "lblCredit", .kind = K::Label, .rect = {240, 1980, 5235, 195},
     .caption = "Many thanks to Juno Pell and Oskar Brightwater for beta testing."},
    {.name = "Line1(0)", .kind = K::Line, .rect = {60, 2460, 5549, 30}, .caption = "#ffffff"},
    {.name = "Line1(1)", .kind = K::Line, .rect = {60, 2460, 5564, 15}, .caption = "#808080"},
    {.name = "lblDisclaimer", .kind = K::Label, .rect = {240, 2580, 3870, 825},
     .caption = "The author takes no responsibility for any damage or loss of data caused by "
                "this program. Kestro is free to distribute as long as all of its files are "
                "included."},
    {.name = "cmdOK", .kind = K::Button, .rect = {4245, 2580, 1260, 345}, .caption = "OK"},
    {.name = "cmdSysInfo", .kind = K::Button, .rect = {4260, 3000, 1245, 345},
     .caption = "&System Info..."},
};

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : frmAbout({.store = makePlatformSettingsStore(),
                .fileExists =
                    [](const std::string& path) {
                        return QFileInfo(QString::fromStdString(path)).isFile();
                    },
                .startProgram =
                    [](const std::string& path) {
                        return QProcess::startDetached(QString::fromStdString(path), {});
                    }},
               parent) {}

frmAbout::frmAbout(SysInfoServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
    services_.showMessage = [this](std::string_view text) {
        showMessage(fromUtf8(text), {}, MessageIcon::None, this);
    };
    pictures::load();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(fromUtf8(product::kAboutCaption));
    useFixedDialogBorder(this, twipsSize(5730, 3555));
    const Elements elements = buildElements(this, kElements);
    imgIcon_ = elements.get<QLabel>("imgIcon");
    imgIconx_ = elements.get<QLabel>("imgIconx");
    lblVersion_ = elements.get<QLabel>("lblVersion");
    cmdOK_ = elements.get<QPushButton>("cmdOK");
    elements.get<QLabel>("lblTitle")->setTextFormat(Qt::PlainText);
    lblVersion_->setTextFormat(Qt::PlainText);

    auto* sysInfo = elements.get<QPushButton>("cmdSysInfo");
    // Enter presses the focused button (a default one takes it too); OK is the default and
    // holds the focus at first.
    cmdOK_->setDefault(true);
    sysInfo->setAutoDefault(true);
    cmdOK_->setFocus();
    connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    for (QWidget* watched : {imgIcon_, imgIconx_, lblVersion_}) watched->installEventFilter(this);

    centreOnScreen(this);
}

frmAbout::~frmAbout() = default;

void frmAbout::StartSysInfo() { kestro::StartSysInfo(services_); }

bool frmAbout::GetKeyValue(StoreRoot KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
    return kestro::GetKeyValue(*services_.store, KeyRoot, KeyName, SubKeyRef, KeyVal);
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::imgIcon_DblClick() {
    imgIconx_->raise();
    imgIcon_->lower();
}

void frmAbout::imgIconx_DblClick() {
    imgIconx_->lower();
    imgIcon_->raise();
    SingleWindow<frmEgg>::show([] { return new frmEgg; });
}

void frmAbout::lblVersion_Click() {
    // The web address is plain text: clicking it does nothing.
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == imgIcon_) imgIcon_DblClick();
        if (watched == imgIconx_) imgIconx_DblClick();
    } else if (event->type() == QEvent::MouseButtonRelease && watched == lblVersion_) {
        lblVersion_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // Escape presses the cancel button, OK, wherever the focus is: the buttons pass it on.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kestro
