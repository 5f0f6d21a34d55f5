#include "sys_info.h"

#include "key_value.h"

namespace kestro {

namespace {

// The program the store names, or "" when it names none that is there.
std::string findProgram(const SysInfoServices& services) {
    std::string path;
    if (GetKeyValue(*services.store, StoreRoot::LocalMachine, std::string(kSysInfoPathKey),
                    std::string(kSysInfoPathValue), path))
        return path;
    if (!GetKeyValue(*services.store, StoreRoot::LocalMachine, std::string(kSysInfoDirKey),
                     std::string(kSysInfoDirValue), path))
        return {};
    const std::string program = path + std::string(kSysInfoProgramFile);
    return services.fileExists(program) ? program : std::string();
}

}  // namespace

void StartSysInfo(const SysInfoServices& services) {
    bool started = false;
    try {
        // The lookup throws for a value it cannot read; the file test and the start may throw.
        const std::string program = services.store ? findProgram(services) : std::string();
        started = !program.empty() && services.startProgram(program);
    } catch (...) {
        // Whatever went wrong, the user learns only that the tool is not available.
    }
    if (!started) services.showMessage(kSysInfoUnavailable);
}

}  // namespace kestro
