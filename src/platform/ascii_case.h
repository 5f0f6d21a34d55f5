#pragma once
// Names compared as the registry, Steam's files and Windows' file systems compare them: ASCII
// letters without regard to case, every other byte as it is, whatever the locale.

#include <algorithm>
#include <string>
#include <string_view>

namespace kestro {

constexpr char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

inline std::string lowerAscii(std::string text) {
    std::ranges::transform(text, text.begin(), [](char c) { return lowerAscii(c); });
    return text;
}

constexpr bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

}  // namespace kestro
