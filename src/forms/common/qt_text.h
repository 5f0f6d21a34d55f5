#pragma once
// The core keeps its texts as std::string_view (UTF-8, mostly ASCII); the windows show QStrings.

#include <QString>
#include <string_view>

namespace kestro {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace kestro
