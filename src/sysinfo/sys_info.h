#pragma once
// Starting the operating system's system-information program, found through the settings
// store. Standard C++; the window passes in the platform's pieces.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/settings_store.h"
#include "platform/sysinfo_keys.h"

namespace kestro {

// The one message every failure of the lookup or of the start ends in.
inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// The file in the directory the "MSINFO" value names.
inline constexpr std::string_view kSysInfoProgramFile = "\\MSINFO32.EXE";

// What "System Info..." needs from the machine; tests pass their own.
struct SysInfoServices {
    std::unique_ptr<SettingsStore> store;
    // Whether a file (not a folder) exists at the path.
    std::function<bool(const std::string& path)> fileExists;
    // Starts the program at the path without waiting for it; false when it could not start.
    std::function<bool(const std::string& path)> startProgram;
    // Shows a message with one OK button and the program's title; returns once dismissed.
    // The About window brings its own.
    std::function<void(std::string_view text)> showMessage = {};
};

// Starts the system-information program: the one named by the "PATH" value if that can be
// read (a number or unreadable type included: no second try then), else MSINFO32.EXE in the
// directory named by the "MSINFO" value if the file is there. Every error on the way (store,
// lookup, file test, start) ends in the kSysInfoUnavailable message instead.
void StartSysInfo(const SysInfoServices& services);

}  // namespace kestro
