#include "controls.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace kestro {

namespace {

using namespace std::string_view_literals;

constexpr std::array kTextureItems{
    "Low quality bilinear filtering"sv, "High quality bilinear filtering"sv,
    "Low quality trilinear filtering"sv, "High quality trilinear filtering"sv};
constexpr std::array kQualityItems{"Lowest"sv, "Medium"sv, "Highest"sv};
constexpr std::array kMaxSizeItems{"256"sv, "128"sv, "64"sv, "32"sv};
constexpr std::array kRateItems{"28.8 modem"sv,  "33.6 modem"sv,  "56k modem"sv,
                                "Single ISDN"sv, "Dual ISDN"sv,   "Cable Modem"sv,
                                "xDSL"sv,        "T1+"sv,         "LAN"sv};
constexpr std::array kNetGraphItems{"Mode 3"sv, "Mode 2"sv, "Mode 1"sv};
constexpr std::array kPosItems{"Right"sv, "Center"sv, "Left"sv};

using K = ControlKind;

constexpr OptionControl check(std::string_view name, std::string_view caption) {
    return {name, K::CheckBox, caption, {}, {}};
}
constexpr OptionControl option(std::string_view name, std::string_view caption) {
    return {name, K::OptionButton, caption, {}, {}};
}
constexpr OptionControl list(std::string_view name, std::string_view label,
                             std::string_view labelName, std::span<const std::string_view> items) {
    return {name, K::List, label, labelName, items};
}
constexpr OptionControl text(std::string_view name, std::string_view label,
                             std::string_view labelName) {
    return {name, K::TextField, label, labelName, {}};
}

const std::array<OptionControl, 34> kControls{{
    // Rendering Option
    option("optSoftware", "Software/Direct3D"),
    option("optOpenGL", "OpenGL"),
    check("chkFX", "3Dfx"),
    // OpenGL Options
    list("cboTexture", "Texture Mode", "lblTexture", kTextureItems),
    list("cboPicmip", "Video Rendering Quality", "lblVidQual", kQualityItems),
    list("cboPlayermip", "Player Rendering Quality", "lblPlayerQual", kQualityItems),
    list("cboMaxSize", "Maximum Texture Size", "lblMaxSize", kMaxSizeItems),
    check("chkZtrick", "Enable Z-Trick"),
    check("chkDither", "Disable Dithering"),
    check("chkCracks", "Disable Cracks"),
    check("chkLightholes", "Disable Lightholes"),
    check("chkBlend", "Disable Sprite Blending"),
    check("chkCull", "Disable Cull"),
    // Gaming Options
    list("cboRate", "Connection Speed", "lblconnection", kRateItems),
    text("txtFPS", "Maximum FPS", "lblFPS"),
    text("txtDecals", "Maximum Decals", "lblDecals"),
    check("chkHimodels", "Enable High-Quality Models"),
    check("chkWeap", "Disable Weapon Model"),
    check("chkDynamic", "Disable Dynamic Lighting"),
    check("chkMirrorAlpha", "Disable Reflections"),
    check("chkPrecache", "Disable Precache"),
    check("chkNetGraph", "Enable Netgraph"),
    list("cboNetGraph", "Mode", "lblMode", kNetGraphItems),
    list("cboPos", "Position", "lblPos", kPosItems),
    check("chkUpload", "Disallow Uploads"),
    check("chkDownload", "Disallow Downloads"),
    check("chkDownloadInGame", "Disallow Downloads In-Game"),
    check("chkMMX", "Force MMX Calculations"),
    // Sound Options
    check("chkHisound", "Enable Hi-Sound"),
    check("chkSAd", "Enable A3D Support"),
    check("chkSEax", "Enable EAX Support"),
    check("chkSbit", "Disable 16-bit sound"),
    check("chkCDAudio", "Enable CD Audio"),
    check("chkReverb", "Disable Reverb"),
}};

}  // namespace

std::span<const OptionControl> optionControls() { return kControls; }

const OptionControl& optionControl(std::string_view name) {
    const auto* it = std::ranges::find(kControls, name, &OptionControl::name);
    if (it != kControls.end()) return *it;
    throw std::invalid_argument("no option control named '" + std::string(name) + "'");
}

}  // namespace kestro
