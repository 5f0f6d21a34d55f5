#pragma once
// The main window's three rules, written against what they need of the window: values and
// enabled flags of controls by name. The window and the window-free OptionModel both offer
// that, so the same rules run in either.

#include <array>
#include <span>
#include <string_view>

#include "config/option_set.h"

namespace kestro {

class OptionControls {
public:
    virtual ~OptionControls() = default;
    virtual OptionValue value(std::string_view control) const = 0;
    // Writing a check box's value runs its click rule when the value changes, as a click does.
    virtual void setValue(std::string_view control, const OptionValue& value) = 0;
    virtual bool isEnabled(std::string_view control) const = 0;
    virtual void setEnabled(std::string_view control, bool enabled) = 0;
};

// The OpenGL group: "3Dfx", the "OpenGL Options" frame and each of the frame's 14 controls.
inline constexpr std::array<std::string_view, 16> kOpenGLGroup{
    "chkFX",      "fraOpenGL", "lblTexture",    "cboTexture",   "lblVidQual", "cboPicmip",
    "lblPlayerQual", "cboPlayermip", "chkBlend", "chkZtrick",   "chkDither",  "chkCull",
    "chkCracks",  "chkLightholes", "lblMaxSize", "cboMaxSize"};

inline constexpr std::array<std::string_view, 4> kNetgraphGroup{"cboNetGraph", "cboPos", "lblMode",
                                                                "lblPos"};

// chkFX_Click: "Enable Z-Trick" follows "3Dfx".
void fxRule(OptionControls& controls);
// chkNetGraph_Click: the group follows the box; ticking it selects "Mode 3" and "Right".
void netGraphRule(OptionControls& controls);
// optSoftware_Click / optOpenGL_Click: the OpenGL group is enabled exactly in OpenGL mode.
void renderingRule(OptionControls& controls, bool openGL);

void setGroupEnabled(OptionControls& controls, std::span<const std::string_view> group,
                     bool enabled);

}  // namespace kestro
