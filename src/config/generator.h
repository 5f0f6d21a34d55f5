#pragma once
// Turns an option set into the config text: console commands under comment headings,
// every line (the last included) followed by a carriage return and a line feed.

#include <string>

#include "option_set.h"

namespace kestro {

std::string generateConfig(const OptionSet& options);

}  // namespace kestro
