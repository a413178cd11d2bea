#include "platform/SoftwareRasterizer.h"

#include <algorithm>
#include <cmath>

#include "platform/BilinearSpan.h"
#include "platform/SoftwarePixels.h"

namespace {
using namespace SoftwarePixels;

inline uint32_t Texel(const SoftwareRasterizer::Source& source, int32_t x, int32_t y) {
    return SoftwarePixels::Texel(source.pixels, source.width, source.height, x, y);
}

// Coordinates far outside the frame are cut before conversion to integers.
constexpr float kFar = 1.0e6f;

// Texel coordinates beyond this draw nothing: no texture comes near it, and
// it keeps 16.16 fixed-point positions within 32 bits.
constexpr float kMaxTexelCoordinate = 16384;

// The smallest whole number not below `value`, for values within kFar (the
// library's ceil is a call on plain x86-64, and this runs for every row).
inline int32_t CeilToInt(float value) {
    auto whole = static_cast<int32_t>(value);
    return whole + (static_cast<float>(whole) < value ? 1 : 0);
}

bool AllFinite(const RenderVertex corners[4]) {
    for (int i = 0; i < 4; ++i)
        if (!std::isfinite(corners[i].x) || !std::isfinite(corners[i].y) || !std::isfinite(corners[i].u) ||
            !std::isfinite(corners[i].v))
            return false;
    return true;
}

bool TexelsInReach(const RenderVertex corners[4]) {
    for (int i = 0; i < 4; ++i)
        if (std::fabs(corners[i].u) > kMaxTexelCoordinate || std::fabs(corners[i].v) > kMaxTexelCoordinate)
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

bool SoftwareRasterizer::Restore(const std::vector<uint32_t>& pixels) {
    if (pixels.size() != mPixels.size()) return false;
    std::copy(pixels.begin(), pixels.end(), mPixels.begin());
    return true;
}

void SoftwareRasterizer::Clear(uint32_t pixel) { std::fill(mPixels.begin(), mPixels.end(), pixel); }

void SoftwareRasterizer::SetClip(int32_t x, int32_t y, int32_t width, int32_t height) {
    mClipLeft = std::clamp(x, 0, mWidth);
    mClipTop = std::clamp(y, 0, mHeight);
    mClipRight = std::clamp(x + std::max(width, 0), mClipLeft, mWidth);
    mClipBottom = std::clamp(y + std::max(height, 0), mClipTop, mHeight);
}

bool SoftwareRasterizer::FrameOf(const RenderVertex corners[4], QuadFrame& frame) {
    // Quad coordinates: point = P0 + s * (P1 - P0) + t * (P3 - P0).
    frame.e1x = corners[1].x - corners[0].x;
    frame.e1y = corners[1].y - corners[0].y;
    frame.e2x = corners[3].x - corners[0].x;
    frame.e2y = corners[3].y - corners[0].y;
    float det = frame.e1x * frame.e2y - frame.e1y * frame.e2x;
    if (!std::isfinite(det) || std::fabs(det) < 1e-6f) return false;
    frame.inverseDet = 1 / det;
    frame.dsdx = frame.e2y * frame.inverseDet;
    frame.dtdx = -frame.e1y * frame.inverseDet;
    return true;
}

template <class Draw>
void SoftwareRasterizer::Rasterize(const RenderVertex corners[4], const QuadFrame& frame, Draw draw) {
    const float dsdx = frame.dsdx, dtdx = frame.dtdx;
    float top = std::min({corners[0].y, corners[1].y, corners[2].y, corners[3].y});
    float bottom = std::max({corners[0].y, corners[1].y, corners[2].y, corners[3].y});
    int32_t firstRow = std::max(mClipTop, static_cast<int32_t>(std::floor(std::clamp(top, -kFar, kFar))));
    int32_t lastRow = std::min(mClipBottom, static_cast<int32_t>(std::ceil(std::clamp(bottom, -kFar, kFar))));
    // Where along a row a quad coordinate start + step * xc lies in [0, 1).
    struct Limit {
        float step, inverse;
        void Narrow(float start, float& lo, float& hi) const {
            if (step == 0) {
                if (start < 0 || start >= 1) hi = lo;
                return;
            }
            float a = -start * inverse, b = (1 - start) * inverse;
            lo = std::max(lo, std::min(a, b));
            hi = std::min(hi, std::max(a, b));
        }
    };
    const Limit sLimit{dsdx, dsdx != 0 ? 1 / dsdx : 0}, tLimit{dtdx, dtdx != 0 ? 1 / dtdx : 0};
    for (int32_t y = firstRow; y < lastRow; ++y) {
        float dy = static_cast<float>(y) + 0.5f - corners[0].y;
        // s and t at x = 0 (pixel centres are at x + 0.5).
        float s0 = (-corners[0].x * frame.e2y - dy * frame.e2x) * frame.inverseDet;
        float t0 = (frame.e1x * dy + corners[0].x * frame.e1y) * frame.inverseDet;
        float lo = -kFar, hi = kFar;
        sLimit.Narrow(s0, lo, hi);
        tLimit.Narrow(t0, lo, hi);
        if (!(hi > lo)) continue;
        int32_t left = std::max(mClipLeft, CeilToInt(lo - 0.5f));
        int32_t right = std::min(mClipRight, CeilToInt(hi - 0.5f));
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
    bool insideTexture = u0 + left - x0 >= 0 && u0 + right - x0 <= source.width && v0 + top - y0 >= 0 &&
                         v0 + bottom - y0 <= source.height;
    for (int32_t y = top; y < bottom; ++y) {
        uint32_t* out = &mPixels[static_cast<size_t>(y) * mWidth];
        if (plain && insideTexture) {
            const uint32_t* in = source.pixels + static_cast<size_t>(v0 + y - y0) * source.width + (u0 - x0);
            CopyOver(out + left, in + left, right - left);
            continue;
        }
        for (int32_t x = left; x < right; ++x)
            out[x] = Shade(out[x], Texel(source, u0 + x - x0, v0 + y - y0), colour, silhouette);
    }
    return true;
}

void SoftwareRasterizer::DrawQuad(const Source& source, const RenderVertex corners[4], RenderColour colour,
                                  bool silhouette, bool linear) {
    if (!source.pixels || source.width <= 0 || source.height <= 0 || colour.a == 0 || !AllFinite(corners) ||
        !TexelsInReach(corners))
        return;
    if (DrawAligned(source, corners, colour, silhouette)) return;
    QuadFrame frame;
    if (!FrameOf(corners, frame)) return;
    float uS = corners[1].u - corners[0].u, uT = corners[3].u - corners[0].u;
    float vS = corners[1].v - corners[0].v, vT = corners[3].v - corners[0].v;
    // Texel centres sit at half coordinates.
    float centre = linear ? 0.5f : 0.0f;
    // Texture positions step in 16.16 fixed point across each row; a pixel
    // inside the quad never lies beyond its corners' texel coordinates.
    auto fixed = [](float value) { return static_cast<int64_t>(value * 65536.0f); };
    int64_t stepU = fixed(frame.dsdx * uS + frame.dtdx * uT), stepV = fixed(frame.dsdx * vS + frame.dtdx * vT);
    Rasterize(corners, frame, [&](const Span& span) {
        int64_t fu = fixed(corners[0].u + span.s * uS + span.t * uT - centre);
        int64_t fv = fixed(corners[0].v + span.s * vS + span.t * vT - centre);
        uint32_t* out = &mPixels[static_cast<size_t>(span.y) * mWidth];
        if (linear) {
            DrawBilinearSpan(BilinearSpan{source.pixels, source.width, source.height, fu, fv, stepU, stepV, colour,
                                          silhouette, out + span.left, span.right - span.left});
            return;
        }
        for (int32_t x = span.left; x < span.right; ++x, fu += stepU, fv += stepV)
            out[x] = Shade(out[x], Texel(source, static_cast<int32_t>(fu >> 16), static_cast<int32_t>(fv >> 16)),
                           colour, silhouette);
    });
}

void SoftwareRasterizer::FillQuad(const RenderVertex corners[4], RenderColour colour) {
    QuadFrame frame;
    if (colour.a == 0 || !AllFinite(corners) || !FrameOf(corners, frame)) return;
    Rasterize(corners, frame, [&](const Span& span) {
        uint32_t* out = &mPixels[static_cast<size_t>(span.y) * mWidth];
        uint32_t rgb = (uint32_t{colour.r} << 16) | (uint32_t{colour.g} << 8) | colour.b;
        for (int32_t x = span.left; x < span.right; ++x) out[x] = Blend(out[x], rgb, colour.a);
    });
}
