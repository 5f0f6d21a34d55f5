#pragma once
// The main window's table: every element with its place, caption or items, help text, and for
// the option controls the option-set member it shows.

#include <span>
#include <string>
#include <variant>

#include "config/option_set.h"
#include "forms/common/form_builder.h"

namespace kestro {

inline constexpr int kStartClientWidth = 9975;  // twips
inline constexpr int kStartClientHeight = 6285;

// The member an option control shows: a check box or list (int), an option button (bool) or a
// text field (string).
using OptionMember =
    std::variant<std::monostate, int OptionSet::*, bool OptionSet::*, std::string OptionSet::*>;

// The groups of controls the rules enable and disable together (see enabledGroups).
enum class Group { None, OpenGL, NetGraph };

struct StartElement {
    ElementSpec element;
    OptionMember option{};
    Group group = Group::None;
};

// In keyboard focus order.
std::span<const StartElement> startElements();

// The help text of the window's own surface, outside every element.
extern const char* const kStartWindowHelp;

// The result box's text before the first generation.
extern const char* const kResultStartupText;

}  // namespace kestro
