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

enum Outcome { Read, NotFound, Throws };

TEST(GetKeyValue, ReadsEachTypeAndClosesTheKeyOnceHoweverItEnds) {
    const std::string y1024(1024, 'y');
    const struct {
        const char* what;
        std::optional<V> stored;  // none: no key; type 0: the key without the value
        std::string before;       // KeyVal on entry
        Outcome outcome;
        std::optional<std::string> after;  // KeyVal on return, where it matters
    } rows[] = {
        {"text with its zero", V{1, "C:\\info\0"s}, "", Read, "C:\\info"},
        {"text without a zero", V{1, "C:\\info"}, "old", Read, "C:\\info"},
        {"only the last zero is cut", V{1, "ab\0cd\0\0"s}, "", Read, "ab\0cd\0"s},
        {"text filling the buffer", V{1, y1024}, "", Read, y1024},
        // 0x00010203: the zero top byte is cut; 01 02 03 read last to first give &h123.
        {"number", V{4, "\x03\x02\x01\x00"s}, "", Read, "291"},
        {"number, all bytes above F", V{4, "\x78\x56\x34\x12"s}, "", Read, "305419896"},
        // 256: 00 01 00 00 cut to 00 01 00, a digit per byte without leading zeros: "&h010".
        {"number, digits without leading zeros", V{4, "\x00\x01\x00\x00"s}, "", Read, "16"},
        {"number appended to the value", V{4, "\x03\x02\x01\x00"s}, "1", Read, "4387"},
        {"number of one zero byte", V{4, "\x00"s}, "", Read, "&h"},
        {"unknown type", V{3, "AB\0"s}, "kept", Read, "kept"},
        {"missing key", std::nullopt, "before", NotFound, ""},
        {"missing value", V{}, "before", NotFound, ""},
        {"text over 1024 bytes", V{1, y1024 + '\0'}, "before", NotFound, ""},
        {"number over 1024 bytes", V{4, std::string(1025, '\1')}, "before", NotFound, ""},
        {"text of size 0", V{1, ""}, "before", Throws, "before"},
        {"number of size 0", V{4, ""}, "before", Throws, "before"},
        {"unknown type of size 0", V{3, ""}, "before", Throws, "before"},
        // Five bytes of FF give ten digits: more than a 32-bit number holds.
        {"number beyond 32 bits", V{4, std::string(5, '\xFF')}, "", Throws, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        FakeStore store;
        if (row.stored) store.keys[kPathKey];
        if (row.stored && row.stored->type != 0) store.keys[kPathKey]["PATH"] = *row.stored;
        std::string value = row.before;
        Outcome outcome = Throws;
        try {
            outcome = GetKeyValue(store, kLocalMachine, kPathKey, "PATH", value) ? Read : NotFound;
        } catch (const KeyValueError&) {
        }
        EXPECT_EQ(outcome, row.outcome);
        if (row.after) { EXPECT_EQ(value, *row.after); }
        // Closed once whether or not it opened; a key that never opened is 0.
        ASSERT_EQ(store.closed.size(), 1u);
        EXPECT_EQ(store.closed[0] == 0, !row.stored);
        EXPECT_TRUE(store.openKeys.empty());
    }
}

TEST(GeneralFormat, HexNumbersBecomeDecimalOtherTextStays) {
    for (const auto& [text, shown] : {std::pair{"&h0", "0"}, {"&Hff", "255"}, {"&h00000010", "16"},
                                      {"&hFFFFFFFF", "4294967295"}, {"&h", "&h"}, {"&hG1", "&hG1"},
                                      {"&h12 ", "&h12 "}, {"C:\\Tools", "C:\\Tools"}})
        EXPECT_EQ(generalFormat(text), shown) << text;
    EXPECT_THROW(generalFormat("&h100000000"), KeyValueError);
}

TEST(StartSysInfo, StartsTheRecordedProgramOrShowsTheOneMessage) {
    const std::string dir = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
    const std::string exe = dir + "\\msinfo32.exe", dirExe = dir + "\\MSINFO32.EXE";
    const std::string z = "\0"s;  // a text value's terminating zero
    const struct {
        const char* what;
        std::optional<std::string> path, dir;  // the two entries' data
        std::set<std::string> files, startable;
        bool systemErrors;  // the file test and the starter throw
        std::string started;  // empty: the message instead
    } rows[] = {
        // The program PATH names is not tested for, nor passed over for the second entry.
        {"PATH entry", exe + z, dir + z, {}, {exe, dirExe}, false, exe},
        {"directory entry", {}, dir + z, {dirExe}, {dirExe}, false, dirExe},
        {"neither entry", {}, {}, {}, {exe, dirExe}, false, ""},
        {"directory without MSINFO32.EXE", {}, dir + z, {}, {dirExe}, false, ""},
        {"program that does not start", exe + z, {}, {exe}, {}, false, ""},
        {"MSINFO32.EXE that does not start", {}, dir + z, {dirExe}, {}, false, ""},
        {"both entries longer than the buffer", std::string(1100, 'p') + z,
         std::string(1100, 'd') + z, {}, {}, false, ""},
        // No fall-back from a PATH that reads but names nothing startable, nor from an error.
        {"empty PATH", z, dir + z, {dirExe}, {"", dirExe}, false, ""},
        {"PATH of zero size", "", dir + z, {dirExe}, {dirExe}, false, ""},
        {"errors of the system", {}, dir + z, {dirExe}, {dirExe}, true, ""},
        {"errors of the system, PATH entry", exe + z, {}, {exe}, {exe}, true, ""},
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
        std::string started, messages;  // each ended by ";"
        StartSysInfo({&store, [&](const std::string& path) { return has(row.files, path); },
                      [&](const std::string& path) {
                          if (has(row.startable, path)) started += path + ";";
                          return has(row.startable, path);
                      },
                      [&](std::string_view text) { messages += std::string(text) + ";"; }});
        EXPECT_EQ(started, row.started.empty() ? "" : row.started + ";");
        EXPECT_EQ(messages,
                  row.started.empty() ? "System Information Is Unavailable At This Time;" : "");
        EXPECT_TRUE(store.openKeys.empty());
    }
}

#ifndef _WIN32
// It names the first listed system-information program found on the search path.
TEST(PathProgramStore, AnswersThePathValueWithTheFirstListedProgramOnThePath) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / std::to_string(std::random_device{}());
    const auto put = [&root](const char* folder, const char* name, int mode = 0755) {
        fs::create_directories(root / folder);
        std::ofstream(root / folder / name) << "#!/bin/sh\n";
        fs::permissions(root / folder / name, fs::perms(mode));
        return (root / folder / name).string();
    };
    put("a", "sysinfo-viewer");  // not one of ours
    PathProgramStore store((root / "a").string() + "::" + (root / "b").string(), kSysInfoPrograms);
    std::string value = "x";
    EXPECT_FALSE(GetKeyValue(store, kLocalMachine, kPathKey, "PATH", value));
    EXPECT_EQ(value, "");  // and "System Info..." shows its message, as for any store

    const std::string kinfocenter = put("b", "kinfocenter");
    put("a", "gnome-system-monitor");
    put("b", "hardinfo", 0644);                        // not executable
    fs::create_directories(root / "a" / "hardinfo2");  // a folder, not a program
    // Key and value names compare without regard to case, as in the registry.
    EXPECT_TRUE(GetKeyValue(store, kLocalMachine, "software\\microsoft\\shared tools\\msinfo",
                            "Path", value));
    EXPECT_EQ(value, kinfocenter);
    const std::string hardinfo2 = put("b", "hardinfo2");
    EXPECT_EQ(store.findProgram(), hardinfo2);  // found as soon as it is there
    for (const auto& [keyRoot, key, name] :
         {std::tuple{kLocalMachine, kDirKey.c_str(), "MSINFO"},
          {kLocalMachine, kPathKey.c_str(), "MSINFO"},
          {kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools", "PATH"},
          {0x80000001, kPathKey.c_str(), "PATH"}})
        EXPECT_FALSE(GetKeyValue(store, keyRoot, key, name, value)) << key << " " << name;

    // An empty entry of the search path is not the current directory.
    const fs::path previous = fs::current_path();
    fs::current_path(root / "b");
    EXPECT_EQ(PathProgramStore(":", kSysInfoPrograms).findProgram(), "");
    fs::current_path(previous);
    fs::remove_all(root);
}
#endif

}  // namespace
