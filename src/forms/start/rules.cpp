#include "rules.h"

namespace kestro {

namespace {

int checkValue(const OptionControls& controls, std::string_view name) {
    return std::get<int>(controls.value(name));
}

}  // namespace

void setGroupEnabled(OptionControls& controls, std::span<const std::string_view> group,
                     bool enabled) {
    for (std::string_view name : group) controls.setEnabled(name, enabled);
}

void fxRule(OptionControls& controls) {
    controls.setValue("chkZtrick", isTicked(checkValue(controls, "chkFX")) ? 1 : 0);
}

void netGraphRule(OptionControls& controls) {
    const bool on = isTicked(checkValue(controls, "chkNetGraph"));
    setGroupEnabled(controls, kNetgraphGroup, on);
    if (on) {
        controls.setValue("cboNetGraph", 0);
        controls.setValue("cboPos", 0);
    }
}

void renderingRule(OptionControls& controls, bool openGL) {
    setGroupEnabled(controls, kOpenGLGroup, openGL);
}

}  // namespace kestro
