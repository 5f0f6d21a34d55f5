// The settings store as "System Info..." reads it: one table of what a store holds, what the
// lookup makes of it and what "System Info..." then starts, against a store in memory and (on
// Windows) the registry as seed-registry.sh left it; then the search-path stand-in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "sysinfo/fake_store.h"
#include "sysinfo/key_value.h"
#include "sysinfo/path_store.h"
#include "sysinfo/sys_info.h"

using namespace kestro;
using namespace std::string_literals;
using V = kestro::testing::StoredValue;

namespace {

const std::string kPathKey(kSysInfoPathKey), kDirKey(kSysInfoDirKey), z = "\0"s, y1024(1024, 'y');
enum Odd { None, NoDirEntry, NoFile, NoStart, SystemErrors };

// "1" and the value read, "0" and the value after a failed lookup, "!" for a lookup error.
std::string read(SettingsStore& store, const std::string& key, const char* name,
                 std::string value = {}, StoreRoot root = kLocalMachine) {
    try {
        return std::to_string(GetKeyValue(store, root, key, name, value)) + value;
    } catch (const KeyValueError&) {
        return "!";
    }
}

// stored: the PATH value (none: no key; type 0: the key without the value). read: the lookup
// into a value that held `before`. started: what "System Info..." starts ("": it shows the
// message) on a machine whose directory entry names C:\Tools, which holds MSINFO32.EXE, and
// where every program starts, unless `odd` says otherwise. registry: the seeded registry value
// that holds the same bytes.
TEST(SettingsStore, WhatTheLookupReadsAndWhatSystemInfoStarts) {
    const std::string tools = "C:\\Tools", msinfo = tools + "\\MSINFO32.EXE", info = "C:\\info";
    const struct { const char* what; std::optional<V> stored; std::string before, read, started;
                   Odd odd = None; const char* registry = nullptr; } rows[] = {
        // The program PATH names is not tested for, nor passed over for the directory entry.
        {"text with its zero", V{1, info + z}, "", "1" + info, info, None, "Text"},
        {"text without a zero", V{1, info}, "old", "1" + info, info},
        {"text filling the buffer", V{1, y1024}, "", "1" + y1024, y1024},
        // 03 02 01 00: the top zero byte is cut; 01 02 03 read last to first give &h123.
        {"number", V{4, "\x03\x02\x01\x00"s}, "", "1291", "291", None, "Number"},
        // 256: 00 01 00, a digit per byte without leading zeros: "&h010".
        {"number, digits without leading zeros", V{4, "\x00\x01\x00\x00"s}, "", "116", "16"},
        // 10 A1 (00 cut), last byte first: "A110"; after "f": &hfA110.
        {"number with letters, after the value", V{4, "\x10\xA1\x00"s}, "f", "11024272", "41232"},
        {"number beyond 32 bits", V{4, std::string(5, '\xFF')}, "", "!", ""},
        {"unknown type", V{3, "AB" + z}, "kept", "1kept", "", None, "Binary"},
        {"missing key", std::nullopt, "old", "0", msinfo, None, "Text"},
        {"missing value", V{}, "old", "0", msinfo, None, "Missing"},
        {"text over 1024 bytes", V{1, y1024 + z}, "old", "0", msinfo, None, "Long"},
        {"text of size 0", V{1, ""}, "old", "!", ""},
        {"no directory entry", std::nullopt, "", "0", "", NoDirEntry},
        {"no MSINFO32.EXE", std::nullopt, "", "0", "", NoFile},
        {"program that does not start", V{1, info}, "", "1" + info, "", NoStart},
        {"errors of the start", V{1, info}, "", "1" + info, "", SystemErrors},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        auto store = std::make_unique<kestro::testing::FakeStore>();
        if (row.stored) store->keys[kPathKey][row.stored->first ? "PATH" : "-"] = *row.stored;
        if (row.odd != NoDirEntry) store->keys[kDirKey]["MSINFO"] = {1, tools + z};
        EXPECT_EQ(read(*store, kPathKey, "PATH", row.before), row.read);
        EXPECT_EQ(store->closed, std::vector<StoreKey>{row.stored ? 0x100u : 0u});  // 0: unopened
#ifdef _WIN32  // the real registry's rows
        const auto registry = makePlatformSettingsStore();
        const char* key = row.stored ? "SOFTWARE\\KestroTest" : "SOFTWARE\\KestroNoKey";
        if (row.registry) { EXPECT_EQ(read(*registry, key, row.registry, row.before), row.read); }
#endif
        const auto answer = [&row](Odd refused, bool yes) {  // the file test's or the start's
            return row.odd == SystemErrors ? throw std::exception() : row.odd != refused && yes;
        };
        std::string log;
        StartSysInfo({std::move(store), [&](const auto& p) { return answer(NoFile, p == msinfo); },
                      [&](const auto& p) { return answer(NoStart, true) && (log = p, 1); },
                      [&](std::string_view text) { log += text; }});
        EXPECT_EQ(log, row.started.empty() ? std::string(kSysInfoUnavailable) : row.started);
    }
}

#ifndef _WIN32
// The stand-in answers the PATH value of the system-information key (names compare without
// regard to case) with the first listed program found as an executable file on its search path,
// whose empty entries are not the current directory. All else is not found.
TEST(PathProgramStore, AnswersWithTheFirstListedProgramOnThePath) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(::testing::TempDir()) / "kestro-path-store";
    fs::create_directories(root / "a" / "hardinfo2");  // a folder, not a program
    fs::create_directories(root / "b");
    fs::current_path(root);
    for (const auto& [file, mode] : {std::pair{"hardinfo2", 0755}, {"b/hardinfo", 0644},
                                     {"a/gnome-system-monitor", 0755}, {"b/kinfocenter", 0755}}) {
        std::ofstream(file) << "#!/bin/sh\n";
        fs::permissions(file, fs::perms(mode));
    }
    PathProgramStore store("a::b", kSysInfoPrograms), empty(":", kSysInfoPrograms);
    EXPECT_EQ(read(store, "software\\microsoft\\shared tools\\msinfo", "Path"), "1b/kinfocenter");
    EXPECT_EQ(read(store, kDirKey, "MSINFO") + read(store, kPathKey, "MSINFO") +
                  read(store, kPathKey, "PATH", "", StoreRoot(0x80000001)) +
                  read(empty, kPathKey, "PATH"), "0000");
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(root);
}
#endif

}  // namespace
