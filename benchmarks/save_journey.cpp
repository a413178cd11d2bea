// Saving the journey while a level runs with 300 balls on its paths, as the
// back-to-menu press and the exit do: the whole record written to a
// temporary file beside Journey.SAV, synced and renamed over it
// (target: under 2 ms). The file lands in $TMPDIR's file system, so the
// figure includes that disk's sync.
#include <benchmark/benchmark.h>

#include "FullPaths.h"
#include "board/Board.h"
#include "core/IOBuffer.h"
#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/ScratchFolder.h"
#include "game/play/Game.h"
#include "platform/MessageBox.h"
#include "support/TempDir.h"

namespace {
constexpr int32_t kBallsOnPaths = 300;
constexpr const char* kStage = "Saving Stage";

// A game in its level with its paths full.
void PlayWithFullPaths(PlimbZappetsApp& app) {
    app.currentGroup = kStage;
    app.StartGame();
    FillPaths(*app.CurrentGame()->CurrentBoard(), kBallsOnPaths);
}

void SaveJourney300(benchmark::State& state) {
    SetHeadless(true);
    GetRandom().Seed(5);
    TempDir folder;
    PlimbZappetsApp app;
    UseScratchFolder(app, folder.Path());
    app.singleLevel = LevelGroup{kStage, {"Blue"}};
    app.ShowJourneyMap(false);
    for (auto _ : state) {
        state.PauseTiming();
        PlayWithFullPaths(app);
        state.ResumeTiming();
        app.SaveJourney();  // ends play, as it does in the game
    }
    IOBuffer saved;
    saved.LoadFile(app.profiles.ProfileFilePath("Journey.SAV"));
    state.counters["file_bytes"] = static_cast<double>(saved.Size());
}
BENCHMARK(SaveJourney300)->Unit(benchmark::kMillisecond);
}  // namespace
