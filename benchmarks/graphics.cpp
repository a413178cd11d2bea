// Drawing and decoding speed with the software renderer:
//   SoftwareFrame: a full-screen background plus 400 rotated, tinted
//   53-pixel balls from one atlas, per frame (target: under 5 ms median).
//   DecodePng2048: decoding a 2048 x 2048 RGBA PNG.
#include "media/Graphics.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "core/Random.h"
#include "media/Image.h"
#include "media/PngDecoder.h"
#include "media/Sprite.h"
#include "media/TextureAtlas.h"
#include "support/TestPictures.h"

namespace {
constexpr int32_t kBalls = 400;
constexpr int32_t kBallSize = 53;  // pixels: the spacing of balls on a path
constexpr int32_t kAtlasSide = 2048;
constexpr int32_t kPngSide = 2048;

// A shaded disc with a soft edge, like a ball frame.
Image Ball() {
    Image image;
    image.Create(kBallSize, kBallSize);
    float radius = kBallSize * 0.5f;
    for (int32_t y = 0; y < kBallSize; ++y) {
        for (int32_t x = 0; x < kBallSize; ++x) {
            float dx = x + 0.5f - radius, dy = y + 0.5f - radius;
            float edge = std::clamp(radius - std::sqrt(dx * dx + dy * dy), 0.0f, 1.0f);
            uint32_t shade = static_cast<uint32_t>(120 + 120 * (1 - (dx + dy + 2 * radius) / (4 * radius)));
            *image.PixelAt(x, y) = (static_cast<uint32_t>(edge * 255) << 24) | (shade << 16) | (shade << 8) | 255;
        }
    }
    return image;
}

Image Background(int32_t width, int32_t height) {
    Image image;
    image.Create(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            *image.PixelAt(x, y) = 0xFF000000 | ((x & 255) << 16) | ((y & 255) << 8) | ((x ^ y) & 255);
    return image;
}

void SoftwareFrame(benchmark::State& state) {
    Graphics& graphics = GetGraphics();
    graphics.SetResolution(800, 600);
    if (!graphics.Initialize(nullptr)) {
        state.SkipWithError("no software renderer");
        return;
    }
    Sprite background(Background(800, 600));
    TextureAtlas atlas(kAtlasSide, kAtlasSide);
    graphics.SetAtlas(&atlas);
    Sprite ball(Ball());
    graphics.SetAtlas(nullptr);
    struct Placement {
        float x, y, angle, r, g, b;
    };
    std::vector<Placement> balls;
    Random random;
    random.Seed(7);
    for (int32_t i = 0; i < kBalls; ++i)
        balls.push_back({random.NextFloat() * 800, random.NextFloat() * 600, random.NextFloat() * 360,
                         random.NextFloat(), random.NextFloat(), random.NextFloat()});
    for (auto _ : state) {
        graphics.BeginFrame();
        graphics.SetColour(1, 1, 1, 1);
        background.Draw(0, 0);
        // One ball turns every frame: the renderer draws nothing for a frame equal to the last.
        balls[0].angle += 1;
        for (const Placement& p : balls) {
            graphics.SetColour(p.r, p.g, p.b, 1);
            ball.DrawRotatedScaled(p.x, p.y, p.angle, 1);
        }
        graphics.EndFrame();
        graphics.Present();
    }
    graphics.Shutdown();
}
BENCHMARK(SoftwareFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void DecodePng2048(benchmark::State& state) {
    // Artwork-like content: smooth gradients with some noise, so it compresses
    // about as well as a painted picture.
    Image source = Background(kPngSide, kPngSide);
    uint32_t noise = 12345;
    for (uint32_t& pixel : source.mPixels) {
        noise = noise * 1664525u + 1013904223u;  // a plain LCG: only the texture matters here
        pixel ^= (noise >> 16) & 0x070707;
    }
    std::string bytes = TestPictures::Png(source);
    state.counters["file_kib"] = static_cast<double>(bytes.size()) / 1024;
    for (auto _ : state) {
        Image image;
        PngDecoder::Decode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image);
        benchmark::DoNotOptimize(image.mPixels.data());
    }
}
BENCHMARK(DecodePng2048)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}  // namespace
