#include "print_config.h"

#include "config/generator.h"
#include "forms/start/option_model.h"

namespace kestro::cli {

std::string startupConfigText(std::optional<Preset> preset, bool software) {
    OptionModel model;
    if (preset) applyPreset(model, *preset);
    if (software) model.setValue("optSoftware", true);
    return generateConfig(model.options());
}

}  // namespace kestro::cli
