#include "print_config.h"

#include "config/generator.h"
#include "config/rules.h"

namespace kestro {

std::string startupConfigText(std::optional<Preset> preset, bool software) {
    OptionSet options = startupOptionSet();
    if (preset) applyPreset(options, *preset);
    if (software) selectRendering(options, false);
    return generateConfig(options);
}

}  // namespace kestro
