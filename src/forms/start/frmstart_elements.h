#pragma once
// The main window's table: every element with its place, caption or items, help text, and for
// the option controls the option-set member it shows.

#include <span>
#include <string>
#include <variant>

#include "config/option_set.h"
#include "forms/common/form_builder.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace kestro {

inline constexpr int kStartClientWidth = 9975;  // twips
inline constexpr int kStartClientHeight = 6285;

// An option control's binding: the option-set member it shows and the widget that shows it,
// which its row's kind must build (checked where the table is defined). Made by the helpers
// below, one for each kind of option control.
template <class Control, ElementKind Kind, class Value>
struct OptionBinding {
    using Widget = Control;
    static constexpr ElementKind kind = Kind;
    Value OptionSet::*member;
};
using CheckBoxBinding = OptionBinding<QCheckBox, ElementKind::CheckBox, int>;  // 0 or 1
using ListBinding = OptionBinding<QComboBox, ElementKind::List, int>;          // index or -1
using OptionButtonBinding = OptionBinding<QRadioButton, ElementKind::OptionButton, bool>;
using FieldBinding = OptionBinding<QLineEdit, ElementKind::TextField, std::string>;  // UTF-8

constexpr CheckBoxBinding checkBox(int OptionSet::*member) { return {member}; }
constexpr ListBinding list(int OptionSet::*member) { return {member}; }
constexpr OptionButtonBinding option(bool OptionSet::*member) { return {member}; }
constexpr FieldBinding field(std::string OptionSet::*member) { return {member}; }

// What a row's option control shows; nothing for the other elements.
using OptionMember =
    std::variant<std::monostate, CheckBoxBinding, ListBinding, OptionButtonBinding, FieldBinding>;

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
