#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/Random.h"
#include "platform/BilinearSpan.h"

namespace {
constexpr int32_t kTextureSide = 24;
constexpr int32_t kSpanLength = 37;  // odd, so every kernel has a tail
// The kernels round down in each of their four fixed-point steps (two
// sampling mixes, the tint, the blend): they may fall short by that much.
constexpr int kRoundingSteps = 4;

uint32_t Below(Random& random, int32_t n) { return static_cast<uint32_t>(random.Next(n)); }

// A texture with clear, half-clear and opaque patches.
std::vector<uint32_t> MixedTexture(Random& random) {
    std::vector<uint32_t> texels(kTextureSide * kTextureSide);
    for (uint32_t& texel : texels) {
        uint32_t alpha = Below(random, 3) == 0 ? 0 : Below(random, 256);
        texel = (alpha << 24) | (Below(random, 0x1000000) & 0xFFFFFF);
    }
    return texels;
}

// A span through the texture: anywhere from well inside to past its edges,
// at any step (turned, enlarged or shrunk).
BilinearSpan RandomSpan(Random& random, const std::vector<uint32_t>& texels, uint32_t* out) {
    auto position = [&](float from, float to) {
        return static_cast<int64_t>((from + random.NextFloat() * (to - from)) * 65536);
    };
    BilinearSpan span;
    span.texels = texels.data();
    span.width = kTextureSide;
    span.height = kTextureSide;
    span.u = position(-3, kTextureSide + 2);
    span.v = position(-3, kTextureSide + 2);
    span.stepU = position(-1.5f, 1.5f);
    span.stepV = position(-1.5f, 1.5f) / 4;
    span.colour = RenderColour{static_cast<uint8_t>(Below(random, 256)), static_cast<uint8_t>(Below(random, 256)),
                               static_cast<uint8_t>(Below(random, 256)), static_cast<uint8_t>(Below(random, 256))};
    span.silhouette = Below(random, 2) == 1;
    span.out = out;
    span.count = kSpanLength;
    return span;
}

std::vector<uint32_t> RandomFrame(Random& random) {
    std::vector<uint32_t> frame(kSpanLength);
    for (uint32_t& pixel : frame) pixel = (Below(random, 256) << 24) | Below(random, 0x1000000);
    return frame;
}

using Kernel = void (*)(const BilinearSpan&);

std::vector<uint32_t> Drawn(Kernel kernel, BilinearSpan span, std::vector<uint32_t> frame) {
    span.out = frame.data();
    kernel(span);
    return frame;
}

// Straight from the definition, in floating point: the clamped bilinear
// sample, tinted (or replaced by the colour for a silhouette), then source
// over destination.
uint32_t Reference(const BilinearSpan& span, int32_t i, uint32_t dst) {
    double u = static_cast<double>(span.u + span.stepU * i) / 65536;
    double v = static_cast<double>(span.v + span.stepV * i) / 65536;
    double x0 = std::floor(u), y0 = std::floor(v), fx = u - x0, fy = v - y0;
    auto channel = [&](int32_t x, int32_t y, int shift) {
        x = std::clamp(x, 0, span.width - 1);
        y = std::clamp(y, 0, span.height - 1);
        return static_cast<double>((span.texels[y * span.width + x] >> shift) & 0xFF);
    };
    auto sample = [&](int shift) {
        auto x = static_cast<int32_t>(x0), y = static_cast<int32_t>(y0);
        return (channel(x, y, shift) * (1 - fx) + channel(x + 1, y, shift) * fx) * (1 - fy) +
               (channel(x, y + 1, shift) * (1 - fx) + channel(x + 1, y + 1, shift) * fx) * fy;
    };
    double alpha = sample(24) * span.colour.a / 255 / 255;
    const double colour[3] = {static_cast<double>(span.colour.b), static_cast<double>(span.colour.g),
                              static_cast<double>(span.colour.r)};
    uint32_t result = 0;
    for (int c = 0; c < 3; ++c) {
        // A silhouette takes the colour itself; else the colour tints the texels.
        double source = span.silhouette ? colour[c] : sample(8 * c) * colour[c] / 255;
        double mixed = source * alpha + ((dst >> (8 * c)) & 0xFF) * (1 - alpha);
        result |= static_cast<uint32_t>(std::lround(mixed)) << (8 * c);
    }
    double outAlpha = 255 * alpha + (dst >> 24) * (1 - alpha);
    return result | static_cast<uint32_t>(std::lround(outAlpha)) << 24;
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}
}  // namespace

TEST(BilinearSpan, EveryKernelWidthDrawsTheSamePixels) {
    Random random;
    random.Seed(11);
    std::vector<Kernel> wider = {DrawBilinearSpanInPairs};
    if (ProcessorHasAvx2()) wider.push_back(DrawBilinearSpanInFours);
    for (int trial = 0; trial < 500; ++trial) {
        std::vector<uint32_t> texels = MixedTexture(random);
        std::vector<uint32_t> frame = RandomFrame(random);
        BilinearSpan span = RandomSpan(random, texels, frame.data());
        std::vector<uint32_t> expected = Drawn(DrawBilinearSpanOneByOne, span, frame);
        for (Kernel kernel : wider) ASSERT_EQ(Drawn(kernel, span, frame), expected) << "trial " << trial;
        ASSERT_EQ(Drawn(DrawBilinearSpan, span, frame), expected) << "trial " << trial;
    }
}

TEST(BilinearSpan, SamplesTintsAndBlendsLikeTheDefinition) {
    Random random;
    random.Seed(5);
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<uint32_t> texels = MixedTexture(random);
        std::vector<uint32_t> frame = RandomFrame(random);
        BilinearSpan span = RandomSpan(random, texels, frame.data());
        std::vector<uint32_t> drawn = Drawn(DrawBilinearSpan, span, frame);
        for (int32_t i = 0; i < span.count; ++i) {
            uint32_t expected = Reference(span, i, frame[i]);
            ASSERT_TRUE(Near(drawn[i], expected, kRoundingSteps))
                << "trial " << trial << " pixel " << i << std::hex << ": " << drawn[i] << " against " << expected;
        }
    }
}

TEST(BilinearSpan, ClearTexelsLeaveTheFrameUntouched) {
    std::vector<uint32_t> texels(kTextureSide * kTextureSide, 0x00FFFFFFu);
    std::vector<uint32_t> frame(kSpanLength, 0x80123456u);
    BilinearSpan span;
    span.texels = texels.data();
    span.width = span.height = kTextureSide;
    span.u = 65536;
    span.v = 2 * 65536;
    span.stepU = 30000;
    span.stepV = 1000;
    span.count = kSpanLength;
    EXPECT_EQ(Drawn(DrawBilinearSpan, span, frame), frame);
}
