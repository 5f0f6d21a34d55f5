#include "rules.h"

namespace kestro {

void chkFX_Click(OptionSet& options) { options.chkZtrick = isTicked(options.chkFX) ? 1 : 0; }

void chkNetGraph_Click(OptionSet& options) {
    if (!isTicked(options.chkNetGraph)) return;
    options.cboNetGraph = 0;  // "Mode 3"
    options.cboPos = 0;       // "Right"
}

// `box` names a member, it points at nothing that could be const.
// cppcheck-suppress constParameter
void checkBoxChanged(OptionSet& options, CheckBox box) {
    if (box == &OptionSet::chkFX) chkFX_Click(options);
    if (box == &OptionSet::chkNetGraph) chkNetGraph_Click(options);
}

void setCheckBox(OptionSet& options, CheckBox box, int value) {
    if (options.*box == value) return;
    options.*box = value;
    checkBoxChanged(options, box);
}

void selectRendering(OptionSet& options, bool openGL) {
    options.optOpenGL = openGL;
    options.optSoftware = !openGL;
}

EnabledGroups enabledGroups(const OptionSet& options) {
    return {options.optOpenGL, isTicked(options.chkNetGraph)};
}

}  // namespace kestro
