#include "line_files.h"

#include <optional>
#include <string>

#include "staged_file.h"

namespace kestro {

namespace fs = std::filesystem;
using native::File;
using native::Folder;
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
std::error_code rewriteInPlace(const Folder& folder, const fs::path& target,
                               std::error_code refusal, std::string_view text) {
    File file;
    if (file.open(folder, target, OpenFor::WritingExisting)) return refusal;
    return rewrite(file, text);
}

// Writes the line into a staged file and commits it. A failure before the commit leaves the
// staged file to its destructor, which removes it.
std::error_code writeStaged(StagedFile& staged, std::string_view text) {
    if (std::error_code error = staged.open()) return error;
    if (std::error_code error = staged.write(lineOf(text))) return error;
    return staged.commit();
}

}  // namespace

std::error_code writeLineReplacing(const Folder& folder, const fs::path& name,
                                   std::string_view text) {
    // Where the file is, once links are followed; from here on nothing is followed again.
    Folder at;
    fs::path leaf;
    if (std::error_code error = folder.locate(name, at, leaf)) return error;

    // Opening the file as it is tells whether it exists and whether we may write it.
    File existing;
    const std::error_code error = existing.open(at, leaf, OpenFor::WritingExisting);
    // No file yet (or no folder, which creating the new file then reports): nothing replaced.
    std::optional<StagedFile::Replaced> replaced;
    if (!error) {
        // A device or a pipe has no contents to replace: the line goes straight to it.
        if (!existing.isRegular()) return writeLine(existing, text);
        // A file with more names than one: a new file would take only this name, and the
        // others would keep the old text.
        if (existing.hasOtherNames()) return rewrite(existing, text);
        replaced = StagedFile::Replaced{existing.attributes()};
        existing = File{};
    } else if (error != std::errc::no_such_file_or_directory) {
        return error;  // for example a directory, or a file we may not write
    }

    StagedFile staged(at, leaf, replaced);
    const std::error_code staging = writeStaged(staged, text);
    // The one place that writes in place instead: a folder that takes no new file, or where
    // others' files may not be replaced (the sticky bit) or renamed over, or a file system
    // that cannot replace one.
    if (staged.refused()) return rewriteInPlace(at, leaf, staging, text);
    return staging;
}

std::error_code appendLine(const Folder& folder, const fs::path& name, std::string_view text) {
    Folder at;
    fs::path leaf;
    if (std::error_code error = folder.locate(name, at, leaf)) return error;
    File target;
    if (std::error_code error = target.open(at, leaf, OpenFor::Appending)) return error;
    const std::optional<char> last = target.lastByte();
    if (last && *last != '\n') {
        if (std::error_code error = target.write(kLineEnd)) return error;
    }
    return writeLine(target, text);
}

}  // namespace kestro
