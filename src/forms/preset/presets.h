#pragma once
// The three presets of the presets window as data: which controls of the main window each
// button sets, to what, in which order. Plain C++: they run on anything that offers the main
// window's controls by name (the window itself, or the window-free OptionModel).

#include <array>
#include <span>
#include <string_view>
#include <variant>

#include "forms/start/rules.h"

namespace kestro {

// One per button, in the window's order: cmdLow, cmdDefault, cmdHigh.
enum class Preset { Low, Default, High };
inline constexpr std::size_t kPresetCount = 3;

enum class PresetTarget {
    Value,         // a check box: 1 ticked, 0 cleared
    SelectedItem,  // a list: the zero-based item index
    EnabledFlag,   // any element: enabled or disabled
    Text,          // a text field
};

// An int for values and items, a bool for enabled flags, a string for texts.
using PresetValue = std::variant<int, bool, std::string_view>;

struct PresetRow {
    std::string_view control;
    PresetTarget target;
    std::array<PresetValue, kPresetCount> values;  // indexed by Preset
};

// The rows every preset writes, in the order it writes them.
std::span<const PresetRow> presetRows();

// Writes the preset's column into `controls`, row by row. A check box whose value changes
// runs its rule there and then, as a click would; disabled controls take their values and
// stay disabled. Nothing else is touched.
void applyPreset(OptionControls& controls, Preset preset);

}  // namespace kestro
