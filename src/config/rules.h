#pragma once
// How the main window's options depend on each other, as plain operations on the option set.
// The window and the presets change options only through these, so one place decides which
// rule runs on which change.

#include "option_set.h"

namespace kestro {

// A check-box member of the option set.
using CheckBox = int OptionSet::*;

// The 3Dfx rule: "Enable Z-Trick" follows "3Dfx", overwriting a choice made by hand.
void chkFX_Click(OptionSet& options);
// The Netgraph rule: ticking "Enable Netgraph" selects "Mode 3" and "Right"; clearing it
// keeps both selections.
void chkNetGraph_Click(OptionSet& options);

// Runs the rule of `box` after its value has changed (by a click or by code); a box without a
// rule runs nothing.
void checkBoxChanged(OptionSet& options, CheckBox box);

// Sets `box` as a click would: when its value changes, its rule runs; setting the value it
// already has runs nothing.
void setCheckBox(OptionSet& options, CheckBox box, int value);

// Selects OpenGL or Software/Direct3D rendering; the other option button clears.
void selectRendering(OptionSet& options, bool openGL);

// Which controls are enabled follows from the options alone: the rendering rule enables the
// OpenGL group exactly in OpenGL mode, and the Netgraph rule and the presets enable the
// Netgraph group exactly while "Enable Netgraph" is ticked.
struct EnabledGroups {
    bool openGL;    // "3Dfx" and the "OpenGL Options" frame with everything in it
    bool netGraph;  // "Mode", "Position" and their two lists

    bool operator==(const EnabledGroups&) const = default;
};
EnabledGroups enabledGroups(const OptionSet& options);

}  // namespace kestro
