// Start-up time to the first complete frame of the main window, against a plain Qt window
// with the same controls, measured in the same run. Every iteration starts both programs as
// fresh processes on the offscreen platform, alternating which one goes first, and times each
// from just before the spawn to the moment its first frame is drawn.
//
// Reported: the time column is the main window's mean; kestro_ms and bare_ms are medians,
// ratio is the median of the per-iteration ratios (so that a slow moment of a shared machine
// hits both sides of a pair), *_MB the median peak resident memory.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kWarmUpPairs = 3;  // fill the page cache and the font cache before timing

struct Launch {
    double seconds = 0;
    double peakMegabytes = 0;
};

double nowSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

std::runtime_error systemError(const std::string& what, int error = errno) {
    return std::runtime_error(what + ": " + std::strerror(error));
}

// The children's environment: ours, with the offscreen platform and a private runtime
// directory (Qt wants one with mode 0700).
class ChildEnvironment {
public:
    ChildEnvironment() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestro-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw systemError("mkdtemp");
        runtimeDir_ = pattern;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string_view text(*entry);
            if (text.starts_with("QT_QPA_PLATFORM=") || text.starts_with("XDG_RUNTIME_DIR=")) continue;
            strings_.emplace_back(text);
        }
        strings_.push_back("QT_QPA_PLATFORM=offscreen");
        strings_.push_back("XDG_RUNTIME_DIR=" + runtimeDir_);
        for (std::string& s : strings_) pointers_.push_back(s.data());
        pointers_.push_back(nullptr);
    }
    ~ChildEnvironment() {
        std::error_code ignored;
        std::filesystem::remove_all(runtimeDir_, ignored);
    }
    ChildEnvironment(const ChildEnvironment&) = delete;
    ChildEnvironment& operator=(const ChildEnvironment&) = delete;

    char* const* envp() const { return const_cast<char* const*>(pointers_.data()); }

private:
    std::string runtimeDir_;
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
};

// Starts the program, reads the moment of its first frame from its standard output and
// waits for it to end. Its diagnostics (the offscreen platform is chatty) go to /dev/null.
Launch launchToFirstFrame(const char* program, const ChildEnvironment& environment) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw systemError("pipe2");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* const argv[] = {const_cast<char*>(program), nullptr};

    const double start = nowSeconds();
    pid_t pid = 0;
    const int spawnError = posix_spawn(&pid, program, &actions, nullptr, argv, environment.envp());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawnError != 0) {
        close(pipeEnds[0]);
        throw systemError(std::string("posix_spawn ") + program, spawnError);
    }

    std::string output;
    char buffer[64];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0) output.append(buffer, std::size_t(n));
        else if (errno != EINTR) break;
    }
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR) throw systemError("wait4");
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || output.empty()) {
        const std::string how = WIFEXITED(status)
                                    ? "exit status " + std::to_string(WEXITSTATUS(status))
                                    : "signal " + std::to_string(WTERMSIG(status));
        throw std::runtime_error(std::string(program) + " did not show its window and end cleanly (" +
                                 how + ", " + std::to_string(output.size()) + " bytes of output)");
    }
    const double firstFrame = double(std::stoll(output)) * 1e-9;
    return {firstFrame - start, double(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

void BM_StartupToFirstFrame(benchmark::State& state) {
    std::vector<double> kestro, bare, ratios, kestroMB, bareMB;
    try {
        const ChildEnvironment environment;
        for (int i = 0; i < kWarmUpPairs; ++i) {
            launchToFirstFrame(KESTRO_FIRST_PAINT_PROGRAM, environment);
            launchToFirstFrame(BARE_FIRST_PAINT_PROGRAM, environment);
        }
        bool kestroFirst = true;
        for (auto _ : state) {
            Launch ours, plain;
            if (kestroFirst) {
                ours = launchToFirstFrame(KESTRO_FIRST_PAINT_PROGRAM, environment);
                plain = launchToFirstFrame(BARE_FIRST_PAINT_PROGRAM, environment);
            } else {
                plain = launchToFirstFrame(BARE_FIRST_PAINT_PROGRAM, environment);
                ours = launchToFirstFrame(KESTRO_FIRST_PAINT_PROGRAM, environment);
            }
            kestroFirst = !kestroFirst;
            state.SetIterationTime(ours.seconds);
            kestro.push_back(ours.seconds);
            bare.push_back(plain.seconds);
            ratios.push_back(ours.seconds / plain.seconds);
            kestroMB.push_back(ours.peakMegabytes);
            bareMB.push_back(plain.peakMegabytes);
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
        return;
    }
    state.counters["kestro_ms"] = median(kestro) * 1e3;
    state.counters["bare_ms"] = median(bare) * 1e3;
    state.counters["ratio"] = median(ratios);
    state.counters["kestro_MB"] = median(kestroMB);
    state.counters["bare_MB"] = median(bareMB);
}
BENCHMARK(BM_StartupToFirstFrame)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

}  // namespace
