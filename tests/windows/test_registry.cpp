// The settings-store lookup and the launcher against the real Windows registry, seeded by
// seed-registry.sh (run under Wine by `make test-windows`).
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "sysinfo/key_value.h"
#include "sysinfo/sys_info.h"

namespace kestro {
namespace {

TEST(Registry, GetKeyValueReadsSeededValues) {
    const auto store = makePlatformSettingsStore();
    // value name, the value before, found, the value after
    const std::tuple<const char*, const char*, bool, const char*> rows[] = {
        {"Text", "", true, "C:\\Tools\\info.exe"},  // the terminating zero is cut
        {"Number", "", true, "291"},                 // bytes 03 02 01 00: "&h123"
        {"Binary", "kept", true, "kept"},            // a type it does not read: left alone
        {"Long", "old", false, ""},                  // over 1024 bytes
        {"Missing", "old", false, ""}};
    for (const auto& [name, before, found, after] : rows) {
        std::string value = before;
        EXPECT_EQ(GetKeyValue(*store, kLocalMachine, "SOFTWARE\\KestroTest", name, value), found)
            << name;
        EXPECT_EQ(value, after) << name;
    }
    std::string value;
    EXPECT_FALSE(GetKeyValue(*store, kLocalMachine, "SOFTWARE\\KestroNoSuchKey", "Text", value));
}

// The "PATH" entry names the program, started without a file test; without it, MSINFO32.EXE in
// the "MSINFO" directory once the file is there, else the message.
TEST(Registry, StartSysInfoFindsTheProgramThroughBothEntries) {
    const auto store = makePlatformSettingsStore();
    const auto launch = [&store] {
        std::string log;
        StartSysInfo({store.get(),
                      [](const std::string& file) { return std::filesystem::is_regular_file(file); },
                      [&](const std::string& path) { return log += path + ';', true; },
                      [&](std::string_view text) { log += std::string(text) + ';'; }});
        return log;
    };
    EXPECT_EQ(launch(), "C:\\kestro-test\\sysinfo.exe;");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", 0,
                            KEY_SET_VALUE, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteValueA(key, "PATH"), ERROR_SUCCESS);
    EXPECT_EQ(launch(), "System Information Is Unavailable At This Time;");
    std::filesystem::create_directories("C:\\kestro-test\\msinfo");
    std::ofstream("C:\\kestro-test\\msinfo\\MSINFO32.EXE", std::ios::binary) << "MZ";
    EXPECT_EQ(launch(), "C:\\kestro-test\\msinfo\\MSINFO32.EXE;");
    // The entry back as seeded, for the window test that starts the program it names.
    const char seeded[] = "C:\\kestro-test\\sysinfo.exe";
    RegSetValueExA(key, "PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(seeded), sizeof seeded);
    RegCloseKey(key);
}

}  // namespace
}  // namespace kestro
