#pragma once
// The two ways the installer writes a line of 8-bit text, each ending in CR LF on every
// platform.

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kestro {

// Makes `file` hold exactly `text` followed by CR LF. A regular file (also one reached
// through a link) is replaced as a whole: the bytes go to a new file beside it, which takes
// the old one's owner, group and permissions (as far as this process may set them) and then
// its place, so a failed write never leaves a half-written file and the new file is removed
// again. Where the folder takes no new file (or lets none replace the old one), and where the
// file has other names (hard links) that must see the new text too, a file that may be
// written is emptied and written in place instead. An existing file that may not be
// opened for writing is a failure, as is a missing directory; no directory is created.
// Anything that is not a regular file (a device, a pipe) is written in place.
std::error_code writeLineReplacing(const std::filesystem::path& file, std::string_view text);

// Appends `text` and CR LF to `file`, creating it when missing. When the file's last byte is
// not a line feed, a CR LF comes first, so that its last line is not joined to `text`.
std::error_code appendLine(const std::filesystem::path& file, std::string_view text);

}  // namespace kestro
