#pragma once
// Paths of the system made from text read from files and the registry, and the rules by which
// Windows reads a path. Nothing here throws: a text that names no path gives nothing.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kestro {

#ifdef _WIN32
// The UTF-8 text `text` in UTF-16. Bytes that are not UTF-8 give nothing when `strict`, else
// each becomes U+FFFD, the replacement character.
std::optional<std::wstring> wideFromUtf8(std::string_view text, bool strict);
#endif

// The path the UTF-8 text `text` names: on Windows its UTF-16 form, nothing for bytes that are
// not UTF-8 (an editor may have saved a list in the ANSI code page); elsewhere its bytes.
std::optional<std::filesystem::path> pathFromUtf8(std::string_view text);

// Whether Windows reads `path` as a whole path, not one relative to a current drive or folder:
// a drive letter, a colon and a separator ("C:\"), or a share: two separators, a server name,
// a separator and a share name ("\\server\share", "//server/share"). "\" and "/" alike.
bool isAbsoluteWindowsPath(std::string_view path);

// Whether this system reads `path` as a whole path: the Windows rule on Windows, a leading "/"
// elsewhere.
bool isAbsoluteSystemPath(std::string_view path);

// The folder `folder` names, written the same however it is reached: links followed, "." and
// ".." resolved. On Windows a share (\\server\share\...) is made whole by the system's own rule
// and its links are left as they are: the standard library takes it for a folder on the
// current drive. Nothing when the folder is not there.
std::optional<std::filesystem::path> resolvedFolder(const std::filesystem::path& folder);

}  // namespace kestro
