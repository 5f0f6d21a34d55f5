// Stands in for the system-information program: leaves "<its own path>.started" beside itself
// so that a test sees that "System Info..." started it.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::ofstream(std::string(self, length) + ".started") << "started\n";
}
