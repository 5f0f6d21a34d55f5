// The Windows calls beneath the installer, the settings store and the command line, called
// directly: links read from hand-made reparse data (Wine makes no symbolic links) and whom an
// elevated process trusts, opens and replaces on real files, the registry's value types, and
// answers written to a console (a stand-in, answering as Windows' console calls do).
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shlobj.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "cli/command_line.h"
#include "install/native_calls.h"
#include "install/system_path.h"
#include "sysinfo/settings_store.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;
using namespace native::calls;

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reparse data as FSCTL_GET_REPARSE_POINT gives it: the header, then the substitute name and
// the print name in UTF-16. `cut` takes bytes off the end, `odd` makes the print name's length odd.
std::vector<char> reparseData(ULONG tag, std::wstring_view substitute, std::wstring_view print,
                              std::size_t cut = 0, bool odd = false) {
    const auto bytes = [](std::wstring_view name) { return USHORT(name.size() * 2); };
    const USHORT header[] = {USHORT(bytes(substitute) + bytes(print)), 0, 0, bytes(substitute),
                             bytes(substitute), USHORT(bytes(print) - odd)};
    std::vector<char> data(sizeof tag + sizeof header + sizeof(ULONG));
    std::memcpy(data.data(), &tag, sizeof tag);
    std::memcpy(data.data() + sizeof tag, header, sizeof header);
    for (std::wstring_view name : {substitute, print}) {
        const char* from = reinterpret_cast<const char*>(name.data());
        data.insert(data.end(), from, from + name.size() * 2);
    }
    data.resize(data.size() - cut);
    return data;
}

// A link's target is its print name (relative ones stay relative), else its substitute name
// without the system's "\??\"; other reparse points and broken data are no link. Its owner
// counts as the system's only where the system owns it, and is asked only of a link. An
// elevated process follows only the system's links; one whose elevation is unknown counts as
// elevated.
TEST(WindowsLinks, ReadFromReparseDataAndFollowedAsTheOwnerAllows) {
    constexpr ULONG link = IO_REPARSE_TAG_SYMLINK, mount = IO_REPARSE_TAG_MOUNT_POINT;
    struct Case { std::vector<char> data; const wchar_t* target; };
    const Case cases[] = {
        {reparseData(link, L"\\??\\C:\\Games\\cfg\\kestro.cfg", L"..\\cfg\\kestro.cfg"),
         L"..\\cfg\\kestro.cfg"},
        {reparseData(link, L"\\??\\C:\\Games\\kestro.cfg", L""), L"C:\\Games\\kestro.cfg"},
        {reparseData(link, L"D:\\x.cfg", L""), L"D:\\x.cfg"},
        {reparseData(link, L"\\??\\", L""), nullptr},
        {reparseData(mount, L"\\??\\C:\\Games", L"C:\\Games"), nullptr},
        {reparseData(link, L"\\??\\C:\\a", L"C:\\a", 1), nullptr},
        {reparseData(link, L"\\??\\C:\\a", L"C:\\abc", 0, true), nullptr},
        {reparseData(link, L"", L"", 1), nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<fs::path> target = symbolicLinkTarget(c.data.data(), c.data.size());
        EXPECT_EQ(target.value_or(L"(none)").native(), c.target ? c.target : L"(none)");
        for (const bool system : {true, false}) {
            int asked = 0;
            const auto owner = [&] {
                ++asked;
                return system;
            };
            const std::optional<Link> found = symbolicLink(c.data.data(), c.data.size(), owner);
            EXPECT_EQ(found.has_value(), c.target != nullptr);
            EXPECT_EQ(asked, c.target ? 1 : 0);
            if (found) {
                EXPECT_EQ(found->owner == kSystemsOwner, system);
            }
        }
    }
    for (const bool elevated : {true, false}) {
        EXPECT_TRUE(followsLink(kSystemsOwner, elevated));
        EXPECT_EQ(followsLink(kSystemsOwner + 1, elevated), !elevated);
    }
    // An elevated process's objects belong to the administrators, a standard user's to the user.
    const bool elevated = runsElevated(GetCurrentProcess());
    EXPECT_EQ(elevated, bool(IsUserAnAdmin()));
    EXPECT_TRUE(runsElevated(nullptr));
    EXPECT_EQ(ownedBySystem(GetCurrentProcess()), elevated);
    EXPECT_FALSE(ownedBySystem(nullptr));
    EXPECT_TRUE(followsLinksOf(kSystemsOwner));
    EXPECT_EQ(followsLinksOf(kSystemsOwner + 1), !elevated);
}

// Text from files and the registry made into paths: UTF-8 only, or with U+FFFD for what is
// not where asked; a share's folder made whole by the system's rule, "/" or "\\" alike.
TEST(WindowsPaths, FromUtf8AndSharesMadeWhole) {
    struct Case { const char* text; bool strict; const wchar_t* wide; };
    for (const Case& c : {Case{"C:\\Gry \xC5\x81\xC3\xB3" "d\xC5\xBA", true, L"C:\\Gry \u0141\u00F3d\u017A"},
                          {"a", true, L"a"}, {"", true, L""}, {"a\xE9", true, nullptr},
                          {"a\xE9", false, L"a\uFFFD"}}) {
        const std::optional<std::wstring> wide = wideFromUtf8(c.text, c.strict);
        EXPECT_EQ(wide.value_or(L"(none)"), c.wide ? c.wide : L"(none)") << c.text;
        if (c.strict) {
            EXPECT_EQ(pathFromUtf8(c.text).value_or(L"(none)").native(), wide.value_or(L"(none)"));
        }
    }
    // seed-registry.sh links the share \\nas\games to C:\kestro-nas.
    const std::wstring mine = L"calls-" + std::to_wstring(std::random_device()());
    ASSERT_TRUE(fs::create_directories(L"C:\\kestro-nas\\" + mine + L"\\sub"));
    for (const auto& [folder, whole] :
         {std::pair{L"\\\\nas\\games\\" + mine + L"\\.\\sub\\..\\", L"\\\\nas\\games\\" + mine},
          {L"//nas/games/" + mine + L"/sub//", L"\\\\nas\\games\\" + mine + L"\\sub"},
          {L"\\\\nas\\games\\" + mine + L"\\none", L"(none)"}})
        EXPECT_EQ(resolvedFolder(folder).value_or(L"(none)").native(), whole) << folder;
    fs::remove_all(L"C:\\kestro-nas\\" + mine);
}

class WindowsFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fs::create_directory(dir_)); }
    void TearDown() override {
        replaceCalls() = system_;
        fs::remove_all(dir_);
    }
    static inline std::vector<unsigned> pauses_;
    const ReplaceCalls system_ = replaceCalls();
    const fs::path dir_ =
        fs::temp_directory_path() / ("kestro-calls-" + std::to_string(std::random_device()()));
    const FolderHandle in_{-1, dir_};
};

// Each open flag does what it says and nothing more; a file held by another program is
// waited for, a refusal is not. A byte is read where asked, a truncated file is empty, a pipe
// is no regular file, and a second name is counted. The system's replace and move answer 0.
TEST_F(WindowsFiles, OpenReadAndReplaceAsAsked) {
    std::ofstream(dir_ / "f", std::ios::binary) << "hello";
    int fd = openIn(in_, "f", 0);
    char byte = 0;
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(readByteAt(fd, 0, byte) && byte == 'h');
    EXPECT_TRUE(readByteAt(fd, 4, byte) && byte == 'o');
    EXPECT_FALSE(readByteAt(fd, 5, byte));
    EXPECT_LT(writeSome(fd, "x", 1), 0);
    close(fd);
    fs::create_hard_link(dir_ / "f", dir_ / "f2");
    struct Case { const char* name; unsigned flags; int error; const char* write; std::string after; };
    const Case cases[] = {
        {"f", Write | Create | Exclusive, EEXIST, "", "hello"},
        {"g", Write | Create | Exclusive, 0, "a\r\n", "a\r\n"},
        {"g", Write, 0, "b", "b\r\n"},
        {"none", Write, ENOENT, "", ""},
        {"f", Write | Create | Truncate, 0, "x", "x"},
        {"f", ReadWrite | Create | Append, 0, "yz", "xyz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + std::to_string(c.flags));
        errno = 0;
        fd = openIn(in_, c.name, c.flags);
        EXPECT_EQ(fd < 0 ? errno : 0, c.error);
        if (fd < 0) continue;
        EXPECT_EQ(writeSome(fd, c.write, std::strlen(c.write)), long(std::strlen(c.write)));
        const std::optional<Status> now = status(fd);
        ASSERT_TRUE(now);
        EXPECT_EQ(std::tuple(now->regular, now->size, now->names),
                  std::tuple(true, (long long)c.after.size(), c.name[0] == 'f' ? 2ul : 1ul));
        if (c.flags & ReadWrite) {
            EXPECT_TRUE(readByteAt(fd, now->size - 1, byte) && byte == 'z');
        }
        EXPECT_EQ(close(fd), 0);
        EXPECT_EQ(readBytes(dir_ / c.name), c.after);
    }
    fd = openIn(in_, "f", Write);
    EXPECT_EQ(truncate(fd), 0);
    EXPECT_EQ(status(fd)->size, 0);
    close(fd);
    int pipe[2];
    ASSERT_EQ(_pipe(pipe, 64, _O_BINARY), 0);
    const std::optional<Status> piped = status(pipe[0]);
    EXPECT_TRUE(piped && !piped->regular && piped->names == 1);
    close(pipe[0]), close(pipe[1]);
    EXPECT_EQ(openIn(in_, std::wstring(L"g\0x", 3), Write), -1);
    EXPECT_FALSE(status(-1));

    replaceCalls().pause = [](unsigned pause) { pauses_.push_back(pause); };
    fs::create_directory(dir_ / "sub");
    const HANDLE hold = CreateFileW((dir_ / "g").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    for (const auto& [name, pauses] : {std::pair{"sub", std::vector<unsigned>{}},
                                       {"g", {15, 30, 60, 120, 240, 480, 960}}}) {
        pauses_.clear();
        EXPECT_EQ(openIn(in_, name, Write), -1);
        EXPECT_EQ(pauses_, pauses) << name;
    }
    CloseHandle(hold);

    const auto at = [this](const char* name) { return (dir_ / name).wstring(); };
    EXPECT_EQ(system_.move(at("g").c_str(), at("h").c_str()), 0ul);
    EXPECT_EQ(system_.move(at("g").c_str(), at("h").c_str()), ULONG(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(system_.replace(at("f").c_str(), at("h").c_str(), at("f.old").c_str()), 0ul);
    EXPECT_EQ(readBytes(dir_ / "f") + "|" + readBytes(dir_ / "f.old"), "b\r\n|");
}

// The registry's values as the store hands them over: text as UTF-8 with the zeros it holds,
// the default value under the empty name, numbers and other data as their bytes, and names and
// texts that are not UTF-8 or UTF-16 refused (1113, no Unicode translation).
TEST(WindowsRegistry, ValuesOfEveryTypeAndName) {
    const std::wstring key = L"Software\\KestroStoreTest" + std::to_wstring(std::random_device()());
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &opened, nullptr), ERROR_SUCCESS);
    const auto set = [opened](const wchar_t* name, DWORD type, std::wstring_view data) {
        RegSetValueExW(opened, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       DWORD(data.size() * 2));
    };
    set(L"", REG_SZ, {L"C:\\x\0", 5});
    set(L"1", REG_SZ, {L"x\0", 2});
    set(L"Empty", REG_SZ, L"");
    set(L"Multi", REG_MULTI_SZ, {L"a\0b\0\0", 5});
    set(L"Plain", REG_EXPAND_SZ, {L"C:\\plain\0", 9});
    set(L"Nothing", REG_EXPAND_SZ, {L"\0", 1});
    set(L"Half", REG_SZ, {L"\xD800", 1});
    set(L"Dword", REG_DWORD, {L"\x0203\x0001", 2});
    set(L"Qword", REG_QWORD, {L"\x0201\x0403\x0605\x0807", 4});
    RegCloseKey(opened);

    const std::unique_ptr<SettingsStore> store = makePlatformSettingsStore();
    const std::string name(key.begin(), key.end());
    StoreKey open = 0;
    EXPECT_EQ(store->openKey(kCurrentUser, name + "\\\xFF", 0, kKeyAccess, open), 1113);
    ASSERT_EQ(store->openKey(kCurrentUser, name, 0, kKeyAccess, open), kStoreOk);
    struct Case { const char* value; std::uint32_t room; std::int32_t answer; std::uint32_t type;
                  std::string data; std::uint32_t size; };
    const Case cases[] = {
        {"", 64, 0, 1, {"C:\\x\0", 5}, 5},
        {"1", 64, 0, 1, {"x\0", 2}, 2},
        {"Empty", 64, 0, 1, "", 0},
        {"Multi", 64, 0, 7, {"a\0b\0\0", 5}, 5},
        {"Plain", 64, 0, 2, {"C:\\plain\0", 9}, 9},
        {"Nothing", 64, 0, 2, {"\0", 1}, 1},
        {"Half", 64, 1113, 0, "", 0},
        {"Dword", 4, 0, 4, {"\x03\x02\x01\x00", 4}, 4},
        {"Qword", 4, 234, 11, "", 8},
        {"\xFF", 64, 1113, 0, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        std::array<char, 64> buffer;
        buffer.fill('#');
        std::uint32_t type = 0, size = c.room;
        EXPECT_EQ(store->queryValue(open, c.value, type, buffer, size), c.answer);
        if (c.answer == 1113) continue;
        EXPECT_EQ(std::tuple(type, size), std::tuple(c.type, c.size));
        if (c.answer == 0) {
            EXPECT_EQ(std::string(buffer.data(), size), c.data);
        }
    }
    store->closeKey(open);
    RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
}

// A stand-in for the console: which of the made-up standard handles are consoles, and what
// each write answers.
namespace console {
const HANDLE out = reinterpret_cast<HANDLE>(0x4d0), err = reinterpret_cast<HANDLE>(0x4d4);
std::vector<HANDLE> consoles;
HANDLE refusing = nullptr, cutting = nullptr;  // a write that fails, or takes one less
std::wstring shown;
bool mode(void* handle, unsigned long* mode) {
    *mode = ENABLE_PROCESSED_OUTPUT;
    return std::find(consoles.begin(), consoles.end(), handle) != consoles.end();
}
bool write(void* handle, const wchar_t* text, unsigned long length, unsigned long* written) {
    if (handle == refusing) return false;
    *written = handle == cutting ? length - 1 : length;
    shown += (handle == out ? L"out:" : L"err:") + std::wstring(text, *written);
    return true;
}
}  // namespace console

// The answers reach a console as wide text and a file as bytes; an answer the console does not
// take whole fails with a message on standard error, whichever that is.
TEST_F(WindowsFiles, AnswersGoToAConsoleAsWideText) {
    const cli::ConsoleCalls system = cli::consoleCalls();
    cli::consoleCalls() = {console::mode, console::write};
    const std::string cannot = "kestro: cannot write to standard output: Input/output error\n";
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE), err = GetStdHandle(STD_ERROR_HANDLE);
    struct Case { std::vector<HANDLE> consoles; HANDLE refusing, cutting; int status;
                  std::wstring shown; std::string bytes; };
    const Case cases[] = {
        {{}, nullptr, nullptr, 0, L"", "out:kestro 1.00\n"},
        {{console::out}, nullptr, nullptr, 0, L"out:kestro 1.00\n", ""},
        {{console::err}, nullptr, nullptr, 0, L"", "out:kestro 1.00\n"},
        {{console::out, console::err}, nullptr, console::out, 1,
         L"out:kestro 1.00err:kestro: cannot write to standard output: Input/output error\n", ""},
        {{console::out}, console::out, nullptr, 1, L"", "err:" + cannot},
    };
    for (const Case& c : cases) {
        std::tie(console::consoles, console::refusing, console::cutting) =
            std::tuple(c.consoles, c.refusing, c.cutting);
        console::shown.clear();
        std::fflush(stdout), std::fflush(stderr);
        const int saved[] = {_dup(1), _dup(2)};
        for (const int stream : {1, 2}) {
            const int file = _wopen((dir_ / std::to_wstring(stream)).c_str(),
                                    _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IWRITE);
            _dup2(file, stream), _close(file);
        }
        SetStdHandle(STD_OUTPUT_HANDLE, console::out), SetStdHandle(STD_ERROR_HANDLE, console::err);
        char program[] = "kestro", version[] = "--version";
        char* argv[] = {program, version, nullptr};
        const int status = cli::answerOnTerminal(2, argv).value_or(-1);
        std::fflush(stdout), std::fflush(stderr);
        for (const int stream : {1, 2}) _dup2(saved[stream - 1], stream), _close(saved[stream - 1]);
        SetStdHandle(STD_OUTPUT_HANDLE, out), SetStdHandle(STD_ERROR_HANDLE, err);
        const std::string outBytes = readBytes(dir_ / "1"), errBytes = readBytes(dir_ / "2");
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(console::shown, c.shown);
        EXPECT_EQ((outBytes.empty() ? "" : "out:" + outBytes) + (errBytes.empty() ? "" : "err:" + errBytes),
                  c.bytes);
    }
    cli::consoleCalls() = system;
}

}  // namespace
}  // namespace kestro
