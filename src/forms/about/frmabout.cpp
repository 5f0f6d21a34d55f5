#include "frmabout.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <array>

#include "forms/common/qt_text.h"
#include "forms/common/messages.h"
#include "forms/common/pictures.h"
#include "forms/common/single_window.h"
#include "forms/common/twips.h"
#include "forms/common/window_style.h"
#include "forms/egg/frmegg.h"
#include "key_value.h"
#include "sys_info.h"

namespace kestro {

const char* const kAboutTitleText = "Kestro v1.0\nWritten by Wren Halloway in C++ with Qt";
const char* const kAboutVersionText =
    "Copyright (C) 2024 Wren Halloway\nhttp://kestro.example.org/";

namespace {

using K = ElementKind;

// Left, top, width, height in twips. Table order is the focus order (OK first) and, among
// overlapping elements, the stacking order: later rows lie on top. So the mirrored logo comes
// before the logo it hides, and the white half of the etched separator before the grey line
// drawn over its upper row.
const std::array kLayout{
    ElementSpec{"imgIconx", K::Image, "", pictures::kLogoMirrored, {300, 240, 705, 645}},
    ElementSpec{"imgIcon", K::Image, "", pictures::kLogo, {300, 240, 705, 645}},
    ElementSpec{"lblTitle", K::Label, "", kAboutTitleText, {1140, 120, 4425, 405}},
    ElementSpec{"lblVersion", K::Label, "", kAboutVersionText, {1140, 600, 4425, 465}},
    ElementSpec{"lblDescription", K::Label, "", "Supports Half-Life v1.1.0.7",
                {240, 1080, 5265, 210}},
    ElementSpec{"lblTest", K::Label, "",
                "Tested on Counter-Strike 1.1 and Team Fortress Classic 1.5",
                {240, 1320, 5235, 195}},
    ElementSpec{"lblEmail", K::Label, "",
                "Please E-mail any comments or suggestions to wren@example.org",
                {240, 1680, 5235, 195}},
    ElementSpec{"lblCredit", K::Label, "",
                "Many thanks to Juno Pell and Oskar Brightwater for beta testing.",
                {240, 1980, 5235, 195}},
    ElementSpec{"Line1(0)", K::Line, "", "#ffffff", {60, 2460, 5549, 30}},
    ElementSpec{"Line1(1)", K::Line, "", "#808080", {60, 2460, 5564, 15}},
    ElementSpec{"lblDisclaimer", K::Label, "",
                "The author takes no responsibility for any damage or loss of data caused by "
                "this program. Kestro is free to distribute as long as all of its files are "
                "included.",
                {240, 2580, 3870, 825}},
    ElementSpec{"cmdOK", K::Button, "", "OK", {4245, 2580, 1260, 345}},
    ElementSpec{"cmdSysInfo", K::Button, "", "&System Info...", {4260, 3000, 1245, 345}},
};

}  // namespace

SysInfoPlatform SysInfoPlatform::system() {
    SysInfoPlatform platform;
    platform.store = makePlatformSettingsStore();
    platform.fileExists = [](const std::string& path) {
        return QFileInfo(QString::fromLocal8Bit(path)).isFile();
    };
    platform.startProgram = [](const std::string& path) {
        return QProcess::startDetached(QString::fromLocal8Bit(path), {});
    };
    return platform;
}

frmAbout::frmAbout(QWidget* parent) : frmAbout(SysInfoPlatform::system(), parent) {}

frmAbout::frmAbout(SysInfoPlatform platform, QWidget* parent)
    : QWidget(parent), platform_(std::move(platform)) {
    pictures::load();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Kestro v1.0a"));
    useFixedDialogBorder(this, twipsSize(5730, 3555));
    elements_ = buildElements(this, kLayout);

    for (const char* name : {"lblTitle", "lblVersion"})
        element<QLabel>(QString::fromLatin1(name))->setTextFormat(Qt::PlainText);

    auto* ok = element<QPushButton>(QStringLiteral("cmdOK"));
    auto* sysInfo = element<QPushButton>(QStringLiteral("cmdSysInfo"));
    // Enter presses the focused button; OK is the default and holds the focus at first.
    ok->setDefault(true);
    ok->setAutoDefault(true);
    sysInfo->setAutoDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    for (const char* name : {"imgIcon", "imgIconx", "lblVersion"})
        element(QString::fromLatin1(name))->installEventFilter(this);

    centreOnScreen(this);
}

frmAbout::~frmAbout() = default;

void frmAbout::StartSysInfo() {
    SysInfoServices services;
    services.store = platform_.store.get();
    services.fileExists = platform_.fileExists;
    services.startProgram = platform_.startProgram;
    services.showMessage = [this](std::string_view text) {
        showMessage(toQString(text), {}, MessageIcon::None, this);
    };
    kestro::StartSysInfo(services);
}

bool frmAbout::GetKeyValue(StoreRoot KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
    return kestro::GetKeyValue(*platform_.store, KeyRoot, KeyName, SubKeyRef, KeyVal);
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::imgIcon_DblClick() {
    element(QStringLiteral("imgIconx"))->raise();
    element(QStringLiteral("imgIcon"))->lower();
}

void frmAbout::imgIconx_DblClick() {
    element(QStringLiteral("imgIconx"))->lower();
    element(QStringLiteral("imgIcon"))->raise();
    SingleWindow<frmEgg>::show([] { return new frmEgg; });
}

void frmAbout::lblVersion_Click() {
    // The web address is plain text: clicking it does nothing.
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    const QString name = watched->objectName();
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (name == QLatin1String("imgIcon")) imgIcon_DblClick();
        if (name == QLatin1String("imgIconx")) imgIconx_DblClick();
    } else if (event->type() == QEvent::MouseButtonRelease && name == QLatin1String("lblVersion")) {
        lblVersion_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // Escape presses the cancel button, OK, wherever the focus is: the buttons pass it on.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        element<QPushButton>(QStringLiteral("cmdOK"))->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kestro
