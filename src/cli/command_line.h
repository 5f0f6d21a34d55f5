#pragma once
// The program's command line. Everything it answers, it answers on the terminal with Qt Core
// alone: no display is needed and no window is created.

#include <optional>

namespace kestro::cli {

// Answers --help, --version, --print-config and --find-game on standard output, installs with
// --install, and rejects what it does not know on standard error (status 2). Returns the exit status, or nothing when the
// windows are to start (no arguments).
std::optional<int> answerOnTerminal(int argc, char* argv[]);

}  // namespace kestro::cli
