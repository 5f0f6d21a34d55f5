#pragma once
// The two ways the installer writes a line of 8-bit text, each ending in CR LF on every
// platform.

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kestro {

// Makes `file` (or the file a link leads to) hold exactly `text` followed by CR LF, with the
// owner, group and permissions it had as far as this process may keep them. A failure leaves
// the old file whole, unless the folder lets no new file take its place, or the file has other
// names (hard links) that must see the new text too: then it is written in place. A missing
// directory is a failure: none is created.
std::error_code writeLineReplacing(const std::filesystem::path& file, std::string_view text);

// Appends `text` and CR LF to `file`, creating it when missing. When the file's last byte is
// not a line feed, a CR LF comes first, so that its last line is not joined to `text`.
std::error_code appendLine(const std::filesystem::path& file, std::string_view text);

}  // namespace kestro
