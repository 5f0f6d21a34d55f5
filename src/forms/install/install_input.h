#pragma once
// What the install window hands the installer, converted from what its controls hold.

#include <QString>
#include <string>

namespace kestro {

// The text as 8-bit (Latin-1) bytes, one per character: a character without a Latin-1 form
// becomes "?", also one that takes two UTF-16 units.
std::string toLatin1Bytes(const QString& text);

}  // namespace kestro
