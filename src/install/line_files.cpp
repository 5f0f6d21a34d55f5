#include "line_files.h"

#include <cerrno>
#include <optional>
#include <string>

#include "native_calls.h"
#include "native_file.h"

namespace kestro {

namespace fs = std::filesystem;
using native::File;
using native::OpenFor;

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string lineOf(std::string_view text) {
    std::string line;
    line.reserve(text.size() + kLineEnd.size());
    line.append(text).append(kLineEnd);
    return line;
}

std::error_code writeLine(File& file, std::string_view text) {
    // One write for the text and its line end.
    if (std::error_code error = file.write(lineOf(text))) return error;
    return file.close();
}

// A name beside `target` that no other file has yet, opened as a new file.
std::error_code createSibling(const fs::path& target, File& file, fs::path& name) {
    const fs::path::string_type& base = target.native();
    // Built by appending: g++ 12 misreports `"." + std::to_string(...)` as an overlapping copy.
    std::string suffixBase(1, '.');
    suffixBase += std::to_string(native::processId());
    suffixBase += '.';
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string suffix = suffixBase + std::to_string(attempt) + ".tmp";
        name = fs::path(base + fs::path::string_type(suffix.begin(), suffix.end()));
        error = file.open(name, OpenFor::CreatingNew);
        if (error != std::errc::file_exists) return error;
    }
    return error;
}

// Whether the folder refused to take a new file or to let one take the place of another.
bool refusedByFolder(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
           error == std::errc::read_only_file_system;
}

// Empties an open file and writes the line into it. A failure after the file was emptied
// leaves it empty or cut short.
std::error_code rewrite(File& file, std::string_view text) {
    if (std::error_code error = file.truncate()) return error;
    if (std::error_code error = file.write(lineOf(text))) return error;
    if (std::error_code error = file.flush()) return error;
    return file.close();
}

// Rewrites `target` itself: for a folder that takes no new file but holds one we may write.
// `refusal` is what the folder said, reported when the file cannot be opened either. Unlike a
// replacement, a failure after the file was emptied leaves it empty or cut short.
std::error_code rewriteInPlace(const fs::path& target, std::error_code refusal,
                               std::string_view text) {
    File file;
    if (file.open(target, OpenFor::WritingExisting)) return refusal;
    return rewrite(file, text);
}

// Writes the new contents beside `target` and puts them in its place (on Windows as its own
// replace does, keeping the ACL and attributes), giving them the owner, group and permissions
// of the file they replace. Where the folder refuses that, the file is
// rewritten in place instead.
std::error_code replaceWhole(const fs::path& target,
                             const std::optional<File::Attributes>& attributes,
                             std::string_view text) {
    File staged;
    fs::path stagedName;
    std::error_code error = createSibling(target, staged, stagedName);
    if (refusedByFolder(error)) return rewriteInPlace(target, error, text);
    if (error) return error;
    if (attributes) error = staged.setAttributes(*attributes);
    if (!error) error = writeLine(staged, text);
    bool renameRefused = false;
    if (!error) {
        if (native::calls::replace(stagedName, target) != 0)
            error = {errno, std::generic_category()};
        renameRefused = refusedByFolder(error);
    }
    if (error) {
        staged = File{};  // closed before removal: Windows removes no open file
        std::error_code ignored;
        fs::remove(stagedName, ignored);
    }
    // A folder where others' files may not be replaced (the sticky bit) or renamed over.
    if (renameRefused) return rewriteInPlace(target, error, text);
    return error;
}

}  // namespace

std::error_code writeLineReplacing(const fs::path& file, std::string_view text) {
    // Opening the file as it is tells whether it exists and whether we may write it.
    File existing;
    std::error_code error = existing.open(file, OpenFor::WritingExisting);
    if (error == std::errc::no_such_file_or_directory) {
        std::error_code ignored;
        if (fs::is_symlink(fs::symlink_status(file, ignored))) {
            // A link to a file that does not exist yet: create that file, as the link asks.
            if ((error = existing.open(file, OpenFor::Replacing))) return error;
            return writeLine(existing, text);
        }
        // No file yet (or no directory, which creating the new file then reports).
        return replaceWhole(file, std::nullopt, text);
    }
    if (error) return error;  // for example a directory, or a file we may not write

    // A device or a pipe has no contents to replace: the line goes straight to it.
    if (!existing.isRegular()) return writeLine(existing, text);
    // A file with more names than one: a new file would take only this name, and the others
    // would keep the old text.
    if (existing.hasOtherNames()) return rewrite(existing, text);
    const std::optional<File::Attributes> attributes = existing.attributes();
    existing = File{};

    // Replace the file itself, not a link that leads to it.
    fs::path target = file;
    if (fs::is_symlink(fs::symlink_status(file, error))) target = fs::canonical(file, error);
    if (error) return error;
    return replaceWhole(target, attributes, text);
}

std::error_code appendLine(const fs::path& file, std::string_view text) {
    File target;
    if (std::error_code error = target.open(file, OpenFor::Appending)) return error;
    const std::optional<char> last = target.lastByte();
    if (last && *last != '\n') {
        if (std::error_code error = target.write(kLineEnd)) return error;
    }
    return writeLine(target, text);
}

}  // namespace kestro
