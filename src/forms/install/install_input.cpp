#include "install_input.h"

#include <QStringView>

namespace kestro {

std::string toLatin1Bytes(const QString& text) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() <= 0xFF) {
            bytes += char(c.unicode());
            continue;
        }
        bytes += '?';
        // The second half of a pair is the same character.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
    }
    return bytes;
}

}  // namespace kestro
