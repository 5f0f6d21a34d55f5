#pragma once
// The core keeps its texts as UTF-8 bytes (std::string and std::string_view, mostly ASCII);
// the command line and the windows hand QStrings to Qt. This is the one conversion both use,
// and all this folder holds: Qt Core only, so that src/cli may include it without the windows.

#include <QString>
#include <string_view>

namespace kestro {

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace kestro
