// The game search as the install window runs it each time it opens, warm: a home with three
// Steam folders (native, Flatpak, Snap, and the usual link to the native one) whose lists name
// 20 libraries in all, the game in three of them and one library gone; and a hostile list.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "install/game_search.h"
#include "sysinfo/settings_store.h"

namespace {

namespace fs = std::filesystem;

class SteamHome {
public:
    SteamHome() {
        std::random_device random;
        do home_ = fs::temp_directory_path() / ("kestro-bench-home-" + std::to_string(random()));
        while (!fs::create_directory(home_));
        const fs::path steams[] = {home_ / ".local/share/Steam",
                                   home_ / ".var/app/com.valvesoftware.Steam/data/Steam",
                                   home_ / "snap/steam/common/.local/share/Steam"};
        fs::create_directories(home_ / ".steam");
        fs::create_directory_symlink(steams[0], home_ / ".steam/steam");
        for (int s = 0; s < 3; ++s) {
            fs::create_directories(steams[s] / "config");
            std::string vdf = "\"libraryfolders\"\n{\n";
            for (int l = s * 7; l < std::min(20, s * 7 + 7); ++l) {
                const fs::path library = home_ / ("library" + std::to_string(l));
                if (l != 19) fs::create_directories(library / "steamapps/common");
                if (l % 7 == 3) fs::create_directories(library / "steamapps/common/Half-Life/valve");
                vdf += "\t\"" + std::to_string(l) + "\"\n\t{\n\t\t\"path\"\t\t\"" +
                       library.string() + "\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"1\"\n\t\t}\n\t}\n";
            }
            std::ofstream(steams[s] / "config/libraryfolders.vdf") << vdf << "}\n";
        }
    }
    ~SteamHome() { fs::remove_all(home_); }
    std::string path() const { return home_.string(); }

private:
    fs::path home_;
};

void BM_FindGameFolders(benchmark::State& state) {
    const SteamHome home;
    const kestro::SearchPlaces places{home.path(), "", "", ""};
    const auto store = kestro::makePlatformSettingsStore();
    std::size_t found = 0;
    for (auto _ : state) {
        found = kestro::findGameFolders(places, *store).size();
        benchmark::DoNotOptimize(found);
    }
    if (found != 3) state.SkipWithError("the home's three games were not all found");
}
BENCHMARK(BM_FindGameFolders)->Unit(benchmark::kMicrosecond);

// A hostile list as long as the search reads (4 MiB): 100,000 libraries, a third of them the
// one library that holds the game written the same way, a third that library written in
// other ways ("//", trailing "/"), a third folders that do not exist, all different.
class HostileHome {
public:
    HostileHome() {
        std::random_device random;
        do home_ = fs::temp_directory_path() / ("kh" + std::to_string(random() % 100000));
        while (!fs::create_directory(home_));
        fs::create_directories(home_ / "L/steamapps/common/Half-Life/valve");
        fs::create_directories(home_ / ".local/share/Steam/config");
        const std::string library = (home_ / "L").string();
        std::string vdf = "\"LibraryFolders\"\n{\n";
        for (int i = 0; i < 100000; ++i) {
            std::string path = library;
            if (i % 3 == 1) path = home_.string() + std::string(1 + i % 30, '/') + "L" +
                                   std::string(i / 30 % 30, '/');
            if (i % 3 == 2) path += std::to_string(i);
            vdf += "\"" + std::to_string(i) + "\" \"" + path + "\"\n";
        }
        std::ofstream(home_ / ".local/share/Steam/config/libraryfolders.vdf") << vdf << "}\n";
    }
    ~HostileHome() { fs::remove_all(home_); }
    std::string path() const { return home_.string(); }

private:
    fs::path home_;
};

void BM_FindGameFoldersInAHostileList(benchmark::State& state) {
    const HostileHome home;
    const kestro::SearchPlaces places{home.path(), "", "", ""};
    const auto store = kestro::makePlatformSettingsStore();
    std::size_t found = 0;
    for (auto _ : state) {
        found = kestro::findGameFolders(places, *store).size();
        benchmark::DoNotOptimize(found);
    }
    if (found != 1) state.SkipWithError("the game in the listed library was not found");
}
BENCHMARK(BM_FindGameFoldersInAHostileList)->Unit(benchmark::kMillisecond);

}  // namespace
