#include "platform/SoftwareRasterizer.h"

#include <emmintrin.h>

#include <algorithm>
#include <cmath>

namespace {
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

// One texel tinted by the colour (or replaced by it for a silhouette), blended over `dst`.
inline uint32_t Shade(uint32_t dst, uint32_t texel, RenderColour c, bool silhouette) {
    uint32_t a = Scale(texel >> 24, c.a);
    if (a == 0) return dst;
    if (silhouette) return Blend(dst, (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b, a);
    uint32_t rgb = (Scale((texel >> 16) & 0xFF, c.r) << 16) | (Scale((texel >> 8) & 0xFF, c.g) << 8) |
                   Scale(texel & 0xFF, c.b);
    return Blend(dst, rgb, a);
}

// The texel at (x, y), clamped to the texture's edge.
inline uint32_t Texel(const SoftwareRasterizer::Source& source, int32_t x, int32_t y) {
    x = std::clamp(x, 0, source.width - 1);
    y = std::clamp(y, 0, source.height - 1);
    return source.pixels[static_cast<size_t>(y) * source.width + x];
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

// The bilinear sample of the 2 x 2 texels at p (weights fx, fy in 0 .. 255
// towards the right and lower texels), tinted by `tint` (each channel + 1, as
// 16-bit lanes b, g, r, a) and blended over `dst`. SSE2, one pixel per call:
// the hot loop of every turned or scaled sprite.
inline uint32_t ShadeBilinear(const uint32_t* p, int32_t pitch, uint32_t fx, uint32_t fy, __m128i tint,
                              uint32_t dst) {
    const __m128i zero = _mm_setzero_si128();
    __m128i top = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), zero);
    __m128i low = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + pitch)), zero);
    short gx = static_cast<short>(256 - fx), wx = static_cast<short>(fx);
    short gy = static_cast<short>(256 - fy), wy = static_cast<short>(fy);
    // Vertical first: each lane is at most 255 * 256.
    __m128i column = _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(top, _mm_set1_epi16(gy)), _mm_mullo_epi16(low, _mm_set1_epi16(wy))), 8);
    column = _mm_mullo_epi16(column, _mm_set_epi16(wx, wx, wx, wx, gx, gx, gx, gx));
    __m128i texel = _mm_srli_epi16(_mm_add_epi16(column, _mm_srli_si128(column, 8)), 8);
    __m128i src = _mm_srli_epi16(_mm_mullo_epi16(texel, tint), 8);  // tinted, lanes b g r a
    uint32_t a = static_cast<uint32_t>(_mm_extract_epi16(src, 3));
    if (a == 0) return dst;
    uint32_t weight = a + (a >> 7);
    __m128i d = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(dst)), zero);
    __m128i mixed = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(src, _mm_set1_epi16(static_cast<short>(weight))),
                                                 _mm_mullo_epi16(d, _mm_set1_epi16(static_cast<short>(256 - weight)))),
                                   8);
    uint32_t rgb = static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(mixed, zero))) & 0x00FFFFFFu;
    uint32_t outA = a + Scale(dst >> 24, 255 - a);
    return (outA << 24) | rgb;
}

// Coordinates far outside the frame are cut before conversion to integers.
constexpr float kFar = 1.0e6f;

bool AllFinite(const RenderVertex corners[4]) {
    for (int i = 0; i < 4; ++i)
        if (!std::isfinite(corners[i].x) || !std::isfinite(corners[i].y) || !std::isfinite(corners[i].u) ||
            !std::isfinite(corners[i].v))
            return false;
    return true;
}
}  // namespace

void SoftwareRasterizer::Resize(int32_t width, int32_t height) {
    mWidth = std::max(width, 1);
    mHeight = std::max(height, 1);
    mPixels.assign(static_cast<size_t>(mWidth) * mHeight, 0xFF000000u);
    ClearClip();
}

void SoftwareRasterizer::Clear(uint32_t pixel) { std::fill(mPixels.begin(), mPixels.end(), pixel); }

void SoftwareRasterizer::SetClip(int32_t x, int32_t y, int32_t width, int32_t height) {
    mClipLeft = std::clamp(x, 0, mWidth);
    mClipTop = std::clamp(y, 0, mHeight);
    mClipRight = std::clamp(x + std::max(width, 0), mClipLeft, mWidth);
    mClipBottom = std::clamp(y + std::max(height, 0), mClipTop, mHeight);
}

template <class Draw>
void SoftwareRasterizer::Rasterize(const RenderVertex corners[4], float& dsdx, float& dtdx, Draw draw) {
    // Quad coordinates: point = P0 + s * (P1 - P0) + t * (P3 - P0).
    float e1x = corners[1].x - corners[0].x, e1y = corners[1].y - corners[0].y;
    float e2x = corners[3].x - corners[0].x, e2y = corners[3].y - corners[0].y;
    float det = e1x * e2y - e1y * e2x;
    if (!std::isfinite(det) || std::fabs(det) < 1e-6f) return;
    dsdx = e2y / det;
    dtdx = -e1y / det;
    float top = std::min({corners[0].y, corners[1].y, corners[2].y, corners[3].y});
    float bottom = std::max({corners[0].y, corners[1].y, corners[2].y, corners[3].y});
    int32_t firstRow = std::max(mClipTop, static_cast<int32_t>(std::floor(std::clamp(top, -kFar, kFar))));
    int32_t lastRow = std::min(mClipBottom, static_cast<int32_t>(std::ceil(std::clamp(bottom, -kFar, kFar))));
    for (int32_t y = firstRow; y < lastRow; ++y) {
        float dy = static_cast<float>(y) + 0.5f - corners[0].y;
        // s and t at x = 0 (pixel centres are at x + 0.5).
        float s0 = (-corners[0].x * e2y - dy * e2x) / det;
        float t0 = (e1x * dy + corners[0].x * e1y) / det;
        float lo = -kFar, hi = kFar;
        auto limit = [&](float start, float step) {
            // start + step * xc in [0, 1)
            if (step == 0) {
                if (start < 0 || start >= 1) hi = lo;
                return;
            }
            float a = -start / step, b = (1 - start) / step;
            lo = std::max(lo, std::min(a, b));
            hi = std::min(hi, std::max(a, b));
        };
        limit(s0, dsdx);
        limit(t0, dtdx);
        if (!(hi > lo)) continue;
        int32_t left = std::max(mClipLeft, static_cast<int32_t>(std::ceil(lo - 0.5f)));
        int32_t right = std::min(mClipRight, static_cast<int32_t>(std::ceil(hi - 0.5f)));
        if (left >= right) continue;
        float xc = static_cast<float>(left) + 0.5f;
        draw(Span{y, left, right, s0 + dsdx * xc, t0 + dtdx * xc});
    }
}

bool SoftwareRasterizer::DrawAligned(const Source& source, const RenderVertex corners[4], RenderColour colour,
                                     bool silhouette) {
    // An unturned, unscaled quad on whole pixels and whole texels: a plain copy.
    const RenderVertex& a = corners[0];
    const RenderVertex& c = corners[2];
    float width = c.x - a.x, height = c.y - a.y;
    if (corners[1].y != a.y || corners[3].x != a.x || corners[1].x != c.x || corners[3].y != c.y) return false;
    if (c.u - a.u != width || c.v - a.v != height || corners[1].v != a.v || corners[3].u != a.u) return false;
    if (a.x != std::floor(a.x) || a.y != std::floor(a.y) || a.u != std::floor(a.u) || a.v != std::floor(a.v) ||
        width != std::floor(width) || height != std::floor(height) || std::fabs(a.x) > kFar || std::fabs(a.y) > kFar ||
        width <= 0 || height <= 0 || width > kFar || height > kFar)
        return false;
    int32_t x0 = static_cast<int32_t>(a.x), y0 = static_cast<int32_t>(a.y);
    int32_t u0 = static_cast<int32_t>(a.u), v0 = static_cast<int32_t>(a.v);
    int32_t left = std::max(mClipLeft, x0), right = std::min(mClipRight, x0 + static_cast<int32_t>(width));
    int32_t top = std::max(mClipTop, y0), bottom = std::min(mClipBottom, y0 + static_cast<int32_t>(height));
    bool plain = !silhouette && colour.r == 255 && colour.g == 255 && colour.b == 255 && colour.a == 255;
    for (int32_t y = top; y < bottom; ++y) {
        uint32_t* out = &mPixels[static_cast<size_t>(y) * mWidth];
        for (int32_t x = left; x < right; ++x) {
            uint32_t texel = Texel(source, u0 + x - x0, v0 + y - y0);
            if (plain && (texel >> 24) == 255) {
                out[x] = texel;
            } else {
                out[x] = Shade(out[x], texel, colour, silhouette);
            }
        }
    }
    return true;
}

void SoftwareRasterizer::DrawQuad(const Source& source, const RenderVertex corners[4], RenderColour colour,
                                  bool silhouette, bool linear) {
    if (!source.pixels || source.width <= 0 || source.height <= 0 || colour.a == 0 || !AllFinite(corners)) return;
    if (DrawAligned(source, corners, colour, silhouette)) return;
    float dsdx = 0, dtdx = 0;
    float uS = corners[1].u - corners[0].u, uT = corners[3].u - corners[0].u;
    float vS = corners[1].v - corners[0].v, vT = corners[3].v - corners[0].v;
    Rasterize(corners, dsdx, dtdx, [&](const Span& span) {
        float dudx = dsdx * uS + dtdx * uT, dvdx = dsdx * vS + dtdx * vT;
        float u = corners[0].u + span.s * uS + span.t * uT;
        float v = corners[0].v + span.s * vS + span.t * vT;
        if (linear) {
            // Texel centres sit at half coordinates.
            u -= 0.5f;
            v -= 0.5f;
        }
        // 16.16 fixed point from here; the limits keep the conversion defined
        // and change nothing, as every texel beyond an edge is the edge's.
        auto fixed = [](float value, int32_t size) {
            return static_cast<int64_t>(std::clamp(value, -2.0f, static_cast<float>(size + 2)) * 65536.0f);
        };
        int64_t fu = fixed(u, source.width), fv = fixed(v, source.height);
        int64_t endU = fixed(u + dudx * static_cast<float>(span.right - span.left), source.width);
        int64_t endV = fixed(v + dvdx * static_cast<float>(span.right - span.left), source.height);
        int64_t stepU = (endU - fu) / std::max(1, span.right - span.left);
        int64_t stepV = (endV - fv) / std::max(1, span.right - span.left);
        uint32_t* out = &mPixels[static_cast<size_t>(span.y) * mWidth];
        const uint32_t* texels = source.pixels;
        const int32_t pitch = source.width;
        const __m128i tint = _mm_set_epi16(0, 0, 0, 0, static_cast<short>(colour.a + 1), static_cast<short>(colour.r + 1),
                                           static_cast<short>(colour.g + 1), static_cast<short>(colour.b + 1));
        for (int32_t x = span.left; x < span.right; ++x, fu += stepU, fv += stepV) {
            int32_t tx = static_cast<int32_t>(fu >> 16), ty = static_cast<int32_t>(fv >> 16);
            uint32_t texel;
            if (!linear) {
                texel = Texel(source, tx, ty);
            } else if (static_cast<uint32_t>(tx) < static_cast<uint32_t>(source.width - 1) &&
                       static_cast<uint32_t>(ty) < static_cast<uint32_t>(source.height - 1)) {
                const uint32_t* p = texels + static_cast<size_t>(ty) * pitch + tx;
                if (((p[0] | p[1] | p[pitch] | p[pitch + 1]) >> 24) == 0) continue;  // clear all round
                if (!silhouette) {
                    out[x] = ShadeBilinear(p, pitch, static_cast<uint32_t>(fu >> 8) & 0xFF,
                                           static_cast<uint32_t>(fv >> 8) & 0xFF, tint, out[x]);
                    continue;
                }
                texel = Mix(p[0], p[1], p[pitch], p[pitch + 1], static_cast<uint32_t>(fu >> 8) & 0xFF,
                            static_cast<uint32_t>(fv >> 8) & 0xFF);
            } else {
                texel = Mix(Texel(source, tx, ty), Texel(source, tx + 1, ty), Texel(source, tx, ty + 1),
                            Texel(source, tx + 1, ty + 1), static_cast<uint32_t>(fu >> 8) & 0xFF,
                            static_cast<uint32_t>(fv >> 8) & 0xFF);
            }
            out[x] = Shade(out[x], texel, colour, silhouette);
        }
    });
}

void SoftwareRasterizer::FillQuad(const RenderVertex corners[4], RenderColour colour) {
    if (colour.a == 0 || !AllFinite(corners)) return;
    float dsdx = 0, dtdx = 0;
    Rasterize(corners, dsdx, dtdx, [&](const Span& span) {
        uint32_t* out = &mPixels[static_cast<size_t>(span.y) * mWidth];
        uint32_t rgb = (uint32_t{colour.r} << 16) | (uint32_t{colour.g} << 8) | colour.b;
        for (int32_t x = span.left; x < span.right; ++x) out[x] = Blend(out[x], rgb, colour.a);
    });
}
