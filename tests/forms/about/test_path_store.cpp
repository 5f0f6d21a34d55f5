#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "forms/about/key_value.h"
#include "forms/about/path_store.h"
#include "forms/about/sys_info.h"

using namespace kestro;
namespace fs = std::filesystem;

namespace {

class PathStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("kestro-path-store-" + std::to_string(::testing::UnitTest::GetInstance()
                                                           ->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "a");
        fs::create_directories(root_ / "b");
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string dir(const char* name) const { return (root_ / name).string(); }
    void program(const char* folder, const char* name, bool executable = true) {
        const fs::path path = root_ / folder / name;
        std::ofstream(path) << "#!/bin/sh\n";
        fs::permissions(path, executable ? fs::perms(0755) : fs::perms(0644));
    }

    fs::path root_;
};

TEST_F(PathStoreTest, FindsTheFirstListedProgramOnThePath) {
    program("b", "kinfocenter");
    program("a", "gnome-system-monitor");
    program("b", "hardinfo", false);         // not executable
    fs::create_directories(root_ / "a" / "hardinfo2");  // a folder, not a program
    PathProgramStore store(dir("a") + "::" + dir("b"), kSysInfoPrograms);
    EXPECT_EQ(store.findProgram(), dir("b") + "/kinfocenter");

    program("b", "hardinfo2");
    EXPECT_EQ(store.findProgram(), dir("b") + "/hardinfo2");
}

TEST_F(PathStoreTest, AnswersOnlyThePathValueOfTheSysInfoKey) {
    program("a", "hardinfo");
    PathProgramStore store(dir("a"), kSysInfoPrograms);
    std::string value;
    EXPECT_TRUE(GetKeyValue(store, kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                            "PATH", value));
    EXPECT_EQ(value, dir("a") + "/hardinfo");
    // Key and value names compare without regard to case, as in the registry.
    value.clear();
    EXPECT_TRUE(GetKeyValue(store, kLocalMachine, "software\\microsoft\\shared tools\\msinfo",
                            "Path", value));
    EXPECT_EQ(value, dir("a") + "/hardinfo");

    const std::pair<const char*, const char*> unknown[] = {
        {"SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"},
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "MSINFO"},
        {"SOFTWARE\\Microsoft\\Shared Tools", "PATH"},
    };
    for (const auto& [key, name] : unknown) {
        value = "x";
        EXPECT_FALSE(GetKeyValue(store, kLocalMachine, key, name, value)) << key << " " << name;
        EXPECT_EQ(value, "");
    }
    EXPECT_FALSE(GetKeyValue(store, 0x80000001, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                             "PATH", value));
}

TEST_F(PathStoreTest, NothingInstalledMeansTheMessage) {
    program("a", "sysinfo-viewer");  // not one of ours
    PathProgramStore store(dir("a") + ":" + dir("b"), kSysInfoPrograms);
    std::string value = "x";
    EXPECT_FALSE(GetKeyValue(store, kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                             "PATH", value));

    std::vector<std::string> messages, started;
    SysInfoServices services;
    services.store = &store;
    services.fileExists = [](const std::string&) { return true; };
    services.startProgram = [&](const std::string& path) {
        started.push_back(path);
        return true;
    };
    services.showMessage = [&](std::string_view text) { messages.emplace_back(text); };
    StartSysInfo(services);
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(messages, std::vector<std::string>{"System Information Is Unavailable At This Time"});
}

TEST(PathStore, EmptyPathEntriesAreNotTheCurrentDirectory) {
    const fs::path here = fs::temp_directory_path() / "kestro-path-store-cwd";
    fs::create_directories(here);
    std::ofstream(here / "hardinfo") << "#!/bin/sh\n";
    fs::permissions(here / "hardinfo", fs::perms(0755));
    const fs::path previous = fs::current_path();
    fs::current_path(here);
    PathProgramStore store(":", kSysInfoPrograms);
    EXPECT_EQ(store.findProgram(), "");
    fs::current_path(previous);
    fs::remove_all(here);
}

}  // namespace
