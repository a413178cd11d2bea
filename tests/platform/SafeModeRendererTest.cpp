// The software renderer drawing straight at the device size, its paced and
// skipped presents, and its read-back at the logical size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Renderer.h"
#include "platform/Window.h"

namespace {
constexpr int32_t kLogicalWidth = 800, kLogicalHeight = 600;
constexpr int32_t kDeviceWidth = 640, kDeviceHeight = 480;
constexpr int32_t kBall = 53;

struct Scene {
    std::unique_ptr<RenderTexture> background = std::make_unique<RenderTexture>(kLogicalWidth, kLogicalHeight);
    std::unique_ptr<RenderTexture> ball = std::make_unique<RenderTexture>(kBall, kBall);
    std::unique_ptr<RenderTexture> glyph = std::make_unique<RenderTexture>(9, 12);

    Scene() {
        std::vector<uint32_t> pixels(static_cast<size_t>(kLogicalWidth) * kLogicalHeight);
        for (int32_t y = 0; y < kLogicalHeight; ++y)
            for (int32_t x = 0; x < kLogicalWidth; ++x)
                pixels[static_cast<size_t>(y) * kLogicalWidth + x] =
                    0xFF000000u | static_cast<uint32_t>(x * 255 / kLogicalWidth) << 16 |
                    static_cast<uint32_t>(y * 255 / kLogicalHeight) << 8 | 0x60;
        background->Write(0, 0, kLogicalWidth, kLogicalHeight, pixels.data(), kLogicalWidth);
        // A shaded disc with a soft edge.
        std::vector<uint32_t> disc(kBall * kBall);
        float radius = kBall * 0.5f;
        for (int32_t y = 0; y < kBall; ++y)
            for (int32_t x = 0; x < kBall; ++x) {
                float dx = x + 0.5f - radius, dy = y + 0.5f - radius;
                float edge = std::clamp(radius - std::sqrt(dx * dx + dy * dy), 0.0f, 1.0f);
                auto shade = static_cast<uint32_t>(100 + 150 * (x + y) / (2 * kBall));
                disc[y * kBall + x] = static_cast<uint32_t>(edge * 255) << 24 | shade << 16 | shade << 8 | shade;
            }
        ball->Write(0, 0, kBall, kBall, disc.data(), kBall);
        // A one-pixel-stroke letter, the hardest case for scaling.
        std::vector<uint32_t> letter(9 * 12, 0);
        for (int32_t y = 1; y < 11; ++y) letter[y * 9 + 1] = letter[y * 9 + 7] = 0xFFFFFFFF;
        for (int32_t x = 1; x < 8; ++x) letter[5 * 9 + x] = 0xFFFFFFFF;
        glyph->Write(0, 0, 9, 12, letter.data(), 9);
    }

    static void Quad(RenderVertex out[4], float x, float y, float w, float h, float angle, float tw, float th) {
        float c = std::cos(angle), s = std::sin(angle);
        const float corners[4][2] = {{-w / 2, -h / 2}, {w / 2, -h / 2}, {w / 2, h / 2}, {-w / 2, h / 2}};
        const float texels[4][2] = {{0, 0}, {tw, 0}, {tw, th}, {0, th}};
        for (int i = 0; i < 4; ++i)
            out[i] = RenderVertex{x + corners[i][0] * c - corners[i][1] * s, y + corners[i][0] * s + corners[i][1] * c,
                                  texels[i][0], texels[i][1]};
    }

    void Draw(Renderer& renderer, int32_t frame) const {
        renderer.BeginFrame();
        RenderVertex quad[4];
        Quad(quad, 400, 300, kLogicalWidth, kLogicalHeight, 0, kLogicalWidth, kLogicalHeight);
        renderer.DrawQuad(*background, quad, RenderColour{}, false, true);
        for (int32_t i = 0; i < 40; ++i) {
            Quad(quad, 60.0f + (i % 10) * 75 + frame, 80.0f + (i / 10) * 120, kBall, kBall, 0.37f * i, kBall, kBall);
            RenderColour tint{static_cast<uint8_t>(255 - i * 5), static_cast<uint8_t>(128 + i * 3), 200, 255};
            renderer.DrawQuad(*ball, quad, tint, false, true);
        }
        renderer.SetClip(100, 500, 600, 60);
        for (int32_t i = 0; i < 30; ++i) {
            Quad(quad, 110.0f + i * 20, 530, 18, 24, 0, 9, 12);
            renderer.DrawQuad(*glyph, quad, RenderColour{255, 255, 0, 255}, false, true);
        }
        renderer.ClearClip();
        Quad(quad, 400, 40, 700, 50, 0, 0, 0);
        renderer.FillQuad(quad, RenderColour{0, 0, 0, 128});
        Quad(quad, 700, 300, kBall * 2, kBall * 2, 0.2f, kBall, kBall);
        renderer.DrawQuad(*ball, quad, RenderColour{255, 255, 255, 255}, true, true);
        renderer.Present();
    }
};

// The logical frame scaled down by the area each device pixel covers.
std::vector<uint32_t> AreaScaled(const std::vector<uint32_t>& logical) {
    std::vector<uint32_t> out(static_cast<size_t>(kDeviceWidth) * kDeviceHeight);
    const double step = static_cast<double>(kLogicalWidth) / kDeviceWidth;
    for (int32_t y = 0; y < kDeviceHeight; ++y)
        for (int32_t x = 0; x < kDeviceWidth; ++x) {
            double sums[3] = {0, 0, 0}, total = 0;
            for (int32_t sy = static_cast<int32_t>(y * step); sy < std::ceil((y + 1) * step); ++sy)
                for (int32_t sx = static_cast<int32_t>(x * step); sx < std::ceil((x + 1) * step); ++sx) {
                    double wx = std::min<double>(sx + 1, (x + 1) * step) - std::max<double>(sx, x * step);
                    double wy = std::min<double>(sy + 1, (y + 1) * step) - std::max<double>(sy, y * step);
                    uint32_t p = logical[static_cast<size_t>(sy) * kLogicalWidth + sx];
                    for (int c = 0; c < 3; ++c) sums[c] += wx * wy * ((p >> (16 - 8 * c)) & 0xFF);
                    total += wx * wy;
                }
            uint32_t pixel = 0xFF000000u;
            for (int c = 0; c < 3; ++c) pixel |= static_cast<uint32_t>(std::lround(sums[c] / total)) << (16 - 8 * c);
            out[static_cast<size_t>(y) * kDeviceWidth + x] = pixel;
        }
    return out;
}

TEST(SafeModeRenderer, FrameDrawnAtTheDeviceSizeMatchesTheLogicalFrameScaledDown) {
    Scene scene;
    Renderer& renderer = GetRenderer();
    RendererSettings settings;
    ASSERT_TRUE(renderer.Open(nullptr, settings));
    scene.Draw(renderer, 0);
    std::vector<uint32_t> logical, device;
    int32_t width = 0, height = 0;
    ASSERT_TRUE(renderer.ReadPixels(logical, width, height));
    settings.deviceWidth = kDeviceWidth;
    settings.deviceHeight = kDeviceHeight;
    ASSERT_TRUE(renderer.Open(nullptr, settings));
    scene.Draw(renderer, 0);
    ASSERT_TRUE(renderer.ReadDevicePixels(device, width, height));
    ASSERT_EQ(width, kDeviceWidth);
    ASSERT_EQ(height, kDeviceHeight);
    std::vector<uint32_t> expected = AreaScaled(logical);
    // Edges of turned balls, strokes and alpha differ a little between
    // sampling once at the device size and averaging the logical picture.
    double sum = 0;
    int32_t far = 0;
    constexpr int kFarApart = 64;  // of 255, in any channel
    for (size_t i = 0; i < device.size(); ++i) {
        int worst = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            int difference = std::abs(static_cast<int>((device[i] >> shift) & 0xFF) -
                                      static_cast<int>((expected[i] >> shift) & 0xFF));
            sum += difference;
            worst = std::max(worst, difference);
        }
        far += worst > kFarApart ? 1 : 0;
    }
    double mean = sum / (3.0 * device.size());
    EXPECT_LT(mean, 2.0);
    EXPECT_LT(far, static_cast<int32_t>(device.size() / 200)) << "pixels far apart";
    // The logical read-back of the device-size renderer is the logical picture itself.
    std::vector<uint32_t> readBack;
    ASSERT_TRUE(renderer.ReadPixels(readBack, width, height));
    EXPECT_TRUE(readBack == logical);
    renderer.Close();
}

TEST(SafeModeRenderer, WindowShowsAtMostOneFramePerRefreshAndNoneUnchanged) {
    SetHeadless(true);  // SDL's dummy video driver: a window with a surface, nothing on screen
    VirtualClock clock(1000);
    SetClock(&clock);
    Window window;
    ASSERT_TRUE(window.Create("test", 0, 0, kDeviceWidth, kDeviceHeight));
    Scene scene;
    Renderer& renderer = GetRenderer();
    RendererSettings settings;
    settings.kind = RendererKind::Software;
    settings.deviceWidth = kDeviceWidth;
    settings.deviceHeight = kDeviceHeight;
    ASSERT_TRUE(renderer.Open(&window, settings));
    const int64_t refresh = renderer.RefreshRate();
    scene.Draw(renderer, 0);
    int64_t first = renderer.FramesShown();
    EXPECT_GE(first, 1);
    // The same frame again, a second later: nothing to show.
    for (int i = 0; i < 100; ++i) {
        clock.Advance(10);
        scene.Draw(renderer, 0);
    }
    EXPECT_EQ(renderer.FramesShown(), first);
    // A changing frame every 10 ms for a second: one per refresh.
    for (int i = 1; i <= 100; ++i) {
        clock.Advance(10);
        scene.Draw(renderer, i);
    }
    int64_t shown = renderer.FramesShown() - first;
    EXPECT_LE(shown, refresh + 1);
    EXPECT_GE(shown, refresh - 1);
    renderer.Close();
    SetClock(nullptr);
}
}  // namespace
