// The board's speed:
//   AutoplayLevel: the world-1 Blue level played by the bot for three minutes
//     of game time (18 000 ticks) or to its end; the "game_x" counter is game
//     time over wall time (target: 300 or more).
//   DrawBoard300/<theme>: one board frame with 300 balls on the theme's lanes,
//     drawn with the software renderer (target: under 5 ms); with the built
//     data root in $PZ_TEST_DATA the frame has the theme's background and
//     scenery too.
//   DrawBoard300InWindow/W/H: the Blue frame drawn and shown in a safe-mode
//     window of W x H (target at 640 x 480: under 3 ms).
#include "board/Board.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "FullPaths.h"
#include "board/AutoPlayer.h"
#include "board/BoardFactory.h"
#include "board/BoardMedia.h"
#include "board/FakeBoardGame.h"
#include "board/LevelLibrary.h"
#include "core/Random.h"
#include "media/Graphics.h"
#include "media/Image.h"
#include "media/SpriteStrip.h"
#include "platform/Clock.h"
#include "platform/Renderer.h"
#include "platform/ResourcePaths.h"
#include "platform/Window.h"

namespace {
constexpr int32_t kLevelTicks = 18000;  // three minutes at 100 ticks per second
constexpr double kSecondsPerTick = 0.01;
constexpr int32_t kBallsDrawn = 300;
constexpr int32_t kBallSide = 53, kBallFrames = 90;

std::string LevelFolder() {
    std::string here = __FILE__;
    return here.substr(0, here.find_last_of('/')) + "/../assets/levels";
}

void AutoplayLevel(benchmark::State& state) {
    LevelLibrary library;
    library.Load(String(LevelFolder().c_str()));
    int64_t ticks = 0;
    int32_t seed = 1;
    for (auto _ : state) {
        GetRandom().Seed(seed++);
        FakeBoardGame game;
        std::unique_ptr<Board> board = CreateBoard("Blue", game, nullptr);
        game.board = board.get();
        library.LoadLevel("Blue", 0, PlayStyle::Normal, *board);
        board->Start();
        AutoPlayer bot(*board);
        for (int32_t tick = 0; tick < kLevelTicks && !game.Won() && !board->gameOver; ++tick, ++ticks) {
            bot.Tick();
            board->Update();
        }
    }
    state.counters["game_x"] =
        benchmark::Counter(static_cast<double>(ticks) * kSecondsPerTick, benchmark::Counter::kIsRate);
}
BENCHMARK(AutoplayLevel)->Unit(benchmark::kMillisecond);

// A 90-frame strip of shaded discs, like a ball strip.
Image BallStrip() {
    Image image;
    image.Create(kBallSide * kBallFrames, kBallSide);
    float radius = kBallSide * 0.5f;
    for (int32_t frame = 0; frame < kBallFrames; ++frame)
        for (int32_t y = 0; y < kBallSide; ++y)
            for (int32_t x = 0; x < kBallSide; ++x) {
                float dx = x + 0.5f - radius, dy = y + 0.5f - radius;
                float edge = std::fmin(std::fmax(radius - std::sqrt(dx * dx + dy * dy), 0.0f), 1.0f);
                *image.PixelAt(frame * kBallSide + x, y) = (static_cast<uint32_t>(edge * 255) << 24) | 0x00C08040u;
            }
    return image;
}

// The theme's board with 300 balls laid back from the ends of its lanes half
// a spacing apart, `shift` further along.
std::unique_ptr<Board> BoardWith300(const char* theme, FakeBoardGame& game, BoardMedia& media) {
    if (const char* data = std::getenv("PZ_TEST_DATA")) ResourcePaths::SetDataRoot(data);
    GetRandom().Seed(3);
    std::unique_ptr<Board> board = CreateBoard(theme, game, &media);
    board->Start();
    AddBalls(*board, kBallsDrawn);
    board->titleAlpha = 0;
    return board;
}

void DrawBoard300(benchmark::State& state, const char* theme) {
    Graphics& graphics = GetGraphics();
    graphics.SetResolution(800, 600);
    if (!graphics.Initialize(nullptr)) {
        state.SkipWithError("no software renderer");
        return;
    }
    SpriteStrip strip(BallStrip(), kBallFrames);
    BoardMedia media;
    for (const SpriteStrip*& balls : media.track.balls) balls = &strip;
    FakeBoardGame game;
    std::unique_ptr<Board> board = BoardWith300(theme, game, media);
    // The balls move every frame: the renderer draws nothing for a frame equal to the last.
    float shift = 0;
    for (auto _ : state) {
        state.PauseTiming();
        LayBalls(*board, shift += 1);
        state.ResumeTiming();
        graphics.BeginFrame();
        board->Draw();
        graphics.EndFrame();
        graphics.Present();
    }
    graphics.Shutdown();
}

// Safe mode in a real window (needs an X display, e.g. Xvfb): the Blue board
// with 300 balls that move every frame, drawn at the window's size and shown.
// The clock moves one display refresh per frame, so every frame is presented.
void DrawBoard300InWindow(benchmark::State& state) {
    constexpr uint32_t kRefreshMs = 17;
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no X display");
        return;
    }
    Window window;
    if (!window.Create("bench", 0, 0, static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)))) {
        state.SkipWithError("no window");
        return;
    }
    VirtualClock clock(1);
    SetClock(&clock);
    Graphics& graphics = GetGraphics();
    graphics.SetResolution(800, 600);
    graphics.Settings().safeMode = true;
    graphics.Settings().windowWidth = static_cast<int32_t>(state.range(0));
    graphics.Settings().windowHeight = static_cast<int32_t>(state.range(1));
    if (!graphics.Initialize(&window)) {
        state.SkipWithError("no software renderer");
        SetClock(nullptr);
        return;
    }
    SpriteStrip strip(BallStrip(), kBallFrames);
    BoardMedia media;
    for (const SpriteStrip*& balls : media.track.balls) balls = &strip;
    FakeBoardGame game;
    std::unique_ptr<Board> board = BoardWith300("Blue", game, media);
    float shift = 0;
    for (auto _ : state) {
        state.PauseTiming();
        LayBalls(*board, shift += 1);
        clock.Advance(kRefreshMs);
        state.ResumeTiming();
        graphics.BeginFrame();
        board->Draw();
        graphics.EndFrame();
        graphics.Present();
    }
    state.counters["shown"] = static_cast<double>(GetRenderer().FramesShown());
    graphics.Shutdown();
    SetClock(nullptr);
}
BENCHMARK(DrawBoard300InWindow)->Args({640, 480})->Args({1280, 960})->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(DrawBoard300, Blue, "Blue")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Bees, "Bees")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Lava, "Lava")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Movies, "Movies")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Snail, "Snail")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Snake, "Snake")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Spiral, "Spiral")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Taxman, "Taxman")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Tooth, "Tooth")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Chameleon, "Chameleon")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Cheeze, "Cheeze")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Chrome, "Chrome")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Cosmic, "Cosmic")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Green, "Green")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Technicolor, "Technicolor")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Video, "Video")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Aqua, "Aqua")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Beach, "Beach")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Bobsled, "Bobsled")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Egypt, "Egypt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Forest, "Forest")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Pretzel, "Pretzel")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Spooky, "Spooky")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawBoard300, Surreality, "Surreality")->Unit(benchmark::kMillisecond);
}  // namespace
