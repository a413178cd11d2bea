// Processor share of an idle application: empty scene, real clock, headless,
// ten seconds of running. The loop must sleep, not spin: the figure to hold is
// under 3 % of one core ("cpu_percent").
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/App.h"
#include "platform/MessageBox.h"

namespace {
constexpr int32_t kIdleSteps = 1000;  // ten seconds at 100 update steps per second

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void IdleAppCpuShare(benchmark::State& state) {
    SetHeadless(true);
    std::string folderTemplate = (std::filesystem::temp_directory_path() / "pz-idle-XXXXXX").string();
    std::string folder = mkdtemp(folderTemplate.data());
    for (auto _ : state) {
        LaunchOptions launch;
        launch.headless = true;
        launch.ticks = kIdleSteps;
        launch.userFolder = folder.c_str();
        App app;
        app.Initialize(launch);
        double cpuBefore = ProcessCpuSeconds();
        auto wallBefore = std::chrono::steady_clock::now();
        app.Run();
        double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
        state.counters["cpu_percent"] = 100.0 * (ProcessCpuSeconds() - cpuBefore) / wall;
        state.counters["updates"] = app.mUpdateCount;
    }
    std::filesystem::remove_all(folder);
}
}  // namespace

BENCHMARK(IdleAppCpuShare)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
