#include "system_path.h"

#include <climits>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif


namespace kestro {

namespace fs = std::filesystem;

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

#ifdef _WIN32
bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// A share's folder as the system makes it whole: "/" as "\", "." and ".." resolved, without a
// separator at its end. Nothing when it is not there.
std::optional<fs::path> wholeShareFolder(const std::wstring& folder) {
    const DWORD units = GetFullPathNameW(folder.c_str(), 0, nullptr, nullptr);
    if (units == 0) return std::nullopt;
    std::wstring full(units, L'\0');
    const DWORD length = GetFullPathNameW(folder.c_str(), units, full.data(), nullptr);
    if (length == 0 || length >= units) return std::nullopt;
    full.resize(length);
    while (!full.empty() && isSeparator(full.back())) full.pop_back();
    // A folder answers with its separator after it, a share's root too.
    if (GetFileAttributesW((full + L'\\').c_str()) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return fs::path(std::move(full));
}
#endif

}  // namespace

#ifdef _WIN32
// Windows' own conversion: the standard library's, from a u8string, throws for bytes that are
// not UTF-8.
std::optional<std::wstring> wideFromUtf8(std::string_view text, bool strict) {
    if (text.empty()) return std::wstring();
    if (text.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
    const DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
    const int bytes = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_UTF8, flags, text.data(), bytes, nullptr, 0);
    if (units <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    if (MultiByteToWideChar(CP_UTF8, flags, text.data(), bytes, wide.data(), units) != units)
        return std::nullopt;
    return wide;
}
#endif

std::optional<fs::path> pathFromUtf8(std::string_view text) {
#ifdef _WIN32
    std::optional<std::wstring> wide = wideFromUtf8(text, true);
    if (!wide) return std::nullopt;
    return fs::path(std::move(*wide));
#else
    return fs::path(std::string(text));
#endif
}

bool isAbsoluteWindowsPath(std::string_view path) {
    if (isDrivePath(path)) return path.size() > 2 && isSeparator(path[2]);
    if (path.size() < 2 || !isSeparator(path[0]) || !isSeparator(path[1])) return false;
    const std::vector<std::string_view> names = pathNames(path.substr(2));
    return names.size() >= 2 && !names[0].empty() && !names[1].empty();
}

bool isAbsoluteSystemPath(std::string_view path) {
#ifdef _WIN32
    return isAbsoluteWindowsPath(path);
#else
    return path.starts_with('/');
#endif
}

std::optional<fs::path> resolvedFolder(const fs::path& folder) {
#ifdef _WIN32
    const std::wstring& name = folder.native();
    if (name.size() > 2 && isSeparator(name[0]) && isSeparator(name[1]))
        return wholeShareFolder(name);
#endif
    std::error_code error;
    fs::path resolved = fs::canonical(folder, error);
    if (error) return std::nullopt;
    return resolved;
}

fs::path gameDirectoryPath(std::string_view typed) {
#ifdef _WIN32
    return fs::path(wideFromUtf8(typed, false).value_or(std::wstring()));
#else
    return fs::path(std::string(typed));
#endif
}

std::vector<std::string_view> pathNames(std::string_view path) {
    std::vector<std::string_view> names;
    for (std::size_t begin = 0; begin <= path.size();) {
        const std::size_t end = std::min(path.find_first_of("\\/", begin), path.size());
        names.push_back(path.substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}

std::optional<std::string> pathText(const fs::path& path) {
#ifdef _WIN32
    try {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    } catch (const std::exception&) {
        return std::nullopt;  // a lone surrogate: no UTF-8 for it
    }
#else
    return path.string();
#endif
}

bool isDrivePath(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

}  // namespace kestro
