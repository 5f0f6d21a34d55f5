#pragma once
// Paths of the system made from the program's text (what the player types, what files and the
// registry hold) and back, and the rules by which Windows reads a path. Nothing here throws: a
// text that names no path gives nothing.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The install window's path field, given as UTF-8, as a path of this system. Nothing in it is
// changed: drive paths are looked up only when a mod's files are installed. On Windows it is
// made from the UTF-8 as such, never through the ANSI code page, and never throws: bytes that
// are not UTF-8 become U+FFFD, which names no folder (text read from files and the registry
// goes through pathFromUtf8, which passes such bytes over); elsewhere paths are bytes.
std::filesystem::path gameDirectoryPath(std::string_view typed);

// The names of `path` between its separators, "\\" and "/" alike, empty ones included.
std::vector<std::string_view> pathNames(std::string_view path);

// A path as the program's text: UTF-8 on Windows, its bytes elsewhere. Nothing for a Windows
// name that is not valid UTF-16 (NTFS allows such names), which no text of ours can name.
// Never throws, unlike path::string() and u8string() on Windows.
std::optional<std::string> pathText(const std::filesystem::path& path);

// Whether `path` starts with a drive letter and a colon.
bool isDrivePath(std::string_view path);


}  // namespace kestro
