// The game directory as typed, and Windows drive paths found in a Wine prefix as Wine finds
// them: by the resolver itself and by installs into a prefix named by the environment.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

#include "install/game_directory.h"
#include "install/install_config.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;

TEST(GameDirectoryPath, KeepsTheTypedTextAsAPathOfThisSystem) {
    const fs::path path = gameDirectoryPath("D:\\Spiele\\H\xC3\xB6hle\\ ");
#ifdef _WIN32
    EXPECT_EQ(path.native(), L"D:\\Spiele\\H\u00F6hle\\ ");
#else
    EXPECT_EQ(path.native(), "D:\\Spiele\\H\xC3\xB6hle\\ ");
#endif
}

#ifndef _WIN32
std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A prefix as Wine makes it: drive C: a relative link to drive_c, holding the game with three
// of its mods (and "cstrike" twice, in two cases); drive D: a link to a folder elsewhere.
class WinePrefixTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        do root_ = fs::temp_directory_path() / ("kestro-wine-" + std::to_string(random()));
        while (!fs::create_directory(root_));
        prefix_ = root_ / "prefix";
        for (const char* mod : {"valve", "tfc", "dmc", "cstrike", "CStrike"})
            fs::create_directories(prefix_ / "drive_c/Sierra/Half-Life" / mod);
        fs::create_directories(prefix_ / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix_ / "dosdevices/c:");
        fs::create_directories(root_ / "elsewhere/Games");
        fs::create_directory_symlink(root_ / "elsewhere", prefix_ / "dosdevices/d:");
        for (const char* name : {"WINEPREFIX", "HOME"})
            if (const char* value = std::getenv(name)) saved_.emplace_back(name, value);
    }
    void TearDown() override {
        ::unsetenv("WINEPREFIX");
        for (const auto& [name, value] : saved_) ::setenv(name.c_str(), value.c_str(), 1);
        fs::remove_all(root_);
    }

    fs::path game(const char* below = "") const {
        return prefix_ / "drive_c/Sierra/Half-Life" / below;
    }

    fs::path root_, prefix_;
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(WinePrefixTest, DrivePathsAreFoundOnTheDrivesOfThePrefix) {
    std::ofstream(game("valve/Kestro.cfg")) << "";
    const std::pair<const char*, std::optional<const char*>> cases[] = {
        {"C:\\Sierra\\Half-Life\\valve\\kestro.cfg", "c:/Sierra/Half-Life/valve/Kestro.cfg"},
        {"c:\\SIERRA\\half-life\\VALVE\\autoexec.cfg", "c:/Sierra/Half-Life/valve/autoexec.cfg"},
        {"C:/sierra//Half-Life/./tfc\\..\\dmc\\", "c:/Sierra/Half-Life/dmc"},
        {"C:\\..\\..\\Sierra", "c:/Sierra"},  // never above the drive
        {"C:", "c:"},
        // As typed from the first name not found on.
        {"C:\\sierra\\HL\\Valve\\x.cfg", "c:/Sierra/HL/Valve/x.cfg"},
        {"C:\\Sierra\\Half-Life\\cstrike", "c:/Sierra/Half-Life/cstrike"},  // exact name first
        {"C:\\Sierra\\Half-Life\\CSTRIKE", "c:/Sierra/Half-Life/CStrike"},
        {"d:\\games\\", "d:/Games"},
        {"E:\\Games", std::nullopt},  // no such drive
        {"/Sierra/Half-Life", std::nullopt},
        {"\\\\server\\share\\Half-Life", std::nullopt},
        {"1:\\Half-Life", std::nullopt},
        {"C", std::nullopt},
    };
    for (const auto& [path, expected] : cases) {
        SCOPED_TRACE(path);
        const std::optional<fs::path> found = winePath(path, prefix_);
        ASSERT_EQ(found.has_value(), expected.has_value());
        if (expected) {
            EXPECT_EQ(*found, prefix_ / "dosdevices" / *expected);
        }
    }
}

// Install with the window's own game directory, as typed, into the prefix that WINEPREFIX or
// else HOME names; without one, the install fails as any missing directory does.
TEST_F(WinePrefixTest, InstallsIntoThePrefixThatTheEnvironmentNames) {
    const fs::path home = root_ / "home";
    fs::create_directory(home);
    fs::create_directory_symlink(prefix_, home / ".wine");
    struct Case {
        std::optional<fs::path> winePrefix, home;
        const char* gameDir;
        bool installs;
    };
    const Case cases[] = {
        {prefix_, std::nullopt, "C:\\Sierra\\Half-Life", true},
        {prefix_, home, "c:\\SIERRA\\half-life\\", true},
        {std::nullopt, home, "C:\\Sierra\\Half-Life", true},
        {"", home, "C:/Sierra/Half-Life", true},  // an empty WINEPREFIX counts as unset
        {root_ / "no-prefix", home, "C:\\Sierra\\Half-Life", false},
        {std::nullopt, root_, "C:\\Sierra\\Half-Life", false},
        {std::nullopt, std::nullopt, "C:\\Sierra\\Half-Life", false},
    };
    TickedRows ticked{};
    ticked[3] = ticked[6] = ticked[7] = true;  // dmc, valve, tfc: the window's start state
    int install = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.gameDir) + " " + std::to_string(install));
        ::unsetenv("WINEPREFIX");
        ::unsetenv("HOME");
        if (c.winePrefix) ::setenv("WINEPREFIX", c.winePrefix->c_str(), 1);
        if (c.home) ::setenv("HOME", c.home->c_str(), 1);
        const std::string text = "fps_max " + std::to_string(++install);
        const InstallResult result = InstallConfig(c.gameDir, ticked, text);
        ASSERT_EQ(result.succeeded(), c.installs);
        if (!c.installs) {
            // Looked for where the text as typed leads, as before.
            EXPECT_EQ(result.failure->path, modFilePath(c.gameDir, "dmc", "kestro.cfg"));
            EXPECT_EQ(result.failure->error, std::errc::no_such_file_or_directory);
            continue;
        }
        for (const char* mod : {"valve", "tfc", "dmc"}) {
            EXPECT_EQ(readBytes(game(mod) / "kestro.cfg"), text + "\r\n") << mod;
            EXPECT_EQ(readBytes(game(mod) / "autoexec.cfg").size(), install * 17u) << mod;
        }
    }
    // Files that differ in case only are the ones written; a missing mod names its place.
    ::setenv("WINEPREFIX", prefix_.c_str(), 1);
    fs::rename(game("valve/kestro.cfg"), game("valve/KESTRO.CFG"));
    fs::rename(game("valve/autoexec.cfg"), game("valve/AutoExec.cfg"));
    TickedRows valve{}, firearms{};
    valve[6] = firearms[4] = true;
    ASSERT_TRUE(InstallConfig("C:\\Sierra\\Half-Life", valve, "last").succeeded());
    EXPECT_EQ(readBytes(game("valve/KESTRO.CFG")), "last\r\n");
    EXPECT_EQ(readBytes(game("valve/AutoExec.cfg")).size(), 5 * 17u);
    EXPECT_EQ(std::distance(fs::directory_iterator(game("valve")), fs::directory_iterator()), 2);
    const InstallResult result = InstallConfig("C:\\Sierra\\Half-Life", firearms, "x");
    ASSERT_FALSE(result.succeeded());
    EXPECT_EQ(result.failure->path, prefix_ / "dosdevices/c:/Sierra/Half-Life/firearms/kestro.cfg");
}
#endif

}  // namespace
}  // namespace kestro
