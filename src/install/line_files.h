#pragma once
// The two ways the installer writes a line of 8-bit text into a file of an opened folder, each
// ending in CR LF on every platform. A link in the file's place is followed as
// native::Folder::locate says: as root only when root owns it.

#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/native_file.h"

namespace kestro {

// Makes the file `name` in `folder` (or the file a link there leads to) hold exactly `text`
// followed by CR LF, with the owner, group and permissions it had as far as this process may
// keep them. The new text is stored on disk before it takes the file's name, so that a failure
// or a power cut leaves the old file whole or the new one, never an empty one; unless the
// folder lets no new file take its place, or the file has other names (hard links) that must
// see the new text too: then it is written in place. Should a replace lose the old name on the
// way (Windows' moves the old file aside first) and neither file can take it back, the error
// names where the two texts are.
std::error_code writeLineReplacing(const native::Folder& folder,
                                   const std::filesystem::path& name, std::string_view text);

// Appends `text` and CR LF to the file `name` in `folder`, creating it when missing. When the
// file's last byte is not a line feed, a CR LF comes first, so that its last line is not
// joined to `text`.
std::error_code appendLine(const native::Folder& folder, const std::filesystem::path& name,
                           std::string_view text);

}  // namespace kestro
