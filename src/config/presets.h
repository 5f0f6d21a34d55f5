#pragma once
// The three presets of the presets window: fixed values for a fixed part of the option set,
// written in a fixed order.

#include "option_set.h"

namespace kestro {

// One per button of the presets window, in its order: cmdLow, cmdDefault, cmdHigh.
enum class Preset { Low, Default, High };

// Writes the preset's values into `options`, row by row. A check box whose value changes runs
// its rule there and then, as a click would ("Enable Netgraph" switched on selects "Mode 3"
// and "Right"). Nothing else is touched: the rendering option, "3Dfx", "Enable Z-Trick",
// "Disable Cull", "Force MMX Calculations", "Disable Precache" and the connection speed keep
// their values.
void applyPreset(OptionSet& options, Preset preset);

}  // namespace kestro
