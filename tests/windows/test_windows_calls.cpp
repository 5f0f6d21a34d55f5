// The Windows calls beneath the installer, the settings store and the command line, called
// directly: links read from hand-made reparse data (Wine makes no symbolic links) and whom an
// elevated process trusts, opens and replaces on real files, the registry's value types, and
// answers written to a console (a stand-in answering as Windows' calls do).
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shlobj.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>

#include "cli/command_line.h"
#include "platform/native_calls.h"
#include "platform/settings_store.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;
using namespace native::calls;

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reparse data as FSCTL_GET_REPARSE_POINT gives it: the header, then the substitute name and
// the print name in UTF-16; `cut` bytes taken off the end, the print name's length made odd.
std::vector<char> reparse(ULONG tag, std::wstring_view sub, std::wstring_view print,
                          std::size_t cut = 0, bool odd = false) {
    const USHORT s = USHORT(sub.size() * 2), p = USHORT(print.size() * 2);
    const USHORT header[] = {USHORT(s + p), 0, 0, s, s, USHORT(p - odd), 0, 0};
    const std::wstring names = std::wstring(sub) + std::wstring(print);
    std::vector<char> data(sizeof tag + sizeof header + s + p);
    std::memcpy(data.data(), &tag, sizeof tag);
    std::memcpy(data.data() + sizeof tag, header, sizeof header);
    std::memcpy(data.data() + sizeof tag + sizeof header, names.data(), s + p);
    data.resize(data.size() - cut);
    return data;
}

// A link leads to its print name (a relative one stays relative), else to its substitute name
// without "\??\"; other reparse points and broken data are no link. Its owner is the system's
// only where the system owns it, asked only of a link. An elevated process follows only the
// system's links; a process whose elevation is unknown counts as elevated, and an elevated
// process's objects belong to the administrators.
TEST(WindowsLinks, ReadFromReparseDataAndFollowedAsTheOwnerAllows) {
    constexpr ULONG link = IO_REPARSE_TAG_SYMLINK;
    const std::pair<std::vector<char>, const wchar_t*> cases[] = {
        {reparse(link, L"\\??\\C:\\Games\\cfg\\kestro.cfg", L"..\\cfg\\kestro.cfg"),
         L"..\\cfg\\kestro.cfg"},
        {reparse(link, L"\\??\\C:\\Games\\kestro.cfg", L""), L"C:\\Games\\kestro.cfg"},
        {reparse(link, L"D:\\x.cfg", L""), L"D:\\x.cfg"},
        {reparse(link, L"\\??\\", L""), nullptr},
        {reparse(IO_REPARSE_TAG_MOUNT_POINT, L"\\??\\C:\\Games", L"C:\\Games"), nullptr},
        {reparse(link, L"\\??\\C:\\a", L"C:\\a", 1), nullptr},
        {reparse(link, L"\\??\\C:\\a", L"C:\\abc", 0, true), nullptr},
        {reparse(link, L"", L"", 1), nullptr}};
    for (const auto& [data, target] : cases) {
        EXPECT_EQ(symbolicLinkTarget(data.data(), data.size()).value_or("-").native(),
                  target ? target : L"-");
        for (const bool system : {true, false}) {
            int asked = 0;
            const auto found =
                symbolicLink(data.data(), data.size(), [&] { return ++asked, system; });
            EXPECT_EQ(std::tuple(found.has_value(), asked, found && found->owner == kSystemsOwner),
                      std::tuple(target != nullptr, target ? 1 : 0, target && system));
        }
    }
    for (const bool elevated : {true, false})
        EXPECT_EQ(std::pair(followsLink(kSystemsOwner, elevated), followsLink(kSystemsOwner + 1, elevated)),
                  std::pair(true, !elevated));
    const bool elevated = runsElevated(GetCurrentProcess());
    EXPECT_EQ(std::tuple(elevated, runsElevated(nullptr), ownedBySystem(GetCurrentProcess()),
                         ownedBySystem(nullptr), followsLinksOf(0), followsLinksOf(1)),
              std::tuple(bool(IsUserAnAdmin()), true, elevated, false, true, !elevated));
}

class WindowsFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fs::create_directory(dir_)); }
    void TearDown() override { replaceCalls() = system_, fs::remove_all(dir_); }
    const ReplaceCalls system_ = replaceCalls();
    const fs::path dir_ =
        fs::temp_directory_path() / ("kestro-calls-" + std::to_string(std::random_device()()));
    const FolderHandle in_{-1, dir_};
};

// No flag opens for reading only, and an exclusive one refuses a file that is there; a file
// another program holds is waited for, a refusal is not. A byte is read where asked, a
// truncated file is empty, a pipe is no regular file; the system's move answers 0 or the error.
TEST_F(WindowsFiles, OpenReadAndReplaceAsAsked) {
    std::ofstream(dir_ / "f", std::ios::binary) << "hello";
    char h = 0, o = 0, past = 0;
    int fd = openIn(in_, "f", 0);
    const bool first = readByteAt(fd, 0, h), last = readByteAt(fd, 4, o),
               beyond = readByteAt(fd, 5, past);
    const bool refused = writeSome(fd, "x", 1) < 0;
    EXPECT_EQ(std::tuple(first, h, last, o, beyond, refused, close(fd)),
              std::tuple(true, 'h', true, 'o', false, true, 0));
    // (What the other flags do shows in the installs of test_install_config.)
    errno = 0;
    EXPECT_EQ(openIn(in_, "f", Write | Create | Exclusive), -1);
    EXPECT_EQ(errno, EEXIST);
    std::ofstream(dir_ / "g", std::ios::binary) << "b\r\n";
    fd = openIn(in_, "f", Write);
    EXPECT_EQ(truncate(fd), 0);
    EXPECT_EQ(status(fd).value_or(Status{}).size, 0);
    int pipe[2] = {}, zero = openIn(in_, std::wstring(L"g\0x", 3), Write);
    _pipe(pipe, 64, _O_BINARY);
    const Status piped = status(pipe[0]).value_or(Status{true, 1, 0});
    EXPECT_EQ(std::tuple(piped.regular, piped.names, zero, status(-1).has_value()),
              std::tuple(false, 1ul, -1, false));
    close(fd), close(pipe[0]), close(pipe[1]);

    static std::vector<unsigned> pauses;
    replaceCalls().pause = [](unsigned pause) { pauses.push_back(pause); };
    fs::create_directory(dir_ / "sub");
    const HANDLE hold =
        CreateFileW((dir_ / "g").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    for (const auto& [name, waited] :
         {std::pair{"sub", std::vector<unsigned>{}}, {"g", {15, 30, 60, 120, 240, 480, 960}}}) {
        pauses.clear();
        EXPECT_EQ(openIn(in_, name, Write), -1);
        EXPECT_EQ(pauses, waited) << name;
    }
    CloseHandle(hold);
    const auto at = [this](const char* name) { return (dir_ / name).wstring(); };
    EXPECT_EQ(system_.move(at("g").c_str(), at("h").c_str()), 0ul);
    EXPECT_EQ(system_.move(at("g").c_str(), at("h").c_str()), ULONG(ERROR_FILE_NOT_FOUND));
}

// The registry's values as the store hands them over: text as UTF-8 with the zeros it holds,
// the default value under the empty name, numbers and other data as their bytes, and names
// and texts that are not UTF-8 or UTF-16 not found.
TEST(WindowsRegistry, ValuesOfEveryTypeAndName) {
    const std::wstring key = L"Software\\KestroStoreTest" + std::to_wstring(std::random_device()());
    HKEY opened = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened,
                    nullptr);
    const std::unique_ptr<SettingsStore> store = makePlatformSettingsStore();
    StoreKey open = 0;
    const std::string name(key.begin(), key.end());
    EXPECT_EQ(store->openKey(StoreRoot::CurrentUser, name + "\\\xFF", open), StoreAnswer::NotFound);
    ASSERT_EQ(store->openKey(StoreRoot::CurrentUser, name, open), StoreAnswer::Ok);
    using enum StoreAnswer;
    using enum ValueType;
    struct Case { const char* value; DWORD stored_type; std::wstring_view stored; std::uint32_t room;
                  StoreAnswer answer; ValueType type; std::string data; std::uint32_t size; };
    for (const Case& c :
         {Case{"", REG_SZ, {L"C:\\x\0", 5}, 64, Ok, Text, {"C:\\x\0", 5}, 5},
          {"1", REG_SZ, {L"x\0", 2}, 64, Ok, Text, {"x\0", 2}, 2},
          {"Empty", REG_SZ, L"", 64, Ok, Text, "", 0},
          {"Multi", REG_MULTI_SZ, {L"a\0b\0\0", 5}, 64, Ok, Other, {"a\0b\0\0", 5}, 5},
          {"Expand", REG_EXPAND_SZ, {L"%SystemDrive%\\x\0", 16}, 64, Ok, ExpandText, {"C:\\x\0", 5}, 5},
          {"Nothing", REG_EXPAND_SZ, {L"\0", 1}, 64, Ok, ExpandText, {"\0", 1}, 1},
          // sizes in UTF-8: Я is two bytes
          {"Fits", REG_SZ, {L"\u042F\u042Fy\0", 4}, 6, Ok, Text, {"\xD0\xAF\xD0\xAFy\0", 6}, 6},
          {"Over", REG_SZ, {L"\u042F\u042F\u042F\0", 4}, 6, MoreData, Text, "", 7},
          {"Half", REG_SZ, {L"\xD800", 1}, 64, NotFound, Text, "", 0},
          {"Dword", REG_DWORD, {L"\x0203\x0001", 2}, 4, Ok, Number, {"\x03\x02\x01\x00", 4}, 4},
          {"Qword", REG_QWORD, {L"\x0201\x0403\x0605\x0807", 4}, 4, MoreData, Other, "", 8},
          {"\xFF", REG_SZ, L"", 64, NotFound, Text, "", 0}}) {
        const std::wstring wide(c.value, c.value + std::strlen(c.value));
        RegSetValueExW(opened, wide.c_str(), 0, c.stored_type,
                       reinterpret_cast<const BYTE*>(c.stored.data()), DWORD(c.stored.size() * 2));
        char buffer[64];
        std::memset(buffer, '#', sizeof buffer);
        ValueType type = ValueType::Other;
        std::uint32_t size = c.room;
        const StoreAnswer answer = store->queryValue(open, c.value, type, buffer, size);
        if (answer != NotFound) { EXPECT_EQ(std::tuple(type, size), std::tuple(c.type, c.size)) << c.value; }
        EXPECT_EQ(std::pair(answer, answer != Ok ? "" : std::string(buffer, size)),
                  std::pair(c.answer, c.data))
            << c.value;
    }
    store->closeKey(open), RegCloseKey(opened), RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
}

// A stand-in for the console: which made-up standard handles are consoles, what each shows,
// and a write that fails or takes one character less.
namespace console {
const HANDLE out = HANDLE(0x4d0), err = HANDLE(0x4d4);
std::vector<HANDLE> consoles;
HANDLE refusing, cutting;
std::wstring shown;
bool mode(void* handle, unsigned long*) { return std::count(consoles.begin(), consoles.end(), handle); }
bool write(void* handle, const wchar_t* text, unsigned long length, unsigned long* written) {
    *written = handle == refusing ? 0 : handle == cutting ? length - 1 : length;
    shown += (handle == out ? L"out:" : L"err:") + std::wstring(text, *written);
    return handle != refusing;
}
}  // namespace console

// The answers reach a console as wide text and a file as bytes; an answer the console does not
// take whole fails with a message on standard error, whichever that is.
TEST_F(WindowsFiles, AnswersGoToAConsoleAsWideText) {
    const cli::ConsoleCalls system = cli::consoleCalls();
    cli::consoleCalls() = {console::mode, console::write};
    const HANDLE realOut = GetStdHandle(STD_OUTPUT_HANDLE),
                 realErr = GetStdHandle(STD_ERROR_HANDLE);
    using console::out, console::err;
    const char cannot[] = "kestro: cannot write to standard output: Input/output error\n";
    struct Case { std::vector<HANDLE> consoles; HANDLE refusing, cutting; int status;
                  std::wstring shown; std::string bytes; };
    for (const Case& c : {Case{{}, nullptr, nullptr, 0, L"", "kestro 1.00\n|"},
                          {{out}, nullptr, nullptr, 0, L"out:kestro 1.00\n", "|"},
                          {{err}, nullptr, nullptr, 0, L"", "kestro 1.00\n|"},
                          {{out, err}, nullptr, out, 1, L"out:kestro 1.00err:kestro: cannot write "
                           "to standard output: Input/output error\n", "|"},
                          {{out}, out, nullptr, 1, L"out:", std::string("|") + cannot}}) {
        std::tie(console::consoles, console::refusing, console::cutting) =
            std::tuple(c.consoles, c.refusing, c.cutting);
        console::shown.clear();
        std::fflush(stdout), std::fflush(stderr);
        const int saved[] = {_dup(1), _dup(2)};
        for (const int stream : {1, 2}) {
            const int file = _wopen((dir_ / std::to_wstring(stream)).c_str(),
                                    _O_WRONLY | _O_CREAT | _O_BINARY, _S_IWRITE);
            _dup2(file, stream), _close(file);
        }
        SetStdHandle(STD_OUTPUT_HANDLE, out), SetStdHandle(STD_ERROR_HANDLE, err);
        char program[] = "kestro", version[] = "--version", *argv[] = {program, version, nullptr};
        const int status = cli::answerOnTerminal(2, argv).value_or(-1);
        std::fflush(stdout), std::fflush(stderr);
        for (const int stream : {1, 2}) _dup2(saved[stream - 1], stream), _close(saved[stream - 1]);
        SetStdHandle(STD_OUTPUT_HANDLE, realOut), SetStdHandle(STD_ERROR_HANDLE, realErr);
        EXPECT_EQ(std::tuple(status, console::shown, readBytes(dir_ / "1") + "|" + readBytes(dir_ / "2")),
                  std::tuple(c.status, c.shown, c.bytes));
        fs::remove(dir_ / "1"), fs::remove(dir_ / "2");
    }
    cli::consoleCalls() = system;
}

}  // namespace
}  // namespace kestro
