#include "install_input.h"

#include <QList>

namespace kestro {

std::string toLatin1Bytes(const QString& text) {
    // By character, not by UTF-16 unit: a pair is one character, and one that is not whole
    // comes back as U+FFFD. Either is outside Latin-1.
    std::string bytes;
    for (const uint c : text.toUcs4()) bytes += c <= 0xFF ? char(c) : '?';
    return bytes;
}

}  // namespace kestro
