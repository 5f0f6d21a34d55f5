#pragma once
// The config text the main window would generate, computed without a window.

#include <optional>
#include <string>

#include "config/presets.h"

namespace kestro {

// What "Generate Config File!" gives for the main window's start-up state after pressing
// `preset`'s button (none: the start-up values as they are) and then, if `software`, choosing
// Software/Direct3D rendering.
std::string startupConfigText(std::optional<Preset> preset, bool software);

}  // namespace kestro
