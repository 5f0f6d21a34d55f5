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

class PathStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("kestro-path-store-" + std::to_string(std::random_device{}()));
        fs::create_directories(root_ / "a");
        fs::create_directories(root_ / "b");
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string dir(const char* name) const { return (root_ / name).string(); }
    void program(const char* folder, const char* name, fs::perms perms = fs::perms(0755)) {
        std::ofstream(root_ / folder / name) << "#!/bin/sh\n";
        fs::permissions(root_ / folder / name, perms);
    }

    fs::path root_;
};

TEST_F(PathStoreTest, FindsTheFirstListedProgramOnThePath) {
    program("b", "kinfocenter");
    program("a", "gnome-system-monitor");
    program("b", "hardinfo", fs::perms(0644));          // not executable
    fs::create_directories(root_ / "a" / "hardinfo2");  // a folder, not a program
    PathProgramStore store(dir("a") + "::" + dir("b"), kSysInfoPrograms);
    EXPECT_EQ(store.findProgram(), dir("b") + "/kinfocenter");
    program("b", "hardinfo2");
    EXPECT_EQ(store.findProgram(), dir("b") + "/hardinfo2");

    // An empty entry of the search path is not the current directory.
    const fs::path previous = fs::current_path();
    fs::current_path(root_ / "b");
    EXPECT_EQ(PathProgramStore(":", kSysInfoPrograms).findProgram(), "");
    fs::current_path(previous);
}

TEST_F(PathStoreTest, AnswersOnlyThePathValueOfTheSysInfoKey) {
    program("a", "hardinfo");
    PathProgramStore store(dir("a"), kSysInfoPrograms);
    std::string value;
    EXPECT_TRUE(GetKeyValue(store, kLocalMachine, kKey, "PATH", value));
    EXPECT_EQ(value, dir("a") + "/hardinfo");
    // Key and value names compare without regard to case, as in the registry.
    value.clear();
    EXPECT_TRUE(GetKeyValue(store, kLocalMachine, "software\\microsoft\\shared tools\\msinfo",
                            "Path", value));
    EXPECT_EQ(value, dir("a") + "/hardinfo");

    for (const auto& [key, name] :
         {std::pair{"SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"},
          {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "MSINFO"},
          {"SOFTWARE\\Microsoft\\Shared Tools", "PATH"}}) {
        EXPECT_FALSE(GetKeyValue(store, kLocalMachine, key, name, value)) << key << " " << name;
    }
    EXPECT_FALSE(GetKeyValue(store, 0x80000001, kKey, "PATH", value));
}

TEST_F(PathStoreTest, NothingInstalledIsNotFound) {
    program("a", "sysinfo-viewer");  // not one of ours
    PathProgramStore store(dir("a") + ":" + dir("b"), kSysInfoPrograms);
    std::string value = "x";
    EXPECT_FALSE(GetKeyValue(store, kLocalMachine, kKey, "PATH", value));
    EXPECT_EQ(value, "");  // and "System Info..." shows its message, as for any store
}

}  // namespace
