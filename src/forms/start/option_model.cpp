#include "option_model.h"

namespace kestro {

OptionModel::OptionModel() : options_(startupOptionSet()) {
    // Everything starts enabled except the Netgraph group and "Install Config".
    for (std::string_view name : kNetgraphGroup) enabled_[std::string(name)] = false;
    enabled_["cmdInstall"] = false;
}

OptionValue OptionModel::value(std::string_view control) const {
    return getOption(options_, control);
}

void OptionModel::setValue(std::string_view control, const OptionValue& value) {
    if (getOption(options_, control) == value) return;  // no change, no rule
    setOption(options_, control, value);
    if (control == "chkFX") {
        fxRule(*this);
    } else if (control == "chkNetGraph") {
        netGraphRule(*this);
    } else if (control == "optSoftware" || control == "optOpenGL") {
        // The two option buttons form one exclusive group.
        const bool openGL = (control == "optOpenGL") == std::get<bool>(value);
        options_.optOpenGL = openGL;
        options_.optSoftware = !openGL;
        renderingRule(*this, openGL);
    }
}

bool OptionModel::isEnabled(std::string_view control) const {
    const auto it = enabled_.find(control);
    return it == enabled_.end() || it->second;
}

void OptionModel::setEnabled(std::string_view control, bool enabled) {
    enabled_.insert_or_assign(std::string(control), enabled);
}

}  // namespace kestro
