// Reading the settings store and starting the system-information program, against a store in
// memory; and the store that stands in for the registry where there is none.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <set>

#include "sysinfo/fake_store.h"
#include "sysinfo/key_value.h"
#include "sysinfo/sys_info.h"
#ifndef _WIN32
#include "sysinfo/path_store.h"
#endif

using namespace kestro;
using namespace std::string_literals;
using kestro::testing::FakeStore;
using V = kestro::testing::StoredValue;

namespace {

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kDirKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string y1024(1024, 'y');

enum Outcome { Read, NotFound, Throws };

// stored: none is no key, type 0 the key without the value; after: KeyVal on return if given.
TEST(GetKeyValue, ReadsEachTypeAndClosesTheKeyOnceHoweverItEnds) {
    const struct { const char* what; std::optional<V> stored; std::string before; Outcome outcome;
                   std::optional<std::string> after; } rows[] = {
        {"text with its zero", V{1, "C:\\info\0"s}, "", Read, "C:\\info"},
        {"text without a zero", V{1, "C:\\info"}, "old", Read, "C:\\info"},
        {"only the last zero is cut", V{1, "ab\0cd\0\0"s}, "", Read, "ab\0cd\0"s},
        {"text filling the buffer", V{1, y1024}, "", Read, y1024},
        // 0x00010203: the zero top byte is cut; 01 02 03 read last to first give &h123.
        {"number", V{4, "\x03\x02\x01\x00"s}, "", Read, "291"},
        // 256: 00 01 00 00 cut to 00 01 00, a digit per byte without leading zeros: "&h010".
        {"number, digits without leading zeros", V{4, "\x00\x01\x00\x00"s}, "", Read, "16"},
        {"number, two digits a byte", V{4, "\x10\xA1\x00"s}, "", Read, "41232"},
        {"number appended to the value", V{4, "\x03\x02\x01\x00"s}, "1", Read, "4387"},
        {"number of one zero byte", V{4, "\x00"s}, "", Read, "&h"},
        {"unknown type", V{3, "AB\0"s}, "kept", Read, "kept"},
        {"missing key", std::nullopt, "before", NotFound, ""},
        {"missing value", V{}, "before", NotFound, ""},
        {"text over 1024 bytes", V{1, y1024 + '\0'}, "before", NotFound, ""},
        {"text of size 0", V{1, ""}, "before", Throws, "before"},
        // Five bytes of FF give ten digits: more than a 32-bit number holds.
        {"number beyond 32 bits", V{4, std::string(5, '\xFF')}, "", Throws, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        FakeStore store;
        if (row.stored) store.keys[kPathKey][row.stored->type ? "PATH" : "OTHER"] = *row.stored;
        std::string value = row.before;
        Outcome outcome = Throws;
        try {
            outcome = GetKeyValue(store, kLocalMachine, kPathKey, "PATH", value) ? Read : NotFound;
        } catch (const KeyValueError&) {
        }
        EXPECT_EQ(outcome, row.outcome);
        if (row.after) { EXPECT_EQ(value, *row.after); }
        // Closed once whether or not it opened; a key that never opened is 0.
        EXPECT_EQ(store.closed, std::vector<StoreKey>{row.stored ? 0x100u : 0u});
    }
    for (const auto& [text, shown] :
         {std::pair{"&Hff", "255"}, {"&hG1", "&hG1"}, {"C:", "C:"}, {"ch1", "ch1"}})
        EXPECT_EQ(generalFormat(text), shown) << text;
}

TEST(StartSysInfo, StartsTheRecordedProgramOrShowsTheOneMessage) {
    const std::string dir = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
    const std::string exe = dir + "\\msinfo32.exe", dirExe = dir + "\\MSINFO32.EXE", z = "\0"s;
    const struct { const char* what; std::optional<std::string> path, dir;
                   std::set<std::string> files, startable; bool systemErrors;
                   std::string log; } rows[] = {  // systemErrors: the file test and start throw
        // The program PATH names is not tested for, nor passed over for the second entry.
        {"PATH entry", exe + z, dir + z, {}, {exe, dirExe}, false, exe},
        {"directory entry", {}, dir + z, {dirExe}, {dirExe}, false, dirExe},
        {"neither entry", {}, {}, {}, {exe, dirExe}, false, ""},
        {"directory without MSINFO32.EXE", {}, dir + z, {}, {dirExe}, false, ""},
        {"program that does not start", exe + z, {}, {exe}, {}, false, ""},
        // No fall-back from a PATH that reads but names nothing startable, nor from an error.
        {"empty PATH", z, dir + z, {dirExe}, {"", dirExe}, false, ""},
        {"PATH of zero size", "", dir + z, {dirExe}, {dirExe}, false, ""},
        {"errors of the file test", {}, dir + z, {dirExe}, {dirExe}, true, ""},
        {"errors of the start", exe + z, {}, {exe}, {exe}, true, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        FakeStore store;
        if (row.path) store.keys[kPathKey]["PATH"] = {1, *row.path};
        if (row.dir) store.keys[kDirKey]["MSINFO"] = {1, *row.dir};
        const auto has = [&row](const std::set<std::string>& set, const std::string& path) {
            if (row.systemErrors) throw std::runtime_error("system");
            return set.count(path) > 0;
        };
        std::string log;  // programs started and messages shown, each ended by ";"
        StartSysInfo({&store, [&](const std::string& p) { return has(row.files, p); },
                      [&](const std::string& p) {
                          return has(row.startable, p) && !(log += p + ";").empty();
                      },
                      [&](std::string_view text) { log += std::string(text) + ";"; }});
        EXPECT_EQ(log, (row.log.empty() ? "System Information Is Unavailable At This Time"s
                                        : row.log) + ";");
        EXPECT_TRUE(store.openKeys.empty());
    }
}

#ifndef _WIN32
// The "PATH" value of the system-information key (names compare without regard to case, as in
// the registry) is the first listed program found as an executable file on the search path;
// everything else is not found. An empty entry of the search path is not the current directory.
TEST(PathProgramStore, AnswersThePathValueWithTheFirstListedProgramOnThePath) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / std::to_string(std::random_device{}());
    fs::create_directories(root / "a" / "hardinfo2");  // a folder, not a program
    fs::create_directories(root / "b");
    const auto put = [&root](const char* path, int mode = 0755) {
        std::ofstream(root / path) << "#!/bin/sh\n";
        fs::permissions(root / path, fs::perms(mode));
        return (root / path).string();
    };
    PathProgramStore store((root / "a").string() + "::" + (root / "b").string(), kSysInfoPrograms);
    const auto read = [&store](StoreRoot keyRoot, const std::string& key, const char* name) {
        std::string value = "x";
        return std::to_string(GetKeyValue(store, keyRoot, key, name, value)) + value;
    };
    put("a/sysinfo-viewer");  // not one of ours
    EXPECT_EQ(read(kLocalMachine, kPathKey, "PATH"), "0");
    const std::string kinfocenter = put("b/kinfocenter");
    put("a/gnome-system-monitor");
    put("b/hardinfo", 0644);  // not executable
    EXPECT_EQ(read(kLocalMachine, "software\\microsoft\\shared tools\\msinfo", "Path"),
              "1" + kinfocenter);
    EXPECT_EQ(read(kLocalMachine, kDirKey, "MSINFO") + read(kLocalMachine, kPathKey, "MSINFO") +
                  read(0x80000001, kPathKey, "PATH"), "000");
    EXPECT_EQ(store.findProgram(), put("b/hardinfo2"));  // found as soon as it is there
    fs::current_path(root / "b");
    EXPECT_EQ(PathProgramStore(":", kSysInfoPrograms).findProgram(), "");
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(root);
}
#endif

}  // namespace
