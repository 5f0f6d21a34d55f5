#pragma once
// Captions and items of the main window's 34 option controls, as data the window builds from.

#include <span>
#include <string_view>

namespace kestro {

enum class ControlKind { CheckBox, OptionButton, List, TextField };

struct OptionControl {
    std::string_view name;
    ControlKind kind;
    // The control's own caption (check box, option button) or the caption of the label that
    // names it (list, text field).
    std::string_view caption;
    std::string_view labelName;  // the naming label of a list or text field, else empty
    std::span<const std::string_view> items;  // a list's items in index order
};

// All 34, frame by frame: Rendering Option, OpenGL Options, Gaming Options, Sound Options.
std::span<const OptionControl> optionControls();

// Throws std::invalid_argument for a name that is no option control.
const OptionControl& optionControl(std::string_view name);

}  // namespace kestro
