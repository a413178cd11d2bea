// The journey map's speed:
//   DrawJourneyMap/Burst: one frame of the temple at world 1 while a door's
//     pieces fly, with every tier, torch, floater and the leaves, drawn with
//     the software renderer (target: under 3 ms).
//   DrawJourneyMap/Ending: one frame of the journey's end with strikes,
//     their flares, the glowing "you win" and the continue button.
// The pictures come from the built data root in $PZ_TEST_DATA; without it
// the map draws only its effects.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/journey/DifficultyMenu.h"
#include "media/Graphics.h"
#include "platform/ResourcePaths.h"
#include "support/TempDir.h"

namespace {
constexpr int32_t kTicksToFlyingPieces = 110;  // the first door bursts at tick 50, its pieces fly from 75
constexpr int32_t kTicksToEnding = 1100;       // strikes, the glowing "you win" and the continue button

void DrawJourneyMap(benchmark::State& state, bool ending) {
    Graphics& graphics = GetGraphics();
    graphics.SetResolution(PlimbZappetsApp::kScreenWidth, PlimbZappetsApp::kScreenHeight);
    if (!graphics.Initialize(nullptr)) {
        state.SkipWithError("no software renderer");
        return;
    }
    TempDir folder;
    {
        PlimbZappetsApp app;
        app.mDataFolder = String((folder.Path() + "/").c_str());
        app.mConfigPath = String(folder.File("config.cfg").c_str());
        if (const char* data = std::getenv("PZ_TEST_DATA")) {
            ResourcePaths::SetDataRoot(data);
            app.LoadResources();
        }
        GetRandom().Seed(5);
        DifficultyMenu map(app);
        for (int32_t tick = 0; tick < kTicksToFlyingPieces; ++tick) map.Update();
        if (ending) {
            // Straight up to the summit's stage and through it.
            while (map.WorldIndex() < DifficultyMenu::kFinalWorld) {
                map.CompleteStage();
                while (map.IsStageDone()) map.Update();
            }
            map.CompleteStage();
            for (int32_t tick = 0; tick < kTicksToEnding; ++tick) map.Update();
        }
        for (auto _ : state) {
            graphics.BeginFrame();
            map.Draw();
            graphics.EndFrame();
        }
    }
    graphics.Shutdown();
}
BENCHMARK_CAPTURE(DrawJourneyMap, Burst, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawJourneyMap, Ending, true)->Unit(benchmark::kMillisecond);
}  // namespace
