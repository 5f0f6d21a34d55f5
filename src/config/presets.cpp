#include "presets.h"

#include <array>
#include <string_view>

#include "rules.h"

namespace kestro {

namespace {

// What a row writes: a check box (its rule runs on a change), a list's item index, or a text.
enum class Writes { CheckBox, ListItem, Text };

struct PresetRow {
    Writes writes;
    int OptionSet::*number = nullptr;        // check box or list
    std::string OptionSet::*text = nullptr;  // text field
    std::array<int, 3> numbers{};            // by Preset: Low, Default, High
    std::array<std::string_view, 3> texts{};
};

constexpr PresetRow box(int OptionSet::*member, int low, int standard, int high) {
    return {Writes::CheckBox, member, nullptr, {low, standard, high}, {}};
}
constexpr PresetRow item(int OptionSet::*member, int low, int standard, int high) {
    return {Writes::ListItem, member, nullptr, {low, standard, high}, {}};
}
constexpr PresetRow text(std::string OptionSet::*member, std::string_view low,
                         std::string_view standard, std::string_view high) {
    return {Writes::Text, nullptr, member, {}, {low, standard, high}};
}

using O = OptionSet;

// In the order the buttons write them. The Netgraph group's enabled flags, which the presets
// also set, follow "Enable Netgraph" (see enabledGroups) whether or not its rule ran.
constexpr PresetRow kRows[]{
    box(&O::chkBlend, 1, 0, 0),
    box(&O::chkCDAudio, 0, 0, 1),
    box(&O::chkDither, 1, 0, 0),
    box(&O::chkDownload, 1, 0, 0),
    box(&O::chkDownloadInGame, 1, 0, 0),
    box(&O::chkDynamic, 1, 0, 0),
    box(&O::chkHimodels, 0, 0, 1),
    box(&O::chkHisound, 0, 0, 1),
    box(&O::chkMirrorAlpha, 1, 0, 0),
    box(&O::chkNetGraph, 0, 0, 1),
    box(&O::chkReverb, 1, 0, 0),
    box(&O::chkSAd, 0, 0, 1),
    box(&O::chkSbit, 1, 0, 0),
    box(&O::chkSEax, 0, 0, 1),
    box(&O::chkUpload, 1, 0, 0),
    box(&O::chkWeap, 1, 0, 0),
    box(&O::chkCracks, 0, 0, 1),
    box(&O::chkLightholes, 1, 0, 0),
    item(&O::cboPicmip, 0, 2, 2),     // Lowest, Highest, Highest
    item(&O::cboPlayermip, 0, 2, 2),  // Lowest, Highest, Highest
    item(&O::cboTexture, 0, 1, 3),    // low bilinear, high bilinear, high trilinear
    item(&O::cboMaxSize, 3, 0, 0),    // 32, 256, 256
    text(&O::txtDecals, "30", "3000", "4096"),
    text(&O::txtFPS, "72", "72", "120"),
};

}  // namespace

void applyPreset(OptionSet& options, Preset preset) {
    const auto column = static_cast<std::size_t>(preset);
    for (const PresetRow& row : kRows) {
        switch (row.writes) {
        case Writes::CheckBox:
            setCheckBox(options, row.number, row.numbers[column]);
            break;
        case Writes::ListItem:
            options.*row.number = row.numbers[column];
            break;
        case Writes::Text:
            options.*row.text = std::string(row.texts[column]);
            break;
        }
    }
}

}  // namespace kestro
