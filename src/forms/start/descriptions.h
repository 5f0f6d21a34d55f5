#pragma once
// The help texts of the main window's description panel: one per element that has one, by
// the element's control name ("frmStart" for the window's own surface). Lists and text fields
// have none of their own (the labels that name them carry it), nor do the four option frames,
// "Exit!" and the description label itself.

#include <span>
#include <string_view>

namespace kestro {

struct Description {
    std::string_view element;
    std::string_view text;  // exactly as shown, double and leading spaces included
};

// All of them, in the order of the window: its surface, then frame by frame, then the
// result box, the buttons and the "Description" frame.
std::span<const Description> descriptions();

}  // namespace kestro
