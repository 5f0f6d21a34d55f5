// The settings store as "System Info..." reads it: one table of what a store holds, what the
// lookup makes of it and what "System Info..." then starts, against a store in memory (the
// registry's own answers: test_windows_calls); then the search-path stand-in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/fake_store.h"
#include "sysinfo/key_value.h"
#include "platform/path_store.h"
#include "sysinfo/sys_info.h"

using namespace kestro;

// Where Windows records the system-information program and the folder that holds it.
const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                  kDirKey = "SOFTWARE\\Microsoft\\Shared Tools Location", z(1, '\0'),
                  y1024(1024, 'y');
const std::string ya511 = [] { std::string s; while (s.size() < 1022) s += "Я"; return s; }();
enum Odd { None, NoFile, NoStart, Throws };

// What GetKeyValue answered and the value after it: "found ...", "not found ..." or "threw".
const std::string kThrew = "threw", kNotFound = "not found ";
std::string found(const std::string& value) { return "found " + value; }
static std::string lookup(SettingsStore& store, const std::string& key, const char* name,
                          std::string value = {}) try {
    const bool answered = GetKeyValue(store, StoreRoot::LocalMachine, key, name, value);
    return answered ? found(value) : kNotFound + value;
} catch (const KeyValueError&) {
    return kThrew;
}

// stored: the PATH value (type 0: no key). read: the lookup into a value that held `before`;
// text: what the game search reads of it ("": nothing).
// started: what "System Info..." starts ("": it shows the message) on a machine whose directory
// entry names C:\Tools, which holds MSINFO32.EXE, and where every program starts, unless `odd`
// says otherwise.
TEST(SettingsStore, WhatTheLookupReadsAndWhatSystemInfoStarts) {
    const std::string tools = "C:\\Tools", msinfo = tools + "\\MSINFO32.EXE", info = "C:\\info",
                      fits = ya511 + "y", over = ya511 + "Я";
    const struct { const char* what; test::StoredValue stored; std::string before, read;
                   std::string text, started; Odd odd = None; }
        rows[] = {
        // The program PATH names is not tested for, nor passed over for the directory entry.
        {"text with its zero", {1, info + z}, "", found(info), info, info},
        {"zeros after its end", {1, info + z + z + z}, "", found(info), info, info},
        // The store hands it over expanded.
        {"expandable text", {2, info + z}, "kept", found("kept"), info, ""},
        {"text filling the buffer, without a zero", {1, y1024}, "old", found(y1024), y1024, y1024},
        // 03 02 01 00: the top zero byte is cut; 01 02 03 read last to first give &h123.
        {"number", {4, {"\x03\x02\x01\x00", 4}}, "", found("291"), "", "291"},
        // 10 00 A1 (00 cut), last byte first and a digit per byte without leading zeros:
        // "A1010"; after "f": &hfA1010.
        {"hex, after a value", {4, {"\x10\0\xA1\0", 4}}, "f", found("16388112"), "", "659472"},
        {"largest number", {4, std::string(4, '\xFF')}, "", found("4294967295"), "", "4294967295"},
        {"number beyond 32 bits", {4, std::string(4, '\xFF') + '\x01'}, "", kThrew, "", ""},
        {"unknown type", {3, "AB" + z}, "kept", found("kept"), "", ""},
        {"missing key", {}, "old", kNotFound, "", msinfo},
        // The game search reads a path's text into a larger buffer.
        {"text over 1024 bytes", {1, y1024 + z}, "old", kNotFound, y1024, msinfo},
        // Texts are measured in UTF-8, whatever the store keeps: Я is two bytes.
        {"UTF-8 of 1024 bytes", {1, fits + z}, "", found(fits), fits, fits},
        {"UTF-8 over 1024 bytes", {1, over + z}, "old", kNotFound, over, msinfo},
        {"text of size 0", {1, ""}, "old", kThrew, "", ""},
        {"no MSINFO32.EXE", {}, "", kNotFound, "", "", NoFile},
        {"program that does not start", {1, info}, "", found(info), info, "", NoStart},
        {"errors of the start", {1, info}, "", found(info), info, "", Throws},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        auto store = std::make_unique<test::FakeStore>();
        if (row.stored.first) store->keys[kPathKey]["PATH"] = row.stored;
        store->keys[kDirKey]["MSINFO"] = {1, tools + z};
        EXPECT_EQ(lookup(*store, kPathKey, "PATH", row.before), row.read);
        EXPECT_EQ(readText(*store, StoreRoot::LocalMachine, kPathKey, "PATH").value_or(""), row.text);
        // Closed once by each lookup however it ends; 0 when the key did not open.
        EXPECT_EQ(store->closed, (row.stored.first ? std::vector<StoreKey>{0x100u, 0x101u}
                                                   : std::vector<StoreKey>{0u, 0u}));
        const auto ok = [&row](Odd no) {  // the file test's or the start's answer, or a throw
            return row.odd == Throws ? throw std::exception() : row.odd != no;
        };
        std::string log;
        StartSysInfo({std::move(store), [&](const auto& p) { return ok(NoFile) && p == msinfo; },
                      [&](const auto& p) { return ok(NoStart) && (log = p, 1); },
                      [&](std::string_view text) { log += text; }});
        EXPECT_EQ(log, row.started.empty() ? "System Information Is Unavailable At This Time" : row.started);
    }
}

#ifndef _WIN32
namespace fs = std::filesystem;

// A fresh folder made the current one; the current folder and PATH as they were, and the
// folder gone, however the test ends.
struct WorkingFolder {
    const fs::path before = fs::current_path(), folder;
    const std::optional<std::string> path = [](const char* set) {
        return set ? std::optional<std::string>(set) : std::nullopt;
    }(std::getenv("PATH"));
    explicit WorkingFolder(fs::path where) : folder(std::move(where)) {
        fs::remove_all(folder), fs::create_directories(folder), fs::current_path(folder);
    }
    ~WorkingFolder() {
        fs::current_path(before), fs::remove_all(folder);
        path ? ::setenv("PATH", path->c_str(), 1) : ::unsetenv("PATH");
    }
};

// The stand-in answers the PATH value of the system-information key (names compare without
// regard to case, as in the registry) with the first listed program found as an executable file
// on its search path (the program's PATH), whose empty entries are not the current directory.
// All else is not found.
TEST(PathProgramStore, AnswersWithTheFirstListedProgramOnThePath) {
    const WorkingFolder root(fs::path(::testing::TempDir()) / "kestro-path-store");
    const auto program = [](const std::string& file, int mode) {
        if (const fs::path dir = fs::path(file).parent_path(); !dir.empty()) fs::create_directories(dir);
        std::ofstream(file) << "#!/bin/sh\n";
        fs::permissions(file, fs::perms(mode));
    };
    fs::create_directories("a/b/hardinfo2");  // a folder, not a program
    for (const auto& [file, mode] : {std::pair{"hardinfo2", 0755}, {"a/hardinfo", 0644},
                                     {"a/gnome-system-monitor", 0755}, {"a/b/kinfocenter", 0755}})
        program(file, mode);
    ::setenv("PATH", "a::a/b", 1);
    const std::unique_ptr<SettingsStore> store = makePlatformSettingsStore();
    EXPECT_EQ(lookup(*store, kPathKey, "Path"), found("a/b/kinfocenter"));
    for (const std::string& key : {kDirKey, kPathKey})
        EXPECT_EQ(lookup(*store, key, "MSINFO"), kNotFound) << key;
    StoreKey key = 0;  // the key is the machine's: this user's root has none
    EXPECT_EQ(store->openKey(StoreRoot::CurrentUser, kPathKey, key), StoreAnswer::NotFound);
    // A program whose name and zero fill the 1024-byte buffer is read; one byte longer is not.
    std::string fills;
    while (fills.size() < 1000) fills += std::string(200, 'd') + "/";
    fills += std::string(1023 - fills.size() - std::string_view("/hardinfo2").size(), 'e');
    for (const std::string& dir : {fills, fills + "e"}) program(dir + "/hardinfo2", 0755);
    PathProgramStore filling(fills, kSysInfoPrograms), overflowing(fills + "e", kSysInfoPrograms);
    EXPECT_EQ(lookup(filling, kPathKey, "Path"), found(fills + "/hardinfo2"));
    EXPECT_EQ(lookup(overflowing, kPathKey, "Path", "old"), kNotFound);
}
#endif
