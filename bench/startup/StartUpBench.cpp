// Start-up to the first painted main window, offscreen, as a user starts the
// program: a new process each time, timed until it says its main window has
// been painted (numora --check-start). In the same run, each start is paired
// with the start of a Qt program that shows an empty window: the baseline.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "draws/DrawFile.h"
#include "platform/DevicePaths.h"
#include "settings/LotteryStore.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"

extern char** environ;

namespace numora {
namespace {

constexpr char kDataFolder[] = "\\Program Files\\Numora";
// The lottery a first start chooses.
constexpr char kLottery[] = "PBall";
constexpr std::string_view kStarted = "started\n";
constexpr int kLongestStartMs = 60'000;

using Clock = std::chrono::steady_clock;

// A device root whose current lottery has `draws` past draws, each day one.
void writeDevice(const std::filesystem::path& root, int draws) {
    const DevicePaths device(root);
    std::filesystem::create_directories(device.toHost(kDataFolder).value());
    SettingsFile settings;
    settings.Load(device.toHost(settingsFilePath(kDataFolder)).value());
    saveLottery(settings, LotteryProfile{kLottery});
    DrawList list;
    for (int i = 0; i < draws; ++i) {
        list.append({1'000'000'000 + i * 86'400, 1 + i % 44, 2 + i % 44, 3 + i % 44, 4 + i % 44, 5 + i % 44,
                     6 + i % 44, -1, 1 + i % 26});
    }
    DrawFile::save(device, kDataFolder, kLottery, list);
}

// Starts the program and returns the time until it writes "started"; then
// waits for it to end. Negative when it never says so.
double secondsToStart(const std::vector<std::string>& command, const std::filesystem::path& scratch) {
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) environment.emplace_back(*variable);
    environment.push_back("QT_QPA_PLATFORM=offscreen");
    environment.push_back("XDG_CONFIG_HOME=" + (scratch / "config").string());
    environment.push_back("XDG_RUNTIME_DIR=" + scratch.string());
    std::vector<char*> envp;
    for (std::string& variable : environment) envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::vector<std::string> words = command;
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const auto start = Clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    double seconds = -1;
    std::string said;
    pollfd watch{out[0], POLLIN, 0};
    while (spawned == 0 && said.find(kStarted) == std::string::npos && poll(&watch, 1, kLongestStartMs) > 0) {
        char buffer[256];
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0) break;
        said.append(buffer, static_cast<std::size_t>(got));
        if (said.find(kStarted) != std::string::npos)
            seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    close(out[0]);
    if (spawned == 0) waitpid(child, nullptr, 0);
    return seconds;
}

// Arg: the number of past draws of the current lottery.
void StartUpToFirstPaintedMainWindow(benchmark::State& state) {
    const auto scratch = std::filesystem::temp_directory_path() / ("numora-bench-start-" + std::to_string(getpid()));
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch);
    // Qt wants the runtime folder to be the user's alone.
    std::filesystem::permissions(scratch, std::filesystem::perms::owner_all);
    const auto root = scratch / "root";
    writeDevice(root, static_cast<int>(state.range(0)));
    const std::vector<std::string> numora{NUMORA_PROGRAM, "--root", root.string(), "--check-start"};
    const std::vector<std::string> emptyWindow{NUMORA_EMPTY_WINDOW};
    // The first start installs the ball pictures and the sound; later ones find them.
    if (secondsToStart(numora, scratch) < 0) state.SkipWithError("numora did not start");

    double emptyTotal = 0;
    double numoraTotal = 0;
    for (auto _ : state) {
        const double empty = secondsToStart(emptyWindow, scratch);
        const double started = secondsToStart(numora, scratch);
        if (empty < 0 || started < 0) {
            state.SkipWithError("a program did not start");
            break;
        }
        state.SetIterationTime(started);
        emptyTotal += empty;
        numoraTotal += started;
    }
    state.counters["empty_window_ms"] = benchmark::Counter(emptyTotal * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = emptyTotal > 0 ? numoraTotal / emptyTotal : 0;
    std::filesystem::remove_all(scratch);
}

BENCHMARK(StartUpToFirstPaintedMainWindow)
    ->Arg(0)
    ->Arg(65535)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace
}  // namespace numora
