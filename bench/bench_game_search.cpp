// The game search as the install window runs it each time it opens, warm: a home with three
// Steam folders (native, Flatpak, Snap, and the usual link to the native one) whose lists name
// 20 libraries in all, the game in three of them and one library gone; the same with a library
// that does not answer; and a hostile list.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "game/game_search.h"
#include "platform/settings_store.h"

namespace {

namespace fs = std::filesystem;

// A home of its own in the temporary folder, under a short name, removed at the end; each
// benchmark fills it with the Steam folders it searches.
class Home {
public:
    Home() {
        std::random_device random;
        do home_ = fs::temp_directory_path() / ("kh" + std::to_string(random() % 100000));
        while (!fs::create_directory(home_));
    }
    ~Home() { fs::remove_all(home_); }
    Home(const Home&) = delete;
    Home& operator=(const Home&) = delete;
    const fs::path& path() const { return home_; }

private:
    fs::path home_;
};

// Searches `home` as the install window does, and reports when the games found are not
// `expected`.
void searchHome(benchmark::State& state, const Home& home, std::size_t expected,
                const kestro::SearchOptions& options = {}) {
    const kestro::SearchPlaces places{home.path().string(), "", "", ""};
    const auto store = kestro::makePlatformSettingsStore();
    std::size_t found = 0;
    for (auto _ : state) {
        found = kestro::findGameFolders(places, *store, options).size();
        benchmark::DoNotOptimize(found);
    }
    if (found != expected) state.SkipWithError("not every game in the home was found");
}

// Three Steam folders whose lists name 20 libraries, the game in three of them.
void makeSteamFolders(const Home& home) {
    const fs::path steams[] = {home.path() / ".local/share/Steam",
                               home.path() / ".var/app/com.valvesoftware.Steam/data/Steam",
                               home.path() / "snap/steam/common/.local/share/Steam"};
    fs::create_directories(home.path() / ".steam");
    fs::create_directory_symlink(steams[0], home.path() / ".steam/steam");
    for (int s = 0; s < 3; ++s) {
        fs::create_directories(steams[s] / "config");
        std::string vdf = "\"libraryfolders\"\n{\n";
        for (int l = s * 7; l < std::min(20, s * 7 + 7); ++l) {
            const fs::path library = home.path() / ("library" + std::to_string(l));
            if (l != 19) fs::create_directories(library / "steamapps/common");
            if (l % 7 == 3) fs::create_directories(library / "steamapps/common/Half-Life/valve");
            vdf += "\t\"" + std::to_string(l) + "\"\n\t{\n\t\t\"path\"\t\t\"" + library.string() +
                   "\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"1\"\n\t\t}\n\t}\n";
        }
        std::ofstream(steams[s] / "config/libraryfolders.vdf") << vdf << "}\n";
    }
}

void BM_FindGameFolders(benchmark::State& state) {
    const Home home;
    makeSteamFolders(home);
    searchHome(state, home, 3);
}
BENCHMARK(BM_FindGameFolders)->Unit(benchmark::kMicrosecond);

// The same home with one library (the first game's) on a share that has gone away: a look
// there sleeps ten times the deadline of 50 ms. The search costs the deadline once.
void BM_FindGameFoldersWithALibraryThatDoesNotAnswer(benchmark::State& state) {
    const Home home;
    makeSteamFolders(home);
    kestro::SearchOptions options;
    options.deadline = std::chrono::milliseconds(50);
    options.lookingAt = [gone = home.path() / "library3"](const fs::path& place) {
        if (place == gone) std::this_thread::sleep_for(std::chrono::milliseconds(500));
    };
    searchHome(state, home, 2, options);
}
BENCHMARK(BM_FindGameFoldersWithALibraryThatDoesNotAnswer)->Unit(benchmark::kMillisecond);

// A hostile list as long as the search reads (4 MiB): 100,000 libraries, a third of them the
// one library that holds the game written the same way, a third that library written in
// other ways ("//", trailing "/"), a third folders that do not exist, all different.
void BM_FindGameFoldersInAHostileList(benchmark::State& state) {
    const Home home;
    fs::create_directories(home.path() / "L/steamapps/common/Half-Life/valve");
    fs::create_directories(home.path() / ".local/share/Steam/config");
    const std::string library = (home.path() / "L").string();
    std::string vdf = "\"LibraryFolders\"\n{\n";
    for (int i = 0; i < 100000; ++i) {
        std::string path = library;
        if (i % 3 == 1)
            path = home.path().string() + std::string(1 + i % 30, '/') + "L" +
                   std::string(i / 30 % 30, '/');
        if (i % 3 == 2) path += std::to_string(i);
        vdf += "\"" + std::to_string(i) + "\" \"" + path + "\"\n";
    }
    std::ofstream(home.path() / ".local/share/Steam/config/libraryfolders.vdf") << vdf << "}\n";
    searchHome(state, home, 1);
}
BENCHMARK(BM_FindGameFoldersInAHostileList)->Unit(benchmark::kMillisecond);

}  // namespace
