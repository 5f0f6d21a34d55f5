#pragma once
// The program's command line. Everything it answers, it answers on the terminal with Qt Core
// alone: no display is needed and no window is created.

#include <optional>

namespace kestro::cli {

// Answers --help, --version, --print-config and --find-game on standard output, installs with
// --install, and rejects what it does not know on standard error (status 2). Returns the exit
// status, or nothing when the windows are to start (no arguments).
// Arguments are taken as UTF-16 on Windows (QCoreApplication reads the command line the system
// keeps); output to a file or a pipe is UTF-8 on every system, and to a Windows console wide
// text.
std::optional<int> answerOnTerminal(int argc, char* argv[]);

#ifdef _WIN32
// A bare start of the console program (kestro.com): starts the window program beside it
// (kestro.exe) without waiting, so that the console is free at once and no console window is
// left. Returns the exit status: 0, or 1 with a message when it could not start.
int startWindowProgram(int argc, char* argv[]);

// The console calls that the answers go through where a stream is a console (GetConsoleMode,
// WriteConsoleW); tests answer for a console through here.
struct ConsoleCalls {
    bool (*mode)(void* handle, unsigned long* mode);
    bool (*write)(void* handle, const wchar_t* text, unsigned long length, unsigned long* written);
};
ConsoleCalls& consoleCalls();
#endif

}  // namespace kestro::cli
