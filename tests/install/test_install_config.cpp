// InstallConfig on real directories: what lands in kestro.cfg and autoexec.cfg, in which
// order, and what a failure leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <string>

#include "config/generator.h"
#include "config/option_set.h"
#include "install/install_config.h"

#ifndef _WIN32
#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kestro {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

// The mod directories in install order, one per row of the install table.
const char* const kMods[] = {"action",   "cstrike",   "dod",   "dmc",
                             "firearms", "frontline", "valve", "tfc"};

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

Names entries(const fs::path& dir) {
    Names names;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

TickedRows ticks(std::initializer_list<std::string_view> mods) {
    TickedRows ticked{};
    for (std::size_t row = 0; row < std::size(kMods); ++row)
        for (std::string_view mod : mods) ticked[row] |= kMods[row] == mod;
    return ticked;
}

class InstallConfigTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        do game_ = fs::temp_directory_path() / ("kestro-install-" + std::to_string(random()));
        while (!fs::create_directory(game_));
    }
    void TearDown() override { fs::remove_all(game_); }

    fs::path mod(std::string_view name) {
        fs::create_directory(game_ / name);
        return game_ / name;
    }
    // Installs into the game directory and expects success.
    void install(TickedRows ticked, std::string_view text) {
        const InstallResult result = InstallConfig(game_, ticked, text);
        ASSERT_TRUE(result.succeeded())
            << result.failure->path << ": " << result.failure->error.message();
    }
    // Installs `mod` alone, expecting the failure `step` at `file` of that mod.
    InstallFailure failing(std::string_view name, InstallStep step, const char* file,
                           const fs::path& gameDir = {}) {
        const fs::path dir = gameDir.empty() ? game_ : gameDir;
        const InstallResult result = InstallConfig(dir, ticks({name}), "c");
        EXPECT_FALSE(result.succeeded());
        if (result.succeeded()) return {};
        EXPECT_EQ(kMods[result.failure->row], name);
        EXPECT_EQ(result.failure->step, step);
        EXPECT_EQ(result.failure->path, modFilePath(dir, name, file));
        return *result.failure;
    }

    fs::path game_;
};

TEST(ModFilePath, TestsOnlyTheLastCharacterOfTheGameDirectory) {
    struct Case {
        fs::path::string_type gameDir, expected;
    };
#ifdef _WIN32
    const Case cases[] = {
        {L"C:\\Sierra\\Half-Life", L"C:\\Sierra\\Half-Life\\valve\\kestro.cfg"},
        {L"C:\\Sierra\\Half-Life\\", L"C:\\Sierra\\Half-Life\\valve\\kestro.cfg"},
        {L"", L"\\valve\\kestro.cfg"},
        {L"C:\\Sierra\\\\", L"C:\\Sierra\\\\valve\\kestro.cfg"},
        {L"C:/Sierra/", L"C:/Sierra/\\valve\\kestro.cfg"},
        {L" C:\\Half Life ", L" C:\\Half Life \\valve\\kestro.cfg"},
    };
#else
    const Case cases[] = {
        {"/games/Half-Life", "/games/Half-Life/valve/kestro.cfg"},
        {"/games/Half-Life/", "/games/Half-Life/valve/kestro.cfg"},
        {"", "/valve/kestro.cfg"},
        {"/games//", "/games//valve/kestro.cfg"},
        {"C:\\Sierra\\", "C:\\Sierra\\/valve/kestro.cfg"},
        {" /games/Half Life ", " /games/Half Life /valve/kestro.cfg"},
    };
#endif
    for (const Case& c : cases)
        EXPECT_EQ(modFilePath(c.gameDir, "valve", "kestro.cfg").native(), c.expected);
}

TEST_F(InstallConfigTest, NothingTickedWritesNothingAndSucceeds) {
    for (const char* name : kMods) mod(name);
    install(TickedRows{}, "text\r\n");
    for (const char* name : kMods) EXPECT_TRUE(fs::is_empty(game_ / name)) << name;
}

// Each row writes into its own mod directory and no other: the config and the exec line.
TEST_F(InstallConfigTest, EachRowInstallsIntoItsModDirectory) {
    for (const char* name : kMods) mod(name);
    for (const char* only : kMods) {
        SCOPED_TRACE(only);
        install(ticks({only}), "fps_max 72\r\nrate 8200\r\n");
        for (const char* name : kMods)
            EXPECT_EQ(entries(game_ / name).size(), name == std::string_view(only) ? 2u : 0u)
                << name;
        EXPECT_EQ(readBytes(game_ / only / "kestro.cfg"), "fps_max 72\r\nrate 8200\r\n\r\n");
        EXPECT_EQ(readBytes(game_ / only / "autoexec.cfg"), "exec kestro.cfg\r\n");
        fs::remove_all(game_ / only);
        mod(only);
    }
}

TEST_F(InstallConfigTest, GameDirectoryWithOrWithoutTrailingSeparator) {
    mod("tfc");
    install(ticks({"tfc"}), "a");
    const fs::path withSeparator = game_.native() + fs::path::preferred_separator;
    ASSERT_TRUE(InstallConfig(withSeparator, ticks({"tfc"}), "b").succeeded());
    EXPECT_EQ(readBytes(game_ / "tfc" / "kestro.cfg"), "b\r\n");
    EXPECT_EQ(readBytes(game_ / "tfc" / "autoexec.cfg"), "exec kestro.cfg\r\nexec kestro.cfg\r\n");
}

TEST_F(InstallConfigTest, TextIsWrittenByteForByteAndReplacesTheOldConfig) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "\r\n"},  // empty text: a line end only
        {"name \xE9t\xE9?\r\n", "name \xE9t\xE9?\r\n\r\n"},  // 8-bit characters stay single bytes
        {"a\nb", "a\nb\r\n"},  // bare line feeds are not translated
    };
    const fs::path dmc = mod("dmc");
    writeBytes(dmc / "kestro.cfg", "a much longer old config that must vanish entirely\r\n");
    for (const auto& [text, expected] : cases) {
        install(ticks({"dmc"}), text);
        EXPECT_EQ(readBytes(dmc / "kestro.cfg"), expected);
    }
    // The unedited config ends in two CR LF pairs: its own and the one added.
    const std::string generated = generateConfig(startupOptionSet());
    install(ticks({"dmc"}), generated);
    const std::string written = readBytes(dmc / "kestro.cfg");
    EXPECT_EQ(written, generated + "\r\n");
    EXPECT_EQ(written.substr(written.size() - 14), "s_reverb 1\r\n\r\n");
    EXPECT_EQ(entries(dmc), (Names{"autoexec.cfg", "kestro.cfg"}));
}

TEST_F(InstallConfigTest, AutoexecKeepsItsLinesAndGetsOneExecLinePerInstall) {
    const std::pair<const char*, const char*> cases[] = {
        {nullptr, "exec kestro.cfg\r\n"},  // missing: created
        {"", "exec kestro.cfg\r\n"},
        {"bind w +forward\r\n", "bind w +forward\r\nexec kestro.cfg\r\n"},
        {"bind w +forward", "bind w +forward\r\nexec kestro.cfg\r\n"},  // unterminated
        {"bind w +forward\n", "bind w +forward\nexec kestro.cfg\r\n"},
        {"bind w +forward\r", "bind w +forward\r\r\nexec kestro.cfg\r\n"},
    };
    const fs::path cstrike = mod("cstrike");
    for (const auto& [before, after] : cases) {
        SCOPED_TRACE(before ? before : "missing");
        fs::remove(cstrike / "autoexec.cfg");
        if (before) writeBytes(cstrike / "autoexec.cfg", before);
        install(ticks({"cstrike"}), "x");
        EXPECT_EQ(readBytes(cstrike / "autoexec.cfg"), after);
    }
    install(ticks({"cstrike"}), "x");
    EXPECT_EQ(readBytes(cstrike / "autoexec.cfg"),
              "bind w +forward\r\r\nexec kestro.cfg\r\nexec kestro.cfg\r\n");
    EXPECT_EQ(readBytes(cstrike / "kestro.cfg"), "x\r\n");
}

TEST_F(InstallConfigTest, FailureInTheMiddleKeepsEarlierRowsAndSkipsLaterOnes) {
    mod("action");
    mod("valve");
    mod("tfc");
    // "dod" is missing; install order puts it between "action" and "valve".
    const InstallResult result =
        InstallConfig(game_, ticks({"tfc", "valve", "dod", "action"}), "c");
    ASSERT_FALSE(result.succeeded());
    EXPECT_EQ(kMods[result.failure->row], std::string_view("dod"));
    EXPECT_EQ(result.failure->step, InstallStep::WriteConfig);
    EXPECT_EQ(result.failure->path, modFilePath(game_, "dod", "kestro.cfg"));
    EXPECT_FALSE(result.failure->error.message().empty());
    EXPECT_EQ(readBytes(game_ / "action" / "kestro.cfg"), "c\r\n");
    EXPECT_EQ(readBytes(game_ / "action" / "autoexec.cfg"), "exec kestro.cfg\r\n");
    EXPECT_EQ(entries(game_), (Names{"action", "tfc", "valve"}));
    EXPECT_TRUE(fs::is_empty(game_ / "valve"));
    EXPECT_TRUE(fs::is_empty(game_ / "tfc"));
}

// Each failure names its row, step and path with the system's reason, and leaves nothing
// behind: no directory created, no temporary file.
TEST_F(InstallConfigTest, FailuresAreReportedAndLeaveNoTemporaryFile) {
    // A mod directory that does not exist: never created.
    EXPECT_EQ(failing("valve", InstallStep::WriteConfig, "kestro.cfg").error,
              std::errc::no_such_file_or_directory);
    EXPECT_TRUE(fs::is_empty(game_));

    // kestro.cfg that is a directory: neither it nor autoexec.cfg is touched.
    const fs::path dmc = mod("dmc");
    fs::create_directory(dmc / "kestro.cfg");
    writeBytes(dmc / "autoexec.cfg", "old\r\n");
    [[maybe_unused]] const InstallFailure isDirectory =
        failing("dmc", InstallStep::WriteConfig, "kestro.cfg");
#ifndef _WIN32
    EXPECT_EQ(isDirectory.error, std::errc::is_a_directory);
#endif
    EXPECT_TRUE(fs::is_empty(dmc / "kestro.cfg"));
    EXPECT_EQ(readBytes(dmc / "autoexec.cfg"), "old\r\n");
    EXPECT_EQ(entries(dmc), (Names{"autoexec.cfg", "kestro.cfg"}));

    // A game directory that runs through a regular file.
    const fs::path file = game_ / "readme.txt";
    writeBytes(file, "just a file");
    [[maybe_unused]] const InstallFailure throughFile =
        failing("tfc", InstallStep::WriteConfig, "kestro.cfg", file);
#ifndef _WIN32
    EXPECT_EQ(throughFile.error, std::errc::not_a_directory);
#endif
    EXPECT_EQ(readBytes(file), "just a file");
    EXPECT_EQ(entries(game_), (Names{"dmc", "readme.txt"}));
}

#ifndef _WIN32
TEST_F(InstallConfigTest, WriteErrorsAreFailures) {
    // autoexec.cfg leading to a full disk: the config is in place, the exec line failed.
    const fs::path valve = mod("valve");
    fs::create_symlink("/dev/full", valve / "autoexec.cfg");
    EXPECT_EQ(failing("valve", InstallStep::AppendExec, "autoexec.cfg").error,
              std::errc::no_space_on_device);
    EXPECT_EQ(readBytes(valve / "kestro.cfg"), "c\r\n");
    EXPECT_EQ(entries(valve), (Names{"autoexec.cfg", "kestro.cfg"}));

    // kestro.cfg leading to a full disk is written in place, and fails.
    const fs::path dod = mod("dod");
    fs::create_symlink("/dev/full", dod / "kestro.cfg");
    EXPECT_EQ(failing("dod", InstallStep::WriteConfig, "kestro.cfg").error,
              std::errc::no_space_on_device);
    EXPECT_TRUE(fs::is_symlink(dod / "kestro.cfg"));
    EXPECT_EQ(entries(dod), (Names{"kestro.cfg"}));

    // kestro.cfg that is a pipe nobody reads: a failure, not a program that hangs.
    const fs::path dmc = mod("dmc");
    ASSERT_EQ(::mkfifo((dmc / "kestro.cfg").c_str(), 0666), 0);
    failing("dmc", InstallStep::WriteConfig, "kestro.cfg");
    EXPECT_EQ(entries(dmc), (Names{"kestro.cfg"}));
}

// A write that stops half-way (here at the file size limit) leaves the old kestro.cfg whole
// and removes the partly written new one.
TEST_F(InstallConfigTest, HalfWrittenConfigNeverReplacesTheOldOne) {
    const fs::path valve = mod("valve");
    writeBytes(valve / "kestro.cfg", "old config\r\n");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 16;
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    const InstallResult result = InstallConfig(game_, ticks({"valve"}), std::string(100, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);

    ASSERT_FALSE(result.succeeded());
    EXPECT_EQ(result.failure->error, std::errc::file_too_large);
    EXPECT_EQ(readBytes(valve / "kestro.cfg"), "old config\r\n");
    EXPECT_EQ(entries(valve), (Names{"kestro.cfg"}));
}

struct stat statOf(const fs::path& file) {
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
    return st;
}

// The unprivileged user and group nobody and nogroup.
constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

// Runs `operation` in a child process as nobody; its result (an errno value, 0 for success)
// comes back as the child's exit status. Nothing when the child could not become nobody.
std::optional<int> asNobody(const std::function<int()>& operation) {
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 &&
                             ::setresgid(kNogroup, kNogroup, kNogroup) == 0 &&
                             ::setresuid(kNobody, kNobody, kNobody) == 0;
        ::_exit(dropped ? operation() : 255);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 255)
        return std::nullopt;
    return WEXITSTATUS(status);
}

// Replacing writes through a link to the file it names; both keep their owner, group and
// permissions (the owner as far as the process may set it: all of it as root).
TEST_F(InstallConfigTest, ReplacingKeepsLinksOwnersAndPermissions) {
    const bool root = ::geteuid() == 0;
    const fs::path shared = game_ / "shared.cfg";
    writeBytes(shared, "old\r\n");
    fs::create_symlink(shared, mod("valve") / "kestro.cfg");
    writeBytes(mod("tfc") / "kestro.cfg", "old\r\n");
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    for (const fs::path& file : {shared, game_ / "tfc/kestro.cfg"}) {
        fs::permissions(file, perms);
        if (root) {
            ASSERT_EQ(::chown(file.c_str(), kNobody, kNogroup), 0);
        }
    }
    install(ticks({"valve", "tfc"}), "new");
    EXPECT_TRUE(fs::is_symlink(game_ / "valve" / "kestro.cfg"));
    for (const fs::path& file : {shared, game_ / "tfc/kestro.cfg"}) {
        EXPECT_EQ(readBytes(file), "new\r\n");
        EXPECT_EQ(fs::status(file).permissions(), perms);
        EXPECT_EQ(statOf(file).st_uid, root ? kNobody : ::geteuid()) << file;
        EXPECT_EQ(statOf(file).st_gid, root ? kNogroup : ::getegid()) << file;
    }
    EXPECT_EQ(entries(game_), (Names{"shared.cfg", "tfc", "valve"}));
}

// A mod folder that takes no new file from the installing user, or lets none replace a file
// of another user (the sticky bit): a kestro.cfg that user may write is rewritten in place,
// keeping its inode and owner; every other case still fails.
TEST_F(InstallConfigTest, LockedModFolderGetsItsConfigRewrittenInPlace) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to install as the user nobody into folders of root";
    struct Case {
        const char* mod;
        unsigned folderMode;
        const char* config;  // root's kestro.cfg before, nullptr for none
        unsigned configMode;
        rlim_t fileSizeLimit;
        int error;  // what the install as nobody reports
        const char* after;
    };
    const Case cases[] = {
        {"valve", 0755, "old config\r\n", 0666, RLIM_INFINITY, 0, "newnew\r\n"},
        {"tfc", 01777, "old config\r\n", 0666, RLIM_INFINITY, 0, "newnew\r\n"},
        {"dmc", 0755, "old config\r\n", 0644, RLIM_INFINITY, EACCES, "old config\r\n"},
        {"dod", 0755, nullptr, 0, RLIM_INFINITY, EACCES, nullptr},
        // A write that stops half-way in place is a failure and leaves the file cut short.
        {"cstrike", 0755, "old config\r\n", 0666, 4, EFBIG, "newn"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mod);
        const fs::path dir = mod(c.mod), config = dir / "kestro.cfg";
        writeBytes(dir / "autoexec.cfg", "");
        fs::permissions(dir / "autoexec.cfg", fs::perms(0666));
        if (c.config) {
            writeBytes(config, c.config);
            fs::permissions(config, fs::perms(c.configMode));
        }
        fs::permissions(dir, fs::perms(c.folderMode));
        const ino_t inode = c.config ? statOf(config).st_ino : 0;
        const std::optional<int> error = asNobody([&] {
            const rlimit limit{c.fileSizeLimit, c.fileSizeLimit};
            std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &limit);
            const InstallResult result = InstallConfig(game_, ticks({c.mod}), "newnew");
            return result.succeeded() ? 0 : result.failure->error.value();
        });
        ASSERT_TRUE(error) << "the child could not become nobody";
        EXPECT_EQ(*error, c.error);
        EXPECT_EQ(entries(dir), c.config ? (Names{"autoexec.cfg", "kestro.cfg"})
                                         : (Names{"autoexec.cfg"}));
        if (!c.config) continue;
        EXPECT_EQ(readBytes(config), c.after);
        EXPECT_EQ(statOf(config).st_ino, inode);
        EXPECT_EQ(statOf(config).st_uid, 0u);
        EXPECT_EQ(readBytes(dir / "autoexec.cfg"), c.error ? "" : "exec kestro.cfg\r\n");
    }
}
#endif

}  // namespace
}  // namespace kestro
