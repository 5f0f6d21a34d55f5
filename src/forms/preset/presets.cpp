#include "presets.h"

#include <string>

namespace kestro {

namespace {

using namespace std::string_view_literals;
using T = PresetTarget;

// Columns: cmdLow, cmdDefault, cmdHigh. The Netgraph group's enabled flags follow
// "Enable Netgraph" explicitly, whether or not its rule ran when the box was written.
constexpr PresetRow kRows[]{
    {"chkBlend", T::Value, {1, 0, 0}},
    {"chkCDAudio", T::Value, {0, 0, 1}},
    {"chkDither", T::Value, {1, 0, 0}},
    {"chkDownload", T::Value, {1, 0, 0}},
    {"chkDownloadInGame", T::Value, {1, 0, 0}},
    {"chkDynamic", T::Value, {1, 0, 0}},
    {"chkHimodels", T::Value, {0, 0, 1}},
    {"chkHisound", T::Value, {0, 0, 1}},
    {"chkMirrorAlpha", T::Value, {1, 0, 0}},
    {"chkNetGraph", T::Value, {0, 0, 1}},
    {"chkReverb", T::Value, {1, 0, 0}},
    {"chkSAd", T::Value, {0, 0, 1}},
    {"chkSbit", T::Value, {1, 0, 0}},
    {"chkSEax", T::Value, {0, 0, 1}},
    {"chkUpload", T::Value, {1, 0, 0}},
    {"chkWeap", T::Value, {1, 0, 0}},
    {"chkCracks", T::Value, {0, 0, 1}},
    {"chkLightholes", T::Value, {1, 0, 0}},
    {"cboNetGraph", T::EnabledFlag, {false, false, true}},
    {"cboPicmip", T::SelectedItem, {0, 2, 2}},      // Lowest, Highest, Highest
    {"cboPlayermip", T::SelectedItem, {0, 2, 2}},   // Lowest, Highest, Highest
    {"cboPos", T::EnabledFlag, {false, false, true}},
    {"cboTexture", T::SelectedItem, {0, 1, 3}},     // low bilinear, high bilinear, high trilinear
    {"cboMaxSize", T::SelectedItem, {3, 0, 0}},     // 32, 256, 256
    {"lblMode", T::EnabledFlag, {false, false, true}},
    {"lblPos", T::EnabledFlag, {false, false, true}},
    {"txtDecals", T::Text, {"30"sv, "3000"sv, "4096"sv}},
    {"txtFPS", T::Text, {"72"sv, "72"sv, "120"sv}},
};

}  // namespace

std::span<const PresetRow> presetRows() { return kRows; }

void applyPreset(OptionControls& controls, Preset preset) {
    for (const PresetRow& row : kRows) {
        const PresetValue& value = row.values[static_cast<std::size_t>(preset)];
        switch (row.target) {
        case PresetTarget::Value:
        case PresetTarget::SelectedItem:
            controls.setValue(row.control, std::get<int>(value));
            break;
        case PresetTarget::EnabledFlag:
            controls.setEnabled(row.control, std::get<bool>(value));
            break;
        case PresetTarget::Text:
            controls.setValue(row.control, std::string(std::get<std::string_view>(value)));
            break;
        }
    }
}

}  // namespace kestro
