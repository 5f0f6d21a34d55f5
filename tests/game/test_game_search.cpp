// The game search over fake homes and a registry in memory, a path's text on Windows, and the
// reader of Steam's list of libraries over broken and hostile files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <thread>

#include "game/game_search.h"
#include "game/library_folders.h"
#include "platform/fake_store.h"
#include "platform/system_path.h"
#include "platform/wine_path.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32  // Linux homes; Windows is tested under Wine with its registry

const std::string kHL = "steamapps/common/Half-Life";
const std::string kOldVdf =
    R"("LibraryFolders" { "TimeNextStatsReport" "1" "1" "~/lib1" "2" "~/gone" "3" "~/lib2" })";
const std::string kNewVdf = R"("libraryfolders" { "0" { "path" "~/lib0" "apps" { "70" "1" } }
    "1" { "path" "~/lib1" "mounted" "0" } // the card is out
    "2" { "PATH" "~/lib2" } })";

// The game in a Steam folder: the tree entry that holds it, the line that finds it.
std::string gameIn(const std::string& steam) { return steam + kHL + "/valve/"; }
std::string foundIn(const std::string& steam) { return "~/" + steam + kHL + "\tSteam library"; }

struct Case {
    const char* name;
    std::vector<std::string> tree;  // "dir/", "file=text", "link->target", under the home
    // "key\value name" -> type and text (expandable ones as the store hands them, expanded),
    // the key named as the fake store names it
    std::map<std::string, test::StoredValue> registry;
    std::vector<std::string> found;  // folder TAB source; "~" is the home here and in texts
    SearchPlaces places{};           // besides the home
};

std::string atHome(std::string text, const std::string& home) {
    for (std::size_t at; (at = text.find('~')) != std::string::npos;) text.replace(at, 1, home);
    return text;
}

TEST(GameSearch, FindsEachSourceInOrderOnce) {
    const fs::path root =
        fs::temp_directory_path() / ("kestro-search-" + std::to_string(std::random_device{}()));
    const std::string home = (root / "home").string();
    Case steams{"each Steam folder in order", {}, {}, {}, {"", home + "/xdg", home + "/sd", ""}};
    for (const std::string steam : {"sd/", ".steam/steam/", ".steam/root/", "xdg/Steam/",
                                    ".steam/debian-installation/",
                                    ".var/app/com.valvesoftware.Steam/.local/share/Steam/",
                                    ".var/app/com.valvesoftware.Steam/data/Steam/",
                                    "snap/steam/common/.local/share/Steam/"}) {
        steams.tree.push_back(gameIn(steam));
        steams.found.push_back(foundIn(steam));
    }
    const std::string hkcu = "HKCU\\Software\\Valve\\", hklm = "SOFTWARE\\";
    const Case cases[] = {
        steams,
        {"none found, a folder without valve skipped",
         {"Sierra/Half-Life/valve/", ".steam/steam/" + kHL + "/", ".wine/", "mod/"},
         {{hkcu + "Steam\\ModInstallPath", {1, "~/mod"}}}, {}},
        {"start value in the Wine prefix",
         {".wine/drive_c/Sierra/Half-Life/VALVE/", ".wine/dosdevices/c:->../drive_c"}, {},
         {"C:\\Sierra\\Half-Life\tdefault folder"}},
        {"ModInstallPath, Steam folders, retail, in order and each once; an expandable text, "
         "one with zeros after its end",
         {gameIn("s/"), gameIn("t/"), gameIn("u/"), "r/valve/"},
         {{hkcu + "Steam\\ModInstallPath", {1, "~/t/" + kHL}},
          {hkcu + "Steam\\SteamPath", {2, "~/s"}},
          {hklm + "WOW6432Node\\Valve\\Steam\\InstallPath", {1, "~/t"}},
          {hklm + "Valve\\Steam\\InstallPath", {1, "~/u"}},
          {hklm + "Valve\\Half-Life\\InstallPath", {1, std::string("~/r\0\0", 5)}},
          {hklm + "WOW6432Node\\Valve\\Half-Life\\InstallPath", {1, "~/s/" + kHL}}},
         {"~/t/" + kHL + "\tSteam (ModInstallPath)", foundIn("s/"), foundIn("u/"),
          "~/r\tretail install"}},
        {"old list, stale library, letter case, a link to the same Steam",
         {".local/share/Steam/steamapps/libraryfolders.vdf=" + kOldVdf, gameIn("lib1/"),
          "lib2/SteamApps/Common/Half-Life/Valve/", ".steam/steam->../.local/share/Steam/"},
         {}, {foundIn("lib1/"), "~/lib2/SteamApps/Common/Half-Life\tSteam library"}},
        {"new list with a byte-order mark, unmounted library skipped",
         {".steam/root/config/libraryfolders.vdf=\xEF\xBB\xBF" + kNewVdf, gameIn("lib0/"),
          gameIn("lib1/"), gameIn("lib2/")}, {}, {foundIn("lib0/"), foundIn("lib2/")}},
        {"Steam in the Wine prefix",
         {"pfx/dosdevices/c:->../drive_c", "pfx/dosdevices/d:->../../d", gameIn("d/"),
          "pfx/drive_c/Program Files (x86)/Steam/config/libraryfolders.vdf="
          "\"libraryfolders\" { \"1\" { \"path\" \"D:\\\\\" } }"},
         {}, {"~/pfx/dosdevices/d:/" + kHL + "\tWine prefix"}, {"", "", "", home + "/pfx"}},
    };
    for (const Case& c : cases) {
        fs::remove_all(root);
        fs::create_directories(home);
        for (const std::string& entry : c.tree) {
            const std::size_t link = entry.find("->"), text = entry.find('=');
            const fs::path at = fs::path(home) / entry.substr(0, std::min(link, text));
            fs::create_directories(link == text ? at : at.parent_path());
            if (link < text) fs::create_directory_symlink(entry.substr(link + 2), at);
            else if (text < link) std::ofstream(at) << atHome(entry.substr(text + 1), home);
        }
        test::FakeStore store;
        for (const auto& [name, value] : c.registry) {
            const std::size_t cut = name.rfind('\\');
            store.keys[name.substr(0, cut)][name.substr(cut + 1)] = {value.first, atHome(value.second, home) + '\0'};
        }
        SearchPlaces places = c.places;
        places.home = home;
        std::vector<std::string> found, expected;
        for (const GameFolder& game : findGameFolders(places, store))
            found.push_back(game.folder + '\t' + game.source);
        for (const std::string& line : c.found) expected.push_back(atHome(line, home));
        EXPECT_EQ(found, expected) << c.name;
    }
    fs::remove_all(root);
}

// A library that does not answer (here one that sleeps ten times the deadline) is passed over
// and named once; the folders before and after it are found, each reported once as it is
// found, although the search runs again after giving up.
TEST(GameSearch, PassesOverAPlaceThatDoesNotAnswer) {
    using namespace std::string_literals;
    const fs::path home =
        fs::temp_directory_path() / ("kestro-slow-" + std::to_string(std::random_device{}()));
    for (const std::string& game : {"mod/valve"s, "slow/" + kHL + "/valve", "fast/" + kHL + "/valve"})
        fs::create_directories(home / game);
    fs::create_directories(home / ".steam/steam/config");
    std::ofstream(home / ".steam/steam/config/libraryfolders.vdf")
        << "\"LibraryFolders\" { \"1\" \"" << (home / "slow").string() << "\" \"2\" \""
        << (home / "fast").string() << "\" }";
    test::FakeStore store;
    store.keys["HKCU\\Software\\Valve\\Steam"]["ModInstallPath"] = {1, (home / "mod").string() + '\0'};
    std::vector<std::string> passedOver, reported;
    SearchOptions options;
    options.deadline = std::chrono::milliseconds(500);
    options.passedOver = [&passedOver](const std::string& place) { passedOver.push_back(place); };
    options.found = [&reported](const GameFolder& game) { reported.push_back(game.folder); };
    options.lookingAt = [slow = home / "slow"](const fs::path& place) {
        if (place == slow) std::this_thread::sleep_for(std::chrono::seconds(5));
    };
    std::vector<std::string> found;
    for (const GameFolder& game : findGameFolders({home.string(), "", "", ""}, store, options))
        found.push_back(game.folder);
    const std::vector<std::string> expected{(home / "mod").string(), (home / "fast" / kHL).string()};
    EXPECT_EQ(found, expected);
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(passedOver, std::vector<std::string>{(home / "slow").string()});
    fs::remove_all(home);
}
#endif

// Whole Windows paths are those from a drive's root (a letter, A to Z in either case) and
// shares, "\\" and "/" alike. On Windows a typed text that is not UTF-8 gets U+FFFD in its
// place; NTFS allows names that are not valid UTF-16 (a lone surrogate), which have no text and
// do not throw, so that the search passes them over. (A library list's path that is not UTF-8
// names no path: test_windows_forms.)
TEST(PathRules, WholeWindowsPathsAndTextsThatNameNothing) {
    for (const auto& [path, whole] :
         {std::pair{"C:\\Steam", true}, {"A:/", true}, {"Z:/", true}, {"a:/", true}, {"z:/", true},
          {"@:/", false}, {"[:/", false}, {"`:/", false}, {"{:/", false}, {"1:/", false},
          {"C:", false}, {"C:Steam", false}, {"\\Steam", false}, {"Steam", false},
          {"/home/steam", false}, {"\\\\nas\\games\\lib", true}, {"//nas/games", true},
          {"\\/nas\\games", true}, {"\\\\nas", false}, {"\\\\nas\\", false},
          {"\\\\\\nas\\games", false}, {"\\\\nas\\\\games", false}})
        EXPECT_EQ(isAbsoluteWindowsPath(path), whole) << path;
#ifdef _WIN32
    EXPECT_EQ(gameDirectoryPath("D:\\\xE9").native(), L"D:\\\uFFFD");
    EXPECT_EQ(pathText(fs::path(L"C:\\\u0418\u0433\u0440\u044b")), "C:\\Игры");
    for (const wchar_t* lone : {L"a\xD800", L"\xDC00" L"b", L"\xD800\x0041"})
        EXPECT_EQ(pathText(fs::path(lone)), std::nullopt);
#endif
}

TEST(LibraryFolders, ReadsAsFarAsSound) {
    using Paths = std::vector<std::string>;
    EXPECT_EQ(libraryFolderPaths(R"("LibraryFolders" { "1" "D:\\Steam \"A\"" "2" "E:\\G" })"),
              (Paths{"D:\\Steam \"A\"", "E:\\G"}));
    EXPECT_EQ(libraryFolderPaths(R"("libraryfolders" { "0" { "path" "/a" } "1" { "path" "/b)"),
              Paths{"/a"});
    EXPECT_EQ(libraryFolderPaths(R"("libraryfolders" { "1" "/a" } } } "2" "/b")"), Paths{"/a"});
    EXPECT_EQ(libraryFolderPaths(R"(LibraryFolders { 1 /a 9 /b)"), (Paths{"/a", "/b"}));
    EXPECT_EQ(libraryFolderPaths(R"("other" { "1" "/a" } "libraryfolders" { "1" "/up/../b" })"),
              Paths{});
    using namespace std::string_literals;
    EXPECT_EQ(libraryFolderPaths("\"LibraryFolders\" { \"1\" \"/a\0b\" \"2\" \"\xff\x01\" }"s),
              Paths{"\xff\x01"});
    std::string deepKeys = "\"libraryfolders\" { \"1\" \"/a\" ";
    for (int i = 0; i < 200000; ++i) deepKeys += "k { ";
    EXPECT_EQ(libraryFolderPaths(deepKeys), Paths{"/a"});
}

}  // namespace
}  // namespace kestro
