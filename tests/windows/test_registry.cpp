// The settings-store lookup against the real Windows registry, seeded by seed-registry.sh
// (run under Wine by `make test-windows`).
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sysinfo/key_value.h"
#include "sysinfo/sys_info.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;

const std::string kTestKey = "SOFTWARE\\KestroTest";

TEST(Registry, GetKeyValueReadsSeededValues) {
    const auto store = makePlatformSettingsStore();
    std::string value;

    EXPECT_TRUE(GetKeyValue(*store, kLocalMachine, kTestKey, "Text", value));
    EXPECT_EQ(value, "C:\\Tools\\info.exe");  // the terminating zero is cut

    value.clear();
    EXPECT_TRUE(GetKeyValue(*store, kLocalMachine, kTestKey, "Number", value));
    EXPECT_EQ(value, "291");  // bytes 03 02 01 00: "&h123"

    value = "kept";
    EXPECT_TRUE(GetKeyValue(*store, kLocalMachine, kTestKey, "Binary", value));
    EXPECT_EQ(value, "kept");  // a type the lookup does not read leaves the value alone

    value = "old";
    EXPECT_FALSE(GetKeyValue(*store, kLocalMachine, kTestKey, "Long", value));  // over 1024
    EXPECT_EQ(value, "");
    value = "old";
    EXPECT_FALSE(GetKeyValue(*store, kLocalMachine, kTestKey, "Missing", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(GetKeyValue(*store, kLocalMachine, "SOFTWARE\\KestroNoSuchKey", "Text", value));
}

using Strings = std::vector<std::string>;

// Runs the launcher on the real registry and file system: what it started, what it showed.
std::pair<Strings, Strings> launch(SettingsStore& store) {
    Strings started, messages;
    StartSysInfo({&store, [](const std::string& path) { return fs::is_regular_file(path); },
                  [&](const std::string& path) { return started.push_back(path), true; },
                  [&](std::string_view text) { messages.emplace_back(text); }});
    return {started, messages};
}

TEST(Registry, StartSysInfoFindsTheProgramThroughBothEntries) {
    const auto store = makePlatformSettingsStore();
    // The "PATH" entry names the program itself; it is started without a file test.
    EXPECT_EQ(launch(*store), std::pair(Strings{"C:\\kestro-test\\sysinfo.exe"}, Strings{}));

    // Without it, MSINFO32.EXE in the "MSINFO" directory, once the file is there.
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", 0,
                            KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteValueA(key, "PATH"), ERROR_SUCCESS);
    EXPECT_EQ(launch(*store), std::pair(Strings{}, Strings{std::string(kSysInfoUnavailable)}));

    fs::create_directories("C:\\kestro-test\\msinfo");
    std::ofstream("C:\\kestro-test\\msinfo\\MSINFO32.EXE", std::ios::binary) << "MZ";
    EXPECT_EQ(launch(*store),
              std::pair(Strings{"C:\\kestro-test\\msinfo\\MSINFO32.EXE"}, Strings{}));

    // The entry back as seeded, for the window test that starts the program it names.
    const char seeded[] = "C:\\kestro-test\\sysinfo.exe";
    RegSetValueExA(key, "PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(seeded), sizeof seeded);
    RegCloseKey(key);
}

}  // namespace
}  // namespace kestro
