// InstallConfig on real directories: what lands in kestro.cfg and autoexec.cfg, in which
// order, and what a failure leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

#include "config/generator.h"
#include "config/option_set.h"
#include "install/install_config.h"
#include "install/install_table.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace kestro {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::set<std::string> entries(const fs::path& dir) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

TickedRows ticks(std::initializer_list<std::string_view> mods) {
    TickedRows ticked{};
    for (std::size_t row = 0; row < kInstallTable.size(); ++row)
        for (std::string_view mod : mods) ticked[row] |= kInstallTable[row].modDirectory == mod;
    return ticked;
}

fs::path withTrailingSeparator(const fs::path& dir) {
    return fs::path(dir.native() + fs::path::preferred_separator);
}

class InstallConfigTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        do game_ = fs::temp_directory_path() / ("kestro-install-" + std::to_string(random()));
        while (!fs::create_directory(game_));
    }
    void TearDown() override { fs::remove_all(game_); }

    // Creates the mod's directory and returns it.
    fs::path mod(std::string_view name) {
        const fs::path dir = game_ / name;
        fs::create_directory(dir);
        return dir;
    }

    fs::path game_;
};

TEST(InstallTable, RowsInInstallOrder) {
    struct Row {
        const char *checkBox, *caption, *mod;
        bool ticked;
    };
    const Row expected[] = {
        {"chkAction", "Action Half-Life", "action", false},
        {"chkCStrike", "Counter-Strike", "cstrike", false},
        {"chkDoD", "Day of Defeat", "dod", false},
        {"chkDMC", "Deathmatch Classic", "dmc", true},
        {"chkFirearms", "Firearms", "firearms", false},
        {"chkFLF", "Frontline Force", "frontline", false},
        {"chkValve", "Regular Half-Life", "valve", true},
        {"chkTFC", "Team Fortress Classic", "tfc", true},
    };
    ASSERT_EQ(kInstallTable.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(kInstallTable[i].checkBox, expected[i].checkBox);
        EXPECT_EQ(kInstallTable[i].caption, expected[i].caption);
        EXPECT_EQ(kInstallTable[i].modDirectory, expected[i].mod);
        EXPECT_EQ(kInstallTable[i].tickedByDefault, expected[i].ticked);
    }
}

TEST(ModFilePath, TestsOnlyTheLastCharacterOfTheGameDirectory) {
    struct Case {
        fs::path::string_type gameDir, expected;
    };
#ifdef _WIN32
    const Case cases[] = {
        {L"C:\\Sierra\\Half-Life", L"C:\\Sierra\\Half-Life\\valve\\kestro.cfg"},
        {L"C:\\Sierra\\Half-Life\\", L"C:\\Sierra\\Half-Life\\valve\\kestro.cfg"},
        {L"C:\\", L"C:\\valve\\kestro.cfg"},
        {L"", L"\\valve\\kestro.cfg"},
        {L"C:\\Sierra\\\\", L"C:\\Sierra\\\\valve\\kestro.cfg"},
        {L"C:/Sierra/", L"C:/Sierra/\\valve\\kestro.cfg"},
        {L" C:\\Half Life ", L" C:\\Half Life \\valve\\kestro.cfg"},
    };
#else
    const Case cases[] = {
        {"/games/Half-Life", "/games/Half-Life/valve/kestro.cfg"},
        {"/games/Half-Life/", "/games/Half-Life/valve/kestro.cfg"},
        {"/", "/valve/kestro.cfg"},
        {"", "/valve/kestro.cfg"},
        {"/games//", "/games//valve/kestro.cfg"},
        {"C:\\Sierra\\Half-Life", "C:\\Sierra\\Half-Life/valve/kestro.cfg"},
        {" /games/Half Life ", " /games/Half Life /valve/kestro.cfg"},
    };
#endif
    for (const Case& c : cases) {
        SCOPED_TRACE(fs::path(c.gameDir).string());
        EXPECT_EQ(modFilePath(c.gameDir, "valve", "kestro.cfg").native(), c.expected);
    }
}

TEST_F(InstallConfigTest, NothingTickedWritesNothingAndSucceeds) {
    for (const InstallRow& row : kInstallTable) mod(row.modDirectory);
    EXPECT_TRUE(InstallConfig(game_, TickedRows{}, "text\r\n").succeeded());
    for (const InstallRow& row : kInstallTable) EXPECT_TRUE(fs::is_empty(game_ / row.modDirectory));
}

TEST_F(InstallConfigTest, OnlyValveGetsConfigAndExecLine) {
    for (const InstallRow& row : kInstallTable) mod(row.modDirectory);
    ASSERT_TRUE(InstallConfig(game_, ticks({"valve"}), "fps_max 72\r\nrate 8200\r\n").succeeded());

    EXPECT_EQ(readBytes(game_ / "valve" / "kestro.cfg"), "fps_max 72\r\nrate 8200\r\n\r\n");
    EXPECT_EQ(readBytes(game_ / "valve" / "autoexec.cfg"), "exec kestro.cfg\r\n");
    EXPECT_EQ(entries(game_ / "valve"), (std::set<std::string>{"autoexec.cfg", "kestro.cfg"}));
    for (const InstallRow& row : kInstallTable) {
        if (row.modDirectory == "valve") continue;
        EXPECT_TRUE(fs::is_empty(game_ / row.modDirectory)) << row.modDirectory;
    }
}

TEST_F(InstallConfigTest, GameDirectoryWithOrWithoutTrailingSeparator) {
    mod("tfc");
    ASSERT_TRUE(InstallConfig(game_, ticks({"tfc"}), "a").succeeded());
    ASSERT_TRUE(InstallConfig(withTrailingSeparator(game_), ticks({"tfc"}), "b").succeeded());
    EXPECT_EQ(readBytes(game_ / "tfc" / "kestro.cfg"), "b\r\n");
    EXPECT_EQ(readBytes(game_ / "tfc" / "autoexec.cfg"), "exec kestro.cfg\r\nexec kestro.cfg\r\n");
}

TEST_F(InstallConfigTest, TextIsWrittenByteForByte) {
    struct Case {
        const char* name;
        std::string text, expected;
    };
    const Case cases[] = {
        {"empty text gives a line end only", "", "\r\n"},
        {"8-bit characters stay single bytes", "name \xE9t\xE9?\r\n", "name \xE9t\xE9?\r\n\r\n"},
        {"an unterminated last line", "a\r\nb", "a\r\nb\r\n"},
        {"bare line feeds are not translated", "a\nb\n", "a\nb\n\r\n"},
    };
    mod("dmc");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(InstallConfig(game_, ticks({"dmc"}), c.text).succeeded());
        EXPECT_EQ(readBytes(game_ / "dmc" / "kestro.cfg"), c.expected);
    }
}

TEST_F(InstallConfigTest, UneditedConfigEndsInTwoLineEnds) {
    mod("valve");
    const std::string generated = generateConfig(startupOptionSet());
    ASSERT_TRUE(InstallConfig(game_, ticks({"valve"}), generated).succeeded());
    const std::string written = readBytes(game_ / "valve" / "kestro.cfg");
    EXPECT_EQ(written, generated + "\r\n");
    ASSERT_GE(written.size(), 4u);
    EXPECT_EQ(written.substr(written.size() - 4), "\r\n\r\n");
    EXPECT_NE(written.substr(written.size() - 6), "\r\n\r\n\r\n");
}

TEST_F(InstallConfigTest, ExistingConfigIsReplacedNeverAppended) {
    const fs::path valve = mod("valve");
    writeBytes(valve / "kestro.cfg", "a much longer old config that must vanish entirely\r\n");
    ASSERT_TRUE(InstallConfig(game_, ticks({"valve"}), "new").succeeded());
    EXPECT_EQ(readBytes(valve / "kestro.cfg"), "new\r\n");
}

TEST_F(InstallConfigTest, TwoInstallsGiveTwoExecLinesAndOneConfig) {
    const fs::path valve = mod("valve");
    ASSERT_TRUE(InstallConfig(game_, ticks({"valve"}), "cfg\r\n").succeeded());
    ASSERT_TRUE(InstallConfig(game_, ticks({"valve"}), "cfg\r\n").succeeded());
    EXPECT_EQ(readBytes(valve / "kestro.cfg"), "cfg\r\n\r\n");
    EXPECT_EQ(readBytes(valve / "autoexec.cfg"), "exec kestro.cfg\r\nexec kestro.cfg\r\n");
    EXPECT_EQ(entries(valve), (std::set<std::string>{"autoexec.cfg", "kestro.cfg"}));
}

TEST_F(InstallConfigTest, ExistingAutoexecKeepsItsLinesAndGetsOneLineEnd) {
    struct Case {
        const char* name;
        std::string before, after;
    };
    const Case cases[] = {
        {"missing", "", "exec kestro.cfg\r\n"},
        {"empty", "", "exec kestro.cfg\r\n"},
        {"terminated", "bind w +forward\r\n", "bind w +forward\r\nexec kestro.cfg\r\n"},
        {"unterminated", "bind w +forward", "bind w +forward\r\nexec kestro.cfg\r\n"},
        {"ends in a bare line feed", "bind w +forward\n", "bind w +forward\nexec kestro.cfg\r\n"},
        {"ends in a bare carriage return", "bind w +forward\r",
         "bind w +forward\r\r\nexec kestro.cfg\r\n"},
    };
    const fs::path cstrike = mod("cstrike");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(cstrike / "autoexec.cfg");
        if (std::string_view(c.name) != "missing") writeBytes(cstrike / "autoexec.cfg", c.before);
        ASSERT_TRUE(InstallConfig(game_, ticks({"cstrike"}), "x").succeeded());
        EXPECT_EQ(readBytes(cstrike / "autoexec.cfg"), c.after);
    }
}

TEST_F(InstallConfigTest, FailureInTheMiddleKeepsEarlierRowsAndSkipsLaterOnes) {
    mod("action");
    mod("valve");
    mod("tfc");
    // "dod" is missing; install order puts it between "action" and "valve".
    const InstallResult result = InstallConfig(game_, ticks({"tfc", "valve", "dod", "action"}), "c");
    ASSERT_FALSE(result.succeeded());
    EXPECT_EQ(result.failure->row, 2u);
    EXPECT_EQ(kInstallTable[result.failure->row].checkBox, "chkDoD");
    EXPECT_EQ(result.failure->step, InstallStep::WriteConfig);
    EXPECT_EQ(result.failure->path, modFilePath(game_, "dod", "kestro.cfg"));
    EXPECT_FALSE(result.failure->error.message().empty());

    EXPECT_EQ(readBytes(game_ / "action" / "kestro.cfg"), "c\r\n");
    EXPECT_EQ(readBytes(game_ / "action" / "autoexec.cfg"), "exec kestro.cfg\r\n");
    EXPECT_FALSE(fs::exists(game_ / "dod"));
    EXPECT_TRUE(fs::is_empty(game_ / "valve"));
    EXPECT_TRUE(fs::is_empty(game_ / "tfc"));
}

// Each failure: the row and step it names, the system's reason, what it leaves behind.
TEST_F(InstallConfigTest, FailuresAreReportedAndLeaveNoTemporaryFile) {
    // A mod directory that does not exist: never created.
    {
        const InstallResult result = InstallConfig(game_, ticks({"valve"}), "c");
        ASSERT_FALSE(result.succeeded());
        EXPECT_EQ(result.failure->step, InstallStep::WriteConfig);
        EXPECT_EQ(result.failure->path, modFilePath(game_, "valve", "kestro.cfg"));
        EXPECT_EQ(result.failure->error, std::errc::no_such_file_or_directory);
        EXPECT_TRUE(entries(game_).empty());
    }
    // kestro.cfg that is a directory: neither it nor autoexec.cfg is touched.
    {
        const fs::path dmc = mod("dmc");
        fs::create_directory(dmc / "kestro.cfg");
        writeBytes(dmc / "autoexec.cfg", "old\r\n");
        const InstallResult result = InstallConfig(game_, ticks({"dmc"}), "c");
        ASSERT_FALSE(result.succeeded());
        EXPECT_EQ(result.failure->step, InstallStep::WriteConfig);
        EXPECT_EQ(result.failure->path, modFilePath(game_, "dmc", "kestro.cfg"));
#ifndef _WIN32
        EXPECT_EQ(result.failure->error, std::errc::is_a_directory);
#endif
        EXPECT_TRUE(fs::is_directory(dmc / "kestro.cfg"));
        EXPECT_TRUE(fs::is_empty(dmc / "kestro.cfg"));
        EXPECT_EQ(readBytes(dmc / "autoexec.cfg"), "old\r\n");
        EXPECT_EQ(entries(dmc), (std::set<std::string>{"autoexec.cfg", "kestro.cfg"}));
    }
    // A game directory that runs through a regular file.
    {
        const fs::path notADirectory = game_ / "readme.txt";
        writeBytes(notADirectory, "just a file");
        const InstallResult result = InstallConfig(notADirectory, ticks({"tfc"}), "c");
        ASSERT_FALSE(result.succeeded());
        EXPECT_EQ(result.failure->path, modFilePath(notADirectory, "tfc", "kestro.cfg"));
#ifndef _WIN32
        EXPECT_EQ(result.failure->error, std::errc::not_a_directory);
#endif
        EXPECT_EQ(readBytes(notADirectory), "just a file");
    }
}

#ifndef _WIN32
TEST_F(InstallConfigTest, WriteErrorsAreFailures) {
    // autoexec.cfg leading to a full disk: the config is in place, the exec line failed.
    {
        const fs::path valve = mod("valve");
        fs::create_symlink("/dev/full", valve / "autoexec.cfg");
        const InstallResult result = InstallConfig(game_, ticks({"valve", "tfc"}), "c");
        ASSERT_FALSE(result.succeeded());
        EXPECT_EQ(kInstallTable[result.failure->row].modDirectory, "valve");
        EXPECT_EQ(result.failure->step, InstallStep::AppendExec);
        EXPECT_EQ(result.failure->path, modFilePath(game_, "valve", "autoexec.cfg"));
        EXPECT_EQ(result.failure->error, std::errc::no_space_on_device);
        EXPECT_EQ(readBytes(valve / "kestro.cfg"), "c\r\n");
        EXPECT_EQ(entries(valve), (std::set<std::string>{"autoexec.cfg", "kestro.cfg"}));
    }
    // kestro.cfg leading to a full disk is written in place, and fails.
    {
        const fs::path dod = mod("dod");
        fs::create_symlink("/dev/full", dod / "kestro.cfg");
        const InstallResult result = InstallConfig(game_, ticks({"dod"}), "c");
        ASSERT_FALSE(result.succeeded());
        EXPECT_EQ(result.failure->step, InstallStep::WriteConfig);
        EXPECT_EQ(result.failure->error, std::errc::no_space_on_device);
        EXPECT_TRUE(fs::is_symlink(dod / "kestro.cfg"));
        EXPECT_EQ(entries(dod), (std::set<std::string>{"kestro.cfg"}));
    }
    // kestro.cfg that is a pipe nobody reads: a failure, not a program that hangs.
    {
        const fs::path dmc = mod("dmc");
        ASSERT_EQ(::mkfifo((dmc / "kestro.cfg").c_str(), 0666), 0);
        const InstallResult result = InstallConfig(game_, ticks({"dmc"}), "c");
        ASSERT_FALSE(result.succeeded());
        EXPECT_EQ(result.failure->step, InstallStep::WriteConfig);
        EXPECT_EQ(entries(dmc), (std::set<std::string>{"kestro.cfg"}));
    }
}

// A write that stops half-way (here at the file size limit) leaves the old kestro.cfg whole
// and removes the partly written new one.
TEST_F(InstallConfigTest, HalfWrittenConfigNeverReplacesTheOldOne) {
    const fs::path valve = mod("valve");
    writeBytes(valve / "kestro.cfg", "old config\r\n");

    struct FileSizeLimit {
        rlimit saved{};
        void (*savedSignal)(int) = nullptr;
        explicit FileSizeLimit(rlim_t bytes) {
            getrlimit(RLIMIT_FSIZE, &saved);
            savedSignal = std::signal(SIGXFSZ, SIG_IGN);
            rlimit limited = saved;
            limited.rlim_cur = bytes;
            setrlimit(RLIMIT_FSIZE, &limited);
        }
        ~FileSizeLimit() {
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, savedSignal);
        }
    };
    InstallResult result;
    {
        FileSizeLimit limit(16);
        result = InstallConfig(game_, ticks({"valve"}), std::string(100, 'x'));
    }
    ASSERT_FALSE(result.succeeded());
    EXPECT_EQ(result.failure->step, InstallStep::WriteConfig);
    EXPECT_EQ(result.failure->error, std::errc::file_too_large);
    EXPECT_EQ(readBytes(valve / "kestro.cfg"), "old config\r\n");
    EXPECT_EQ(entries(valve), (std::set<std::string>{"kestro.cfg"}));
}

TEST_F(InstallConfigTest, ReplacingKeepsLinksAndPermissions) {
    const fs::path valve = mod("valve");
    const fs::path elsewhere = game_ / "shared.cfg";
    writeBytes(elsewhere, "old\r\n");
    fs::permissions(elsewhere, fs::perms::owner_read | fs::perms::owner_write |
                                   fs::perms::group_read);
    fs::create_symlink(elsewhere, valve / "kestro.cfg");

    ASSERT_TRUE(InstallConfig(game_, ticks({"valve"}), "new").succeeded());
    EXPECT_TRUE(fs::is_symlink(valve / "kestro.cfg"));
    EXPECT_EQ(readBytes(elsewhere), "new\r\n");
    EXPECT_EQ(fs::status(elsewhere).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(game_), (std::set<std::string>{"shared.cfg", "valve"}));
}
#endif

}  // namespace
}  // namespace kestro
