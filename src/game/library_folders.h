#pragma once
// Steam's list of its libraries, libraryfolders.vdf: nested blocks of quoted keys and values.
// Steam has written two forms of it. Until mid-2021 the root block holds one numbered value per
// extra library: "LibraryFolders" { "1" "D:\\Steam" }. Since then it holds one numbered block
// per library, the Steam folder itself included: "libraryfolders" { "0" { "path" "D:\\Steam"
// "mounted" "1" "apps" { ... } } }.

#include <string>
#include <string_view>
#include <vector>

namespace kestro {

// The library paths the file names, in its order, as written (escapes undone). Names of the
// root and keys are compared without regard to case; "//" starts a comment, and a byte-order
// mark at the start is skipped. A library marked "mounted" "0" is left out, and so is a path
// that is empty, holds a ".." name or a zero byte. A file that is cut short or broken is read
// as far as it is sound: a block's library counts once its block is closed.
std::vector<std::string> libraryFolderPaths(std::string_view vdf);

}  // namespace kestro
