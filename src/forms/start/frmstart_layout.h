#pragma once

#include <span>

#include "forms/common/form_builder.h"

namespace kestro {

inline constexpr int kStartClientWidth = 9975;  // twips
inline constexpr int kStartClientHeight = 6285;

// Every element of the main window in keyboard focus order. Option controls and the labels
// that name lists and text fields take their captions from the option controls' data.
std::span<const ElementSpec> startLayout();

}  // namespace kestro
