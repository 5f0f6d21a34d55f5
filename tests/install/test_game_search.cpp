// The game search over fake homes and a registry in memory, and the reader of Steam's list of
// libraries over broken and hostile files.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "install/game_search.h"
#include "install/library_folders.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32  // Linux homes; Windows is tested under Wine with its registry

// The registry as "HKCU\key\name" -> text.
class TextStore : public SettingsStore {
public:
    explicit TextStore(std::map<std::string, std::string> values) : values_(std::move(values)) {}
    std::int32_t openKey(StoreRoot root, const std::string& name, std::uint32_t, std::uint32_t,
                         StoreKey& key) override {
        opened_.push_back((root == kCurrentUser ? "HKCU\\" : "HKLM\\") + name + "\\");
        key = opened_.size();
        return kStoreOk;
    }
    std::int32_t queryValue(StoreKey key, const std::string& name, std::uint32_t& type,
                            std::span<char> buffer, std::uint32_t& size) override {
        const auto value = values_.find(opened_.at(key - 1) + name);
        if (value == values_.end()) return kStoreNotFound;
        type = kTextValue;
        size = std::uint32_t(value->second.size() + 1);
        std::memcpy(buffer.data(), value->second.c_str(), size);
        return kStoreOk;
    }
    std::int32_t closeKey(StoreKey) override { return kStoreOk; }

private:
    std::map<std::string, std::string> values_;
    std::vector<std::string> opened_;
};

const std::string kHL = "steamapps/common/Half-Life/";
const std::string kOldVdf = "\"LibraryFolders\" { \"TimeNextStatsReport\" \"1\" \"1\" \"~/lib1\""
                            " \"2\" \"~/gone\" \"3\" \"~/lib2\" }";
const std::string kNewVdf = "\"libraryfolders\" { \"0\" { \"path\" \"~/lib0\" \"apps\" { \"70\""
                            " \"1\" } } \"1\" { \"path\" \"~/lib1\" \"mounted\" \"0\" }"
                            " // the card is out\n \"2\" { \"PATH\" \"~/lib2\" } }";

struct Case {
    const char* name;
    std::vector<std::string> tree;  // "dir/", "file=text", "link->target", under the home
    std::map<std::string, std::string> registry;
    std::vector<std::string> found;  // folder TAB source
    SearchPlaces places{};           // "~" is the home
};

std::string atHome(std::string text, const std::string& home) {
    for (std::size_t at; (at = text.find('~')) != std::string::npos;) text.replace(at, 1, home);
    return text;
}

TEST(GameSearch, FindsEachSourceInOrderOnce) {
    const fs::path root =
        fs::temp_directory_path() / ("kestro-game-search-" + std::to_string(std::random_device{}()));
    const std::string steam = ".local/share/Steam/";
    Case everySteam{"every Steam folder in order", {}, {}, {}, {"", "~/xdg", "~/sd", ""}};
    for (const std::string folder : {"sd", ".steam/steam", ".steam/root", "xdg/Steam",
                                     ".steam/debian-installation",
                                     ".var/app/com.valvesoftware.Steam/.local/share/Steam",
                                     ".var/app/com.valvesoftware.Steam/data/Steam",
                                     "snap/steam/common/.local/share/Steam"}) {
        everySteam.tree.push_back(folder + "/" + kHL + "valve/");
        everySteam.found.push_back("~/" + folder + "/" + kHL.substr(0, 26) + "\tSteam library");
    }
    const Case cases[] = {
        everySteam,
        {"none found", {"Sierra/Half-Life/valve/", ".steam/", ".wine/"}, {}, {}},
        {"start value in the Wine prefix",
         {".wine/drive_c/Sierra/Half-Life/VALVE/", ".wine/dosdevices/c:->../drive_c"}, {},
         {"C:\\Sierra\\Half-Life\tdefault folder"}},
        {"ModInstallPath, a folder without valve skipped", {"hl/valve/", "mod/"},
         {{"HKCU\\Software\\Valve\\Steam\\ModInstallPath", "~/mod"},
          {"HKLM\\SOFTWARE\\Valve\\Half-Life\\InstallPath", "~/hl"}},
         {"~/hl\tretail install"}},
        {"SteamPath before InstallPath and retail, duplicates once",
         {"s/" + kHL + "valve/", "t/" + kHL + "valve/", "u/" + kHL + "valve/", "r/valve/"},
         {{"HKCU\\Software\\Valve\\Steam\\ModInstallPath", "~/t/" + kHL},
          {"HKCU\\Software\\Valve\\Steam\\SteamPath", "~/s"},
          {"HKLM\\SOFTWARE\\WOW6432Node\\Valve\\Steam\\InstallPath", "~/t"},
          {"HKLM\\SOFTWARE\\Valve\\Steam\\InstallPath", "~/u"},
          {"HKLM\\SOFTWARE\\Valve\\Half-Life\\InstallPath", "~/s/" + kHL},
          {"HKLM\\SOFTWARE\\WOW6432Node\\Valve\\Half-Life\\InstallPath", "~/r"}},
         {"~/t/" + kHL + "\tSteam (ModInstallPath)", "~/s/" + kHL.substr(0, 26) + "\tSteam library",
          "~/u/" + kHL.substr(0, 26) + "\tSteam library", "~/r\tretail install"}},
        {"old list, stale library, letter case, a link to the same Steam",
         {steam + "steamapps/libraryfolders.vdf=" + kOldVdf, "lib2/SteamApps/Common/Half-Life/Valve/",
          "lib1/" + kHL + "valve/", ".steam/steam->../" + steam},
         {}, {"~/lib1/" + kHL.substr(0, 26) + "\tSteam library",
              "~/lib2/SteamApps/Common/Half-Life\tSteam library"}},
        {"new list in the Flatpak, unmounted library skipped",
         {".var/app/com.valvesoftware.Steam/data/Steam/config/libraryfolders.vdf=" + kNewVdf,
          "lib0/" + kHL + "valve/", "lib1/" + kHL + "valve/", "lib2/" + kHL + "valve/",
          "snap/steam/common/.local/share/Steam/" + kHL + "valve/"},
         {}, {"~/lib0/" + kHL.substr(0, 26) + "\tSteam library",
              "~/lib2/" + kHL.substr(0, 26) + "\tSteam library",
              "~/snap/steam/common/.local/share/Steam/" + kHL.substr(0, 26) + "\tSteam library"}},
        {"STEAM_DIR and XDG_DATA_HOME first, then the Wine prefix's Steam",
         {"sd/" + kHL + "valve/", "xdg/Steam/" + kHL + "valve/", "pfx/dosdevices/c:->../drive_c",
          "pfx/dosdevices/d:->../../d", "d/" + kHL + "valve/",
          "pfx/drive_c/Program Files (x86)/Steam/config/libraryfolders.vdf="
          "\"libraryfolders\" { \"1\" { \"path\" \"D:\\\\\" } }"},
         {}, {"~/sd/" + kHL.substr(0, 26) + "\tSteam library",
              "~/xdg/Steam/" + kHL.substr(0, 26) + "\tSteam library",
              "~/pfx/dosdevices/d:/" + kHL.substr(0, 26) + "\tWine prefix"},
         {"", "~/xdg", "~/sd", "~/pfx"}},
    };
    for (const Case& c : cases) {
        fs::remove_all(root);
        const std::string home = (root / "home").string();
        fs::create_directories(home);
        for (const std::string& entry : c.tree) {
            const std::size_t link = entry.find("->"), text = entry.find('=');
            const fs::path at = fs::path(home) / entry.substr(0, std::min(link, text));
            fs::create_directories(link == text ? at : at.parent_path());
            if (link != std::string::npos)
                fs::create_directory_symlink(entry.substr(link + 2), at);
            else if (text != std::string::npos)
                std::ofstream(at) << atHome(entry.substr(text + 1), home);
        }
        std::map<std::string, std::string> registry;
        for (const auto& [name, value] : c.registry) registry[name] = atHome(value, home);
        TextStore store(registry);
        SearchPlaces places{c.places.home.empty() ? home : c.places.home,
                            atHome(c.places.xdgDataHome, home), atHome(c.places.steamDir, home),
                            atHome(c.places.winePrefix, home)};
        std::vector<std::string> found;
        for (const GameFolder& game : findGameFolders(places, store))
            found.push_back(game.folder + '\t' + game.source);
        std::vector<std::string> expected;
        for (const std::string& line : c.found) expected.push_back(atHome(line, home));
        EXPECT_EQ(found, expected) << c.name;
    }
    fs::remove_all(root);
}
#endif

TEST(LibraryFolders, ReadsAsFarAsSound) {
    using Paths = std::vector<std::string>;
    EXPECT_EQ(libraryFolderPaths(R"("LibraryFolders" { "1" "D:\\Steam \"A\"" "2" "E:\\G" })"),
              (Paths{"D:\\Steam \"A\"", "E:\\G"}));
    EXPECT_EQ(libraryFolderPaths(R"("libraryfolders" { "0" { "path" "/a" } "1" { "path" "/b)"),
              Paths{"/a"});
    EXPECT_EQ(libraryFolderPaths(R"("libraryfolders" { "1" "/a" } } } "2" "/b")"), Paths{"/a"});
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
