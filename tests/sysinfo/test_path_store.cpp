// The store that stands in for the registry where there is none: it names the first
// system-information program found on the search path.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "sysinfo/key_value.h"
#include "sysinfo/path_store.h"

using namespace kestro;
namespace fs = std::filesystem;

namespace {

const std::string kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

struct Folders {
    const fs::path root = fs::temp_directory_path() /
                          ("kestro-path-store-" + std::to_string(std::random_device{}()));
    ~Folders() { fs::remove_all(root); }
    std::string put(const char* folder, const char* name, fs::perms perms = fs::perms(0755)) {
        fs::create_directories(root / folder);
        std::ofstream(root / folder / name) << "#!/bin/sh\n";
        fs::permissions(root / folder / name, perms);
        return (root / folder / name).string();
    }
};

TEST(PathProgramStore, FindsTheFirstListedProgramOnThePath) {
    Folders f;
    const std::string kinfocenter = f.put("b", "kinfocenter");
    f.put("a", "gnome-system-monitor");
    f.put("b", "hardinfo", fs::perms(0644));            // not executable
    fs::create_directories(f.root / "a" / "hardinfo2");  // a folder, not a program
    PathProgramStore store((f.root / "a").string() + "::" + (f.root / "b").string(),
                           kSysInfoPrograms);
    EXPECT_EQ(store.findProgram(), kinfocenter);
    const std::string hardinfo2 = f.put("b", "hardinfo2");
    EXPECT_EQ(store.findProgram(), hardinfo2);  // found as soon as it is there

    // An empty entry of the search path is not the current directory.
    const fs::path previous = fs::current_path();
    fs::current_path(f.root / "b");
    EXPECT_EQ(PathProgramStore(":", kSysInfoPrograms).findProgram(), "");
    fs::current_path(previous);
}

TEST(PathProgramStore, AnswersOnlyThePathValueOfTheSysInfoKey) {
    Folders f;
    f.put("a", "sysinfo-viewer");  // not one of ours
    PathProgramStore store((f.root / "a").string(), kSysInfoPrograms);
    std::string value = "x";
    EXPECT_FALSE(GetKeyValue(store, kLocalMachine, kKey, "PATH", value));
    EXPECT_EQ(value, "");  // and "System Info..." shows its message, as for any store

    const std::string hardinfo = f.put("a", "hardinfo");
    // Key and value names compare without regard to case, as in the registry.
    EXPECT_TRUE(GetKeyValue(store, kLocalMachine, "software\\microsoft\\shared tools\\msinfo",
                            "Path", value));
    EXPECT_EQ(value, hardinfo);
    for (const auto& [root, key, name] :
         {std::tuple{kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"},
          {kLocalMachine, kKey.c_str(), "MSINFO"},
          {kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools", "PATH"},
          {0x80000001, kKey.c_str(), "PATH"}})
        EXPECT_FALSE(GetKeyValue(store, root, key, name, value)) << key << " " << name;
}

}  // namespace
