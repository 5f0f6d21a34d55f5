// InstallConfig on real directories: what lands in kestro.cfg and autoexec.cfg, in which
// order, what a failure leaves behind, and game directories typed as Windows drive paths.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>

#include "game/search_places.h"
#include "install/install_config.h"
#include "platform/native_calls.h"
#include "platform/native_file.h"
#include "platform/system_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kestro {
namespace {

namespace fs = std::filesystem;
using Tree = std::map<std::string, std::string>;

// The mod directories in install order.
constexpr std::string_view kMods[] = {"action",   "cstrike",   "dod",   "dmc",
                             "firearms", "frontline", "valve", "tfc"};

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// Everything under `dir`: a folder as its name and "/", a file with its bytes, anything else
// (a device, a pipe) with "?".
Tree tree(const fs::path& dir) {
    Tree found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        const std::string name = entry.path().lexically_relative(dir).generic_string();
        if (entry.is_directory()) found[name + "/"];
        else found[name] = entry.is_regular_file() ? readBytes(entry.path()) : "?";
    }
    return found;
}

TickedRows ticks(std::initializer_list<std::string_view> mods) {
    TickedRows ticked{};
    for (std::size_t row = 0; row < std::size(kMods); ++row)
        for (std::string_view mod : mods) ticked[row] |= kMods[row] == mod;
    return ticked;
}

class InstallTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fs::create_directory(game_)); }
    void TearDown() override { fs::remove_all(game_), fs::remove(fullNode_); }
#ifndef _WIN32
    // A device that refuses every write: a node of our own where we may make one (as root),
    // so that a faulty install renaming over it cannot replace the system's /dev/full.
    fs::path fullDevice() const {
        return ::mknod(fullNode_.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0 ? fullNode_ : "/dev/full";
    }
#endif
    fs::path mod(std::string_view name) { return fs::create_directories(game_ / name), game_ / name; }
    const fs::path game_ =
        fs::temp_directory_path() / ("kestro-install-" + std::to_string(std::random_device()()));
    const fs::path fullNode_ = fs::path(game_) += "-full";
};

// The typed text (UTF-8) is kept as it is; joining looks only at its last character.
TEST(GameDirectory, IsKeptAsTypedAndJoinedLookingOnlyAtItsLastCharacter) {
    const auto native = [](std::string text) {  // '|': this system's separator, '~': the other
        const char separator = char(fs::path::preferred_separator);
        for (char& c : text) c = c == '|' ? separator : c == '~' ? char('/' + '\\' - separator) : c;
        return fs::path(text).native();
    };
    for (const auto& [gameDir, expected] :
         {std::pair{"|games|Half-Life", "|games|Half-Life|valve|kestro.cfg"},
          {"|games||", "|games||valve|kestro.cfg"}, {"", "|valve|kestro.cfg"},
          {"C:~", "C:~|valve|kestro.cfg"}})
        EXPECT_EQ(modFilePath(native(gameDir), "valve", "kestro.cfg").native(), native(expected));
    EXPECT_EQ(gameDirectoryPath("D:\\Spiele\\H\xC3\xB6hle\\ ").native(),
              fs::path(u8"D:\\Spiele\\H\u00F6hle\\ ").native());
}

// Every mod gets kestro.cfg, the text byte for byte and CR LF, in place of what it held, and
// autoexec.cfg, created or keeping its lines, its last line ended first, and one exec line more;
// nothing changes when no row is ticked. A kestro.cfg with a second name (a hard link) is
// written under both.
TEST_F(InstallTest, WritesTheConfigAndAppendsTheExecLine) {
    constexpr TickedRows all{true, true, true, true, true, true, true, true};
    // autoexec.cfg in every mod before (nullptr: none), and every file after (nullptr: unchanged)
    struct Case { TickedRows ticked; std::string text; const char *autoexecBefore, *config, *autoexec; };
    const Case cases[] = {
        {all, "", nullptr, "\r\n", "exec kestro.cfg\r\n"},
        {all, "a\nb", "bind w +forward", "a\nb\r\n", "bind w +forward\r\nexec kestro.cfg\r\n"},
        {all, "x", "bind\r\nexec kestro.cfg\r\n", "x\r\n",
         "bind\r\nexec kestro.cfg\r\nexec kestro.cfg\r\n"},
        {TickedRows{}, "y", "bind\r\n", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        fs::remove_all(game_);
        for (std::string_view name : kMods)
            if (const fs::path dir = mod(name); c.autoexecBefore) writeBytes(dir / "autoexec.cfg", c.autoexecBefore);
        for (const char* file : {"dmc/kestro.cfg", "valve/kestro.cfg"})
            writeBytes(game_ / file, "a much longer old config that must vanish\r\n");
        fs::create_hard_link(game_ / "valve/kestro.cfg", game_ / "valve.cfg");
        Tree after = tree(game_);
        for (std::string_view name : kMods) {
            if (!c.config) break;  // nothing written
            after[std::string(name) + "/kestro.cfg"] = after["valve.cfg"] = c.config;
            after[std::string(name) + "/autoexec.cfg"] = c.autoexec;
        }
        ASSERT_TRUE(InstallConfig(game_, c.ticked, c.text, std::nullopt).succeeded());
        EXPECT_EQ(tree(game_), after);
#ifndef _WIN32
        if (!c.autoexecBefore) {  // new files are made as any file the user makes, by the umask
            const mode_t mask = ::umask(022);
            ::umask(mask);
            for (const char* file : {"tfc/kestro.cfg", "tfc/autoexec.cfg"})
                EXPECT_EQ(unsigned(fs::status(game_ / file).permissions()), 0666u & ~unsigned(mask)) << file;
        }
#endif
    }
}

// A failure names its row, step and place (and the system's reason) and ends the install,
// leaving what was written before it and every other file as it was: no temporary file.
TEST_F(InstallTest, TheFirstFailureEndsTheInstallAndIsReported) {
#ifndef _WIN32
    const fs::path full = fullDevice();
#endif
    using enum InstallStep;
    using enum std::errc;
    // what the install wrote before the failure
    struct Case { fs::path gameDir; TickedRows ticked; const char* mod; InstallStep step;
                  std::errc error; Tree written; };
    const Case cases[] = {
        {game_, ticks({"tfc", "frontline", "action"}), "frontline", WriteConfig, no_such_file_or_directory,
         {{"action/kestro.cfg", "c\r\n"}, {"action/autoexec.cfg", "exec kestro.cfg\r\n"}}},
        {game_ / "file", ticks({"tfc"}), "tfc", WriteConfig, not_a_directory, {}},
        {game_, ticks({"dmc"}), "dmc", WriteConfig, is_a_directory, {}},
        // The system would read this path only up to the zero: the game folder itself.
        {game_.string() + '\0' + "elsewhere", ticks({"tfc"}), "tfc", WriteConfig, no_such_file_or_directory, {}},
#ifndef _WIN32
        {game_, ticks({"valve"}), "valve", AppendExec, no_space_on_device, {{"valve/kestro.cfg", "c\r\n"}}},
        {game_, ticks({"dod"}), "dod", WriteConfig, no_space_on_device, {}},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mod);
        fs::remove_all(game_);
        for (const char* name : {"action", "tfc"}) mod(name);
        writeBytes(game_ / "file", "just a file");
        fs::create_directories(mod("dmc") / "kestro.cfg");
#ifndef _WIN32
        writeBytes(mod("valve") / "kestro.cfg", "old\r\n");
        fs::create_symlink(full, game_ / "valve/autoexec.cfg");
        fs::create_symlink(full, mod("dod") / "kestro.cfg");
#endif
        Tree expected = tree(game_);
        const InstallResult result = InstallConfig(c.gameDir, c.ticked, "c", std::nullopt);
        ASSERT_FALSE(result.succeeded());
        EXPECT_EQ(std::tuple(kMods[result.failure->row], result.failure->step, result.failure->path),
                  std::tuple(std::string_view(c.mod), c.step, modFilePath(c.gameDir, c.mod,
                             c.step == WriteConfig ? "kestro.cfg" : "autoexec.cfg")));
#ifndef _WIN32
        EXPECT_EQ(result.failure->error, c.error);
#endif
        for (const auto& [file, bytes] : c.written) expected[file] = bytes;
        EXPECT_EQ(tree(game_), expected);
    }
}

#ifndef _WIN32
struct stat statOf(const fs::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st), st;
}

constexpr uid_t kNobody = 65534;  // the user nobody, and the group nogroup

// As root, replacing writes through a link to the file it names, and the new file keeps the
// old one's owner, group and permissions (one file has only another owner than root, the other
// only another group). As nobody in root's mod folders, some cut short by a file size limit:
// where nobody may not add a file (or, with the sticky bit, replace root's), a kestro.cfg
// nobody may write is rewritten in place, keeping its inode and owner; a replacement is whole
// or none.
TEST_F(InstallTest, ReplacingKeepsOwnersAndLinksAndFallsBackToWritingInPlace) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root, to own files as nobody and install as nobody";
    const fs::path shared = game_ / "shared.cfg", action = mod("action") / "kestro.cfg";
    fs::create_symlink(shared, mod("frontline") / "kestro.cfg");
    for (const fs::path& file : {shared, action}) {
        writeBytes(file, "old\r\n");
        const bool others = file == shared;
        ASSERT_EQ(::chown(file.c_str(), others ? kNobody : 0, others ? 0 : kNobody) |
                      ::chmod(file.c_str(), 0640), 0);
    }
    ASSERT_TRUE(InstallConfig(game_, ticks({"action", "frontline"}), "new", std::nullopt).succeeded());
    EXPECT_TRUE(fs::is_symlink(game_ / "frontline/kestro.cfg"));
    for (const fs::path& file : {shared, action}) {
        const struct stat st = statOf(file);
        EXPECT_EQ(std::make_tuple(readBytes(file), st.st_uid, st.st_gid, st.st_mode),
                  std::make_tuple("new\r\n", file == shared ? kNobody : 0,
                                  file == shared ? 0 : kNobody, mode_t(S_IFREG | 0640)));
    }
    EXPECT_EQ(tree(game_).size(), 7u);  // no file left beside the new ones

    // Another user's link is not followed by root, be it kestro.cfg, autoexec.cfg or the mod
    // folder itself: that mod fails there, and nothing outside the game is read or written.
    const fs::path hl = game_ / "hl", outside = game_ / "etc";
    fs::create_directories(outside / "sudoers.d");
    writeBytes(outside / "shadow", "root:x\n");
    const Tree before = tree(outside);
    using enum InstallStep;
    struct Link { const char *mod, *at, *target; InstallStep step; };
    for (const Link& l : {Link{"valve", "valve/kestro.cfg", "../../etc/shadow", WriteConfig},
                          {"tfc", "tfc/autoexec.cfg", "../../etc/sudoers.d/k", AppendExec},
                          {"dmc", "dmc", "../etc", WriteConfig}}) {
        fs::create_directories((hl / l.at).parent_path());
        fs::create_symlink(l.target, hl / l.at);
        ASSERT_EQ(::lchown((hl / l.at).c_str(), kNobody, kNobody), 0);
        const InstallResult result = InstallConfig(hl, ticks({l.mod}), "new", std::nullopt);
        ASSERT_FALSE(result.succeeded()) << l.at;
        EXPECT_EQ(std::make_tuple(result.failure->step, result.failure->error,
                                  result.failure->error.message()),
                  std::make_tuple(l.step, std::error_code(native::Refusal::OthersLink),
                                  "a link that another user made; run as root, Kestro follows "
                                  "only root's links"));
    }
    EXPECT_EQ(tree(outside), before);

    // the errno the install reports, and root's kestro.cfg ("old config\r\n" before) after it;
    // an autoexec.cfg nobody may write but not read still takes the exec line
    struct Case { const char* mod; unsigned folderMode, configMode, autoexecMode;
                  rlim_t fileSizeLimit; int error; const char* after; };
    const Case cases[] = {
        {"valve", 0755, 0666, 0222, RLIM_INFINITY, 0, "newnew\r\n"},
        {"tfc", 01777, 0666, 0666, RLIM_INFINITY, 0, "newnew\r\n"},
        {"dmc", 0755, 0644, 0666, RLIM_INFINITY, EACCES, "old config\r\n"},
        {"cstrike", 0755, 0666, 0666, 4, EFBIG, "newn"},
        {"firearms", 0777, 0666, 0666, 4, EFBIG, "old config\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mod);
        const fs::path dir = mod(c.mod), config = dir / "kestro.cfg";
        writeBytes(dir / "autoexec.cfg", "");
        writeBytes(config, "old config\r\n");
        fs::permissions(dir / "autoexec.cfg", fs::perms(c.autoexecMode));
        fs::permissions(config, fs::perms(c.configMode));
        fs::permissions(dir, fs::perms(c.folderMode));
        const ino_t inode = statOf(config).st_ino;
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit limit{c.fileSizeLimit, c.fileSizeLimit};
            std::signal(SIGXFSZ, SIG_IGN);
            if (::setrlimit(RLIMIT_FSIZE, &limit) || ::setgroups(0, nullptr) ||
                ::setresgid(kNobody, kNobody, kNobody) || ::setresuid(kNobody, kNobody, kNobody))
                ::_exit(255);
            const InstallResult result = InstallConfig(game_, ticks({c.mod}), "newnew", std::nullopt);
            ::_exit(result.succeeded() ? 0 : result.failure->error.value());
        }
        int status = 0;
        EXPECT_TRUE(::waitpid(child, &status, 0) == child && WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), c.error);
        EXPECT_EQ(tree(dir), (Tree{{"autoexec.cfg", c.error ? "" : "exec kestro.cfg\r\n"},
                                   {"kestro.cfg", c.after}}));
        EXPECT_EQ(std::make_tuple(statOf(config).st_ino, statOf(config).st_uid),
                  std::make_tuple(inode, uid_t(0)));
    }
}

// A Wine prefix as Wine makes it: C: a relative link to drive_c, which holds the game with
// "cstrike" in two cases; D: a link to a folder elsewhere, with "Games" in two cases. Installs
// find a drive path in the prefix that WINEPREFIX, or else HOME, names, and without one where
// the typed path leads. "firearms" is missing: an install fails there when "cstrike" was found
// and written.
TEST_F(InstallTest, DrivePathsAreFoundInTheWinePrefix) {
    const fs::path prefix = game_ / "prefix", hl = prefix / "drive_c/Sierra/Half-Life";
    for (const fs::path& dir :
         {hl / "cstrike", hl / "CStrike", game_ / "d/Games", game_ / "d/games", prefix / "dosdevices",
          game_ / "home"})
        fs::create_directories(dir);
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    fs::create_directory_symlink(game_ / "d", prefix / "dosdevices/d:");
    fs::create_directory_symlink(prefix, game_ / "home/.wine");
    const std::string home = (game_ / "home").string();
    const fs::path inC = "dosdevices/c:/Sierra/Half-Life/firearms/kestro.cfg";
    const char* const typed = "C:\\Sierra\\Half-Life";
    // where the install fails, and whether it wrote the game's "cstrike" before
    struct Case { const char *winePrefix, *home, *gameDir; fs::path failsAt; bool wrote; };
    const Case cases[] = {
        {prefix.c_str(), nullptr, "c:\\SIERRA\\half-life\\", prefix / inC, true},
        {prefix.c_str(), nullptr, "C:\\..\\sierra//Half-Life/./x\\..\\", prefix / inC, true},
        {prefix.c_str(), nullptr, "d:\\GAMES\\", prefix / "dosdevices/d:/Games/cstrike/kestro.cfg", false},
        {prefix.c_str(), nullptr, "E:\\Games", "E:\\Games/cstrike/kestro.cfg", false},
        {prefix.c_str(), nullptr, "d:", prefix / "dosdevices/d:/cstrike/kestro.cfg", false},
        {prefix.c_str(), nullptr, "1:\\Half-Life", "1:\\Half-Life/cstrike/kestro.cfg", false},
        {prefix.c_str(), nullptr, "dir", "dir/cstrike/kestro.cfg", false},  // a folder, not drive d:
        {"", home.c_str(), "C:/Sierra/Half-Life", fs::path(home) / ".wine" / inC, true},
        {"/no-prefix", home.c_str(), typed, "C:\\Sierra\\Half-Life/cstrike/kestro.cfg", false},
        {nullptr, nullptr, typed, "C:\\Sierra\\Half-Life/cstrike/kestro.cfg", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gameDir);
        for (const char* file : {"cstrike/KESTRO.CFG", "cstrike/AutoExec.cfg"}) writeBytes(hl / file, "");
        const SearchPlaces places{c.home ? c.home : "", "", "", c.winePrefix ? c.winePrefix : ""};
        const InstallResult result =
            InstallConfig(c.gameDir, ticks({"cstrike", "firearms"}), "c", winePrefix(places));
        EXPECT_EQ(result.failure ? result.failure->path : fs::path(), c.failsAt);
        EXPECT_EQ(tree(hl), (Tree{{"CStrike/", ""}, {"cstrike/", ""}, {"cstrike/KESTRO.CFG", c.wrote ? "c\r\n" : ""},
                                  {"cstrike/AutoExec.cfg", c.wrote ? "exec kestro.cfg\r\n" : ""}}));
    }
}
#else
// Windows' replace and move as scripted answers: 0 has the system's own call answer, and an
// old file moved aside is moved to the backup name first, as Windows leaves it.
namespace script {
const native::calls::ReplaceCalls system = native::calls::replaceCalls();
std::vector<unsigned long> replaces, moves;
std::vector<unsigned> pauses;
unsigned long next(std::vector<unsigned long>& answers) {
    const unsigned long answer = answers.empty() ? 0 : answers.front();
    if (answer) answers.erase(answers.begin());
    return answer;
}
unsigned long replace(const wchar_t* target, const wchar_t* staged, const wchar_t* backup) {
    const unsigned long answer = next(replaces);
    if (answer == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) system.move(target, backup);
    return answer ? answer : system.replace(target, staged, backup);
}
unsigned long move(const wchar_t* from, const wchar_t* to) {
    const unsigned long answer = next(moves);
    return answer ? answer : system.move(from, to);
}
}  // namespace script

// Every answer of Windows' replace (and of the move that puts a first kestro.cfg in place):
// a file held for a moment is waited for with growing pauses, one held for good fails with
// the old config whole, an old file moved aside is finished by a move or put back, and a
// file system without the replace is written in place. No file is left beside kestro.cfg
// but where the new text and the old one could not be put back.
TEST_F(InstallTest, EveryAnswerOfTheWindowsReplaceIsHandled) {
    native::calls::replaceCalls() = {script::replace, script::move,
                                     [](unsigned pause) { script::pauses.push_back(pause); }};
    constexpr unsigned long held = ERROR_SHARING_VIOLATION, refused = ERROR_ACCESS_DENIED,
                            aside = ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, full = ERROR_DISK_FULL;
    const std::vector<unsigned> allPauses{15, 30, 60, 120, 240, 480, 960};
    const std::string busy = std::make_error_code(std::errc::device_or_resource_busy).message(),
                      noSpace = std::make_error_code(std::errc::no_space_on_device).message(),
                      beside = "." + std::to_string(native::processId()) + ".0.";
    struct Case { const char* old; std::vector<unsigned long> replaces, moves;
                  std::vector<unsigned> pauses; std::string error; Tree after; };
    const Case cases[] = {
        {"old", {held, refused, ERROR_LOCK_VIOLATION}, {}, {15, 30, 60}, "", {{"kestro.cfg", "new\r\n"}}},
        {"old", std::vector(8, held), {}, allPauses, busy, {{"kestro.cfg", "old"}}},
        {"old", std::vector(8, refused), {}, allPauses, "", {{"kestro.cfg", "new\r\n"}}},
        {nullptr, {}, {held, held}, {15, 30}, "", {{"kestro.cfg", "new\r\n"}}},
        {"old", {aside}, {held}, {15}, "", {{"kestro.cfg", "new\r\n"}}},
        {"old", {aside}, {full}, {}, noSpace, {{"kestro.cfg", "old"}}},
        {"old", {aside}, {full, full}, {}, "the new text could not take this name: it is "
         "beside it, in this name with " + beside + "tmp added, and the old text in this name "
         "with " + beside + "old added", {{"kestro.cfg" + beside + "tmp", "new\r\n"},
                                          {"kestro.cfg" + beside + "old", "old"}}},
        {"old", {ERROR_NOT_SUPPORTED}, {}, {}, "", {{"kestro.cfg", "new\r\n"}}},
        {"old", {full}, {}, {}, noSpace, {{"kestro.cfg", "old"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.after));
        fs::remove_all(game_ / "valve");
        const fs::path dir = mod("valve");
        if (c.old) writeBytes(dir / "kestro.cfg", c.old);
        std::tie(script::replaces, script::moves, script::pauses) =
            std::tuple(c.replaces, c.moves, std::vector<unsigned>{});
        const InstallResult result = InstallConfig(game_, ticks({"valve"}), "new", std::nullopt);
        EXPECT_EQ(result.failure ? result.failure->error.message() : "", c.error);
        Tree after = c.after;
        if (c.error.empty()) after["autoexec.cfg"] = "exec kestro.cfg\r\n";
        EXPECT_EQ(tree(dir), after);
        EXPECT_EQ(script::pauses, c.pauses);
    }
    native::calls::replaceCalls() = script::system;
}

// Paths as the native calls take them beyond 260 characters.
TEST(WindowsPaths, LongForms) {
    for (const auto& [path, expected] :
         {std::pair{L"C:/Games/./Half-Life/../hl\\", L"\\\\?\\C:\\Games\\hl\\"},
          {L"\\\\?\\C:\\a\\..\\b", L"\\\\?\\C:\\b"}, {L"\\\\nas\\games\\x", L"\\\\?\\UNC\\nas\\games\\x"},
          {L"\\\\?\\UNC\\nas\\games\\x\\..", L"\\\\?\\UNC\\nas\\games\\"}})
        EXPECT_EQ(native::calls::longForm(path).value_or(L"").native(), expected);
    EXPECT_EQ(native::calls::longForm(L"dir")->native(), L"\\\\?\\" + fs::current_path().native() + L"\\dir");
}
#endif

}  // namespace
}  // namespace kestro
