#pragma once
// The three presets of the presets window: fixed values for a fixed part of the option set,
// written in a fixed order.

#include "option_set.h"

namespace kestro {

// One per button of the presets window, in its order: cmdLow, cmdDefault, cmdHigh.
enum class Preset { Low, Default, High };

// Writes the preset's values into `options` as clicks on their controls would, each check
// box's rule included.
void applyPreset(OptionSet& options, Preset preset);

}  // namespace kestro
