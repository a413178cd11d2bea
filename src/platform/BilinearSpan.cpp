#include "platform/BilinearSpan.h"

#include <immintrin.h>

#include "platform/SoftwarePixels.h"

namespace {
using namespace SoftwarePixels;

// Every kernel samples the 2 x 2 texels right and below a texel position
// with 16-bit lanes: the vertical mix first, each lane at most 255 * 256,
// then the horizontal one, the tint, and the blend. The alpha lane is
// blended as an opaque source with the same weight as the colour, which is
// "over" for the destination's alpha; so every width gives the very same
// pixels.

// The tint as lanes b g r a, twice: the sample times `scale` over 256, plus
// `add`. A tint scales every channel by the colour (each + 1); a silhouette
// keeps only the alpha, scaled, and takes the colour itself.
struct Tint {
    __m128i scale, add;
};

Tint TintOf(RenderColour c, bool silhouette) {
    auto lanes = [](int b, int g, int r, int a) {
        return _mm_set_epi16(static_cast<short>(a), static_cast<short>(r), static_cast<short>(g), static_cast<short>(b),
                             static_cast<short>(a), static_cast<short>(r), static_cast<short>(g),
                             static_cast<short>(b));
    };
    if (silhouette) return Tint{lanes(0, 0, 0, c.a + 1), lanes(c.b, c.g, c.r, 0)};
    return Tint{lanes(c.b + 1, c.g + 1, c.r + 1, c.a + 1), _mm_setzero_si128()};
}

inline __m128i Tinted(__m128i texel, const Tint& tint) {
    return _mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(texel, tint.scale), 8), tint.add);
}

// a + (b - a) * w / 256 rounded down, for bytes a and b and twice the
// weight, w2 = 2w in 0 .. 512: the difference shifted up by 7 times w2 fits
// the high half of a signed 16-bit product exactly.
inline __m128i Lerp(__m128i a, __m128i b, __m128i w2) {
    return _mm_add_epi16(a, _mm_mulhi_epi16(_mm_slli_epi16(_mm_sub_epi16(b, a), 7), w2));
}

// Source pixels (lanes b g r a, a second pixel in the high half) blended
// over destination pixels of the same layout.
inline __m128i BlendLanes(__m128i src, __m128i dst) {
    __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(src, 0xFF), 0xFF);
    __m128i weight = _mm_add_epi16(alpha, _mm_srli_epi16(alpha, 7));  // 0 .. 256
    return Lerp(dst, _mm_or_si128(src, _mm_set_epi16(255, 0, 0, 0, 255, 0, 0, 0)), _mm_slli_epi16(weight, 1));
}

// Weights 0 .. 255 as doubled 16-bit lanes for Lerp: w0 in the low four, w1
// in the high four.
inline __m128i PairWeights(uint32_t w0, uint32_t w1) {
    __m128i both = _mm_cvtsi32_si128(static_cast<int>((w0 | (w1 << 16)) << 1));
    return _mm_shuffle_epi32(_mm_shufflelo_epi16(both, 0x50), 0x50);
}

inline uint32_t Fraction(int64_t position) { return static_cast<uint32_t>(position >> 8) & 0xFF; }
inline int32_t Whole(int64_t position) { return static_cast<int32_t>(position >> 16); }

// Two pixels whose texel squares start at p0 and p1.
inline void ShadePair(const uint32_t* p0, const uint32_t* p1, int32_t pitch, __m128i fx, __m128i fy, const Tint& tint,
                      uint32_t* out) {
    const __m128i zero = _mm_setzero_si128();
    __m128i top0 = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p0));
    __m128i low0 = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p0 + pitch));
    __m128i top1 = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p1));
    __m128i low1 = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p1 + pitch));
    __m128i any = _mm_or_si128(_mm_or_si128(top0, low0), _mm_or_si128(top1, low1));
    if ((_mm_movemask_epi8(_mm_cmpeq_epi8(any, zero)) & 0x88) == 0x88) return;  // clear all round
    __m128i column0 = Lerp(_mm_unpacklo_epi8(top0, zero), _mm_unpacklo_epi8(low0, zero), _mm_unpacklo_epi64(fy, fy));
    __m128i column1 = Lerp(_mm_unpacklo_epi8(top1, zero), _mm_unpacklo_epi8(low1, zero), _mm_unpackhi_epi64(fy, fy));
    __m128i texel = Lerp(_mm_unpacklo_epi64(column0, column1), _mm_unpackhi_epi64(column0, column1), fx);
    __m128i src = Tinted(texel, tint);
    __m128i dst = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(out)), zero);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(BlendLanes(src, dst), zero));
}

bool Inside(const BilinearSpan& span, int32_t tx, int32_t ty) {
    return static_cast<uint32_t>(tx) < static_cast<uint32_t>(span.width - 1) &&
           static_cast<uint32_t>(ty) < static_cast<uint32_t>(span.height - 1);
}

// Pixel i of the span, whatever its position: texels beyond an edge are the
// edge's.
void ShadeOne(const BilinearSpan& span, int32_t i, const Tint& tint) {
    int64_t u = span.u + span.stepU * i, v = span.v + span.stepV * i;
    int32_t tx = Whole(u), ty = Whole(v);
    uint32_t* out = span.out + i;
    if (Inside(span, tx, ty)) {
        const uint32_t* p = span.texels + static_cast<size_t>(ty) * span.width + tx;
        // The pair kernel with both pixels the same; only the first is kept.
        uint32_t two[2] = {*out, *out};
        ShadePair(p, p, span.width, PairWeights(Fraction(u), Fraction(u)), PairWeights(Fraction(v), Fraction(v)), tint,
                  two);
        *out = two[0];
        return;
    }
    auto at = [&](int32_t x, int32_t y) { return Texel(span.texels, span.width, span.height, x, y); };
    *out = Shade(*out, Mix(at(tx, ty), at(tx + 1, ty), at(tx, ty + 1), at(tx + 1, ty + 1), Fraction(u), Fraction(v)),
                 span.colour, span.silhouette);
}

// The four-pixel kernel and its helpers are built for AVX2 alone and run
// only after the processor was asked.
#define AVX2_KERNEL __attribute__((target("avx2")))

// Each pixel's fraction of its 16.16 position, doubled for Lerp, repeated
// over its four channels: pixels 0, 1 | 2, 3.
AVX2_KERNEL inline __m256i SpreadFractions(__m128i positions) {
    __m128i fraction = _mm_and_si128(_mm_srli_epi32(positions, 7), _mm_set1_epi32(0x1FE));
    __m256i wide = _mm256_cvtepu32_epi64(_mm_or_si128(fraction, _mm_slli_epi32(fraction, 16)));
    return _mm256_or_si256(wide, _mm256_slli_epi64(wide, 32));
}

AVX2_KERNEL inline __m256i Lerp(__m256i a, __m256i b, __m256i w2) {
    return _mm256_add_epi16(a, _mm256_mulhi_epi16(_mm256_slli_epi16(_mm256_sub_epi16(b, a), 7), w2));
}

// The texel pairs at four offsets, as bytes of pixels 0, 1 | 2, 3.
AVX2_KERNEL inline __m256i TexelPairs(const uint32_t* texels, const int32_t index[4]) {
    auto pair = [texels, index](int32_t k) {
        return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(texels + index[k]));
    };
    return _mm256_set_m128i(_mm_unpacklo_epi64(pair(2), pair(3)), _mm_unpacklo_epi64(pair(0), pair(1)));
}

// Whether the texel squares of four pixels at positions u and v all lie
// inside the texture.
AVX2_KERNEL inline bool FourInside(const BilinearSpan& span, __m128i u, __m128i v) {
    __m128i tx = _mm_srai_epi32(u, 16), ty = _mm_srai_epi32(v, 16);
    const __m128i below = _mm_set1_epi32(-1);
    __m128i inside =
        _mm_and_si128(_mm_and_si128(_mm_cmpgt_epi32(tx, below), _mm_cmpgt_epi32(_mm_set1_epi32(span.width - 1), tx)),
                      _mm_and_si128(_mm_cmpgt_epi32(ty, below), _mm_cmpgt_epi32(_mm_set1_epi32(span.height - 1), ty)));
    return _mm_movemask_epi8(inside) == 0xFFFF;
}

// Four pixels starting at pixel i, at texel positions u and v, all inside
// the texture (FourInside).
AVX2_KERNEL void ShadeFour(const BilinearSpan& span, int32_t i, __m128i u, __m128i v, const Tint& tint) {
    // Rows and widths stay below 32768 (RenderTexture::kMaxSide), so one
    // 16-bit multiply-add gives row * width.
    alignas(16) int32_t index[4];
    _mm_store_si128(
        reinterpret_cast<__m128i*>(index),
        _mm_add_epi32(_mm_madd_epi16(_mm_srai_epi32(v, 16), _mm_set1_epi32(span.width)), _mm_srai_epi32(u, 16)));
    __m256i top = TexelPairs(span.texels, index);
    __m256i low = TexelPairs(span.texels + span.width, index);
    const __m256i zero = _mm256_setzero_si256();
    __m256i clear = _mm256_cmpeq_epi8(_mm256_or_si256(top, low), zero);
    if ((static_cast<uint32_t>(_mm256_movemask_epi8(clear)) & 0x88888888u) == 0x88888888u) return;
    __m256i fx = SpreadFractions(u), fy = SpreadFractions(v);
    // Unpacking works within 128-bit halves: pixels 0 | 2 low, 1 | 3 high.
    __m256i column02 =
        Lerp(_mm256_unpacklo_epi8(top, zero), _mm256_unpacklo_epi8(low, zero), _mm256_unpacklo_epi64(fy, fy));
    __m256i column13 =
        Lerp(_mm256_unpackhi_epi8(top, zero), _mm256_unpackhi_epi8(low, zero), _mm256_unpackhi_epi64(fy, fy));
    __m256i texel = Lerp(_mm256_unpacklo_epi64(column02, column13), _mm256_unpackhi_epi64(column02, column13), fx);
    __m256i src =
        _mm256_add_epi16(_mm256_srli_epi16(_mm256_mullo_epi16(texel, _mm256_broadcastsi128_si256(tint.scale)), 8),
                         _mm256_broadcastsi128_si256(tint.add));
    __m256i alpha = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(src, 0xFF), 0xFF);
    __m256i weight = _mm256_add_epi16(alpha, _mm256_srli_epi16(alpha, 7));
    src = _mm256_or_si256(src, _mm256_set1_epi64x(int64_t{255} << 48));
    uint32_t* out = span.out + i;
    __m256i dst = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(out)));
    __m256i mixed = Lerp(dst, src, _mm256_slli_epi16(weight, 1));
    __m256i packed = _mm256_permute4x64_epi64(_mm256_packus_epi16(mixed, zero), 0x08);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(packed));
}
}  // namespace

void DrawBilinearSpanOneByOne(const BilinearSpan& span) {
    const Tint tint = TintOf(span.colour, span.silhouette);
    for (int32_t i = 0; i < span.count; ++i) ShadeOne(span, i, tint);
}

void DrawBilinearSpanInPairs(const BilinearSpan& span) {
    const Tint tint = TintOf(span.colour, span.silhouette);
    int32_t i = 0;
    for (; i + 1 < span.count; i += 2) {
        int64_t u0 = span.u + span.stepU * i, v0 = span.v + span.stepV * i;
        int64_t u1 = u0 + span.stepU, v1 = v0 + span.stepV;
        if (!Inside(span, Whole(u0), Whole(v0)) || !Inside(span, Whole(u1), Whole(v1))) {
            ShadeOne(span, i, tint);
            ShadeOne(span, i + 1, tint);
            continue;
        }
        ShadePair(span.texels + static_cast<size_t>(Whole(v0)) * span.width + Whole(u0),
                  span.texels + static_cast<size_t>(Whole(v1)) * span.width + Whole(u1), span.width,
                  PairWeights(Fraction(u0), Fraction(u1)), PairWeights(Fraction(v0), Fraction(v1)), tint, span.out + i);
    }
    for (; i < span.count; ++i) ShadeOne(span, i, tint);
}

AVX2_KERNEL void DrawBilinearSpanInFours(const BilinearSpan& span) {
    const Tint tint = TintOf(span.colour, span.silhouette);
    // Positions fit 32 bits (see BilinearSpan).
    const __m128i steps = _mm_set_epi32(3, 2, 1, 0);
    __m128i u = _mm_add_epi32(_mm_set1_epi32(static_cast<int>(span.u)),
                              _mm_mullo_epi32(steps, _mm_set1_epi32(static_cast<int>(span.stepU))));
    __m128i v = _mm_add_epi32(_mm_set1_epi32(static_cast<int>(span.v)),
                              _mm_mullo_epi32(steps, _mm_set1_epi32(static_cast<int>(span.stepV))));
    const __m128i fourStepsU = _mm_set1_epi32(static_cast<int>(span.stepU * 4));
    const __m128i fourStepsV = _mm_set1_epi32(static_cast<int>(span.stepV * 4));
    // Positions run in a line: when both ends are inside, so is all between.
    const int64_t lastU = span.u + span.stepU * (span.count - 1), lastV = span.v + span.stepV * (span.count - 1);
    const bool allInside =
        span.count > 0 && Inside(span, Whole(span.u), Whole(span.v)) && Inside(span, Whole(lastU), Whole(lastV));
    int32_t i = 0;
    for (; i + 3 < span.count; i += 4, u = _mm_add_epi32(u, fourStepsU), v = _mm_add_epi32(v, fourStepsV)) {
        if (allInside || FourInside(span, u, v)) {
            ShadeFour(span, i, u, v, tint);
            continue;
        }
        for (int32_t k = i; k < i + 4; ++k) ShadeOne(span, k, tint);
    }
    for (; i < span.count; ++i) ShadeOne(span, i, tint);
}

bool ProcessorHasAvx2() {
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    return hasAvx2;
}

void DrawBilinearSpan(const BilinearSpan& span) {
    if (ProcessorHasAvx2()) {
        DrawBilinearSpanInFours(span);
    } else {
        DrawBilinearSpanInPairs(span);
    }
}
