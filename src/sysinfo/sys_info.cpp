#include "sys_info.h"

#include <stdexcept>

#include "key_value.h"

namespace kestro {

namespace {

class StartFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Finds the program and starts it; throws for anything that goes wrong on the way.
void findAndStart(const SysInfoServices& services) {
    if (services.store == nullptr) throw StartFailed("no settings store");
    SettingsStore& store = *services.store;

    std::string path;
    if (!GetKeyValue(store, kLocalMachine, std::string(kSysInfoPathKey),
                     std::string(kSysInfoPathValue), path)) {
        if (!GetKeyValue(store, kLocalMachine, std::string(kSysInfoDirKey),
                         std::string(kSysInfoDirValue), path))
            throw StartFailed("no entry names the program");
        const std::string program = path + std::string(kSysInfoProgramFile);
        if (!services.fileExists(program)) throw StartFailed("no program in the directory");
        path = program;
    }
    // An empty path names no program; starting it is an error like any other failed start.
    if (path.empty() || !services.startProgram(path)) throw StartFailed("program did not start");
}

}  // namespace

void StartSysInfo(const SysInfoServices& services) {
    try {
        findAndStart(services);
        return;
    } catch (...) {
        // Whatever went wrong, the user learns only that the tool is not available.
    }
    services.showMessage(kSysInfoUnavailable);
}

}  // namespace kestro
