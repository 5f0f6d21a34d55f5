// InstallConfig into all eight mods against the least any installer must do that never leaves
// an empty kestro.cfg after a power cut: for each mod, write the new kestro.cfg beside the old
// one, sync it, rename it over the old one and sync the folder, then open autoexec.cfg for
// appending, write, close, with the paths built beforehand. What InstallConfig adds: opening
// the mod folder and looking for links there, the check that an existing kestro.cfg may be
// written, its owner kept, and the look at autoexec.cfg's last byte.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "config/generator.h"
#include "config/option_set.h"
#include "install/install_config.h"
#include "install/install_table.h"

namespace {

namespace fs = std::filesystem;

// A game directory with every mod directory, removed again at the end.
class GameDirectory {
public:
    GameDirectory() {
        std::random_device random;
        do path_ = fs::temp_directory_path() / ("kestro-bench-" + std::to_string(random()));
        while (!fs::create_directory(path_));
        for (std::string_view mod : kestro::kInstallMods)
            fs::create_directory(path_ / mod);
    }
    ~GameDirectory() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void writeOrAbort(int fd, const std::string& bytes, bool sync, benchmark::State& state) {
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()) ||
        (sync && ::fsync(fd) != 0) || ::close(fd) != 0)
        state.SkipWithError("plain write failed");
}

void BM_InstallConfigAllMods(benchmark::State& state) {
    const GameDirectory game;
    const std::string text = kestro::generateConfig(kestro::startupOptionSet());
    kestro::TickedRows all;
    all.fill(true);
    for (auto _ : state) {
        if (!kestro::InstallConfig(game.path(), all, text, std::nullopt).succeeded())
            state.SkipWithError("install failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * 8 * int64_t(text.size() + 2 + 17));
}
BENCHMARK(BM_InstallConfigAllMods);

void BM_PlainWritesAllMods(benchmark::State& state) {
    const GameDirectory game;
    const std::string config = kestro::generateConfig(kestro::startupOptionSet()) + "\r\n";
    const std::string exec = "exec kestro.cfg\r\n";
    std::vector<std::string> folders, stagedPaths, configPaths, autoexecPaths;
    for (std::string_view mod : kestro::kInstallMods) {
        folders.push_back((game.path() / mod).string());
        stagedPaths.push_back((game.path() / mod / "kestro.cfg.tmp").string());
        configPaths.push_back((game.path() / mod / "kestro.cfg").string());
        autoexecPaths.push_back((game.path() / mod / "autoexec.cfg").string());
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < configPaths.size(); ++i) {
            writeOrAbort(::open(stagedPaths[i].c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666),
                         config, true, state);
            const int folder = ::open(folders[i].c_str(), O_RDONLY | O_DIRECTORY);
            if (::rename(stagedPaths[i].c_str(), configPaths[i].c_str()) != 0 ||
                ::fsync(folder) != 0 || ::close(folder) != 0)
                state.SkipWithError("plain rename failed");
            writeOrAbort(::open(autoexecPaths[i].c_str(), O_WRONLY | O_CREAT | O_APPEND, 0666),
                         exec, false, state);
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * 8 * int64_t(config.size() + exec.size()));
}
BENCHMARK(BM_PlainWritesAllMods);

}  // namespace
