// kestro.com, the console twin of kestro.exe on Windows. A window program gets no console
// there: cmd.exe and PowerShell neither show its output nor wait for it. For a bare `kestro`
// they run kestro.com before kestro.exe, so this program answers the options in the console
// and sets the exit status; without options it leaves the window to kestro.exe, not holding
// the console while the window is open.
#include <optional>

#include "cli/command_line.h"
#include "platform/disk_errors.h"

int main(int argc, char* argv[]) {
    kestro::failDiskErrorsQuietly();
    if (const std::optional<int> status = kestro::cli::answerOnTerminal(argc, argv)) return *status;
    return kestro::cli::startWindowProgram(argc, argv);
}
