#pragma once
// Pixel arithmetic of the software rasterizer: 0xAARRGGBB pixels with
// straight alpha, tinting by an 8-bit colour, bilinear sampling and
// source-over blending.

#include <emmintrin.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/RenderVertex.h"

namespace SoftwarePixels {
constexpr uint32_t kLanes = 0x00FF00FF;  // red and blue, or alpha and green, 16 bits apart

// a * c / 255 for bytes, exact at 0 and 255.
inline uint32_t Scale(uint32_t a, uint32_t c) { return (a * (c + 1)) >> 8; }

// Source over destination with straight alpha; src is 0x00RRGGBB, a 0 .. 255.
inline uint32_t Blend(uint32_t dst, uint32_t src, uint32_t a) {
    if (a == 255) return 0xFF000000u | src;
    uint32_t weight = a + (a >> 7);  // 0 .. 256
    uint32_t keep = 256 - weight;
    uint32_t rb = (((src & kLanes) * weight + (dst & kLanes) * keep) >> 8) & kLanes;
    uint32_t g = (((src & 0xFF00) * weight + (dst & 0xFF00) * keep) >> 8) & 0xFF00;
    uint32_t outA = a + Scale(dst >> 24, 255 - a);
    return (outA << 24) | rb | g;
}

// One texel tinted by the colour (or replaced by it for a silhouette), blended
// over `dst`.
inline uint32_t Shade(uint32_t dst, uint32_t texel, RenderColour c, bool silhouette) {
    uint32_t a = Scale(texel >> 24, c.a);
    if (a == 0) return dst;
    if (silhouette) return Blend(dst, (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b, a);
    uint32_t rgb =
        (Scale((texel >> 16) & 0xFF, c.r) << 16) | (Scale((texel >> 8) & 0xFF, c.g) << 8) | Scale(texel & 0xFF, c.b);
    return Blend(dst, rgb, a);
}

// The texel at (x, y), clamped to the texture's edge.
inline uint32_t Texel(const uint32_t* pixels, int32_t width, int32_t height, int32_t x, int32_t y) {
    x = std::clamp(x, 0, width - 1);
    y = std::clamp(y, 0, height - 1);
    return pixels[static_cast<size_t>(y) * width + x];
}

// Bilinear mix of four texels (a b over c d) with weights fx, fy in 0 .. 256.
inline uint32_t Mix(uint32_t a, uint32_t b, uint32_t c, uint32_t d, uint32_t fx, uint32_t fy) {
    uint32_t gx = 256 - fx, gy = 256 - fy;
    uint32_t topRB = (((a & kLanes) * gx + (b & kLanes) * fx) >> 8) & kLanes;
    uint32_t topAG = ((((a >> 8) & kLanes) * gx + ((b >> 8) & kLanes) * fx) >> 8) & kLanes;
    uint32_t lowRB = (((c & kLanes) * gx + (d & kLanes) * fx) >> 8) & kLanes;
    uint32_t lowAG = ((((c >> 8) & kLanes) * gx + ((d >> 8) & kLanes) * fx) >> 8) & kLanes;
    uint32_t rb = ((topRB * gy + lowRB * fy) >> 8) & kLanes;
    uint32_t ag = ((topAG * gy + lowAG * fy) >> 8) & kLanes;
    return rb | (ag << 8);
}

// count texels blended over out unchanged in colour: runs of four opaque
// texels are copied whole and runs of four clear ones skipped, as
// backgrounds are mostly opaque and frames round the screen mostly clear.
inline void CopyOver(uint32_t* out, const uint32_t* in, int32_t count) {
    const __m128i alphas = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int32_t i = 0;
    for (; i + 4 <= count; i += 4) {
        __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        __m128i alpha = _mm_and_si128(four, alphas);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, alphas)) == 0xFFFF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), four);
        } else if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, _mm_setzero_si128())) != 0xFFFF) {
            for (int32_t k = i; k < i + 4; ++k) out[k] = Blend(out[k], in[k] & 0x00FFFFFFu, in[k] >> 24);
        }
    }
    for (; i < count; ++i) out[i] = Blend(out[i], in[i] & 0x00FFFFFFu, in[i] >> 24);
}

}  // namespace SoftwarePixels
