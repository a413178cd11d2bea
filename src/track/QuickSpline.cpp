#include "track/QuickSpline.h"

#include <algorithm>
#include <cmath>

#include "track/Geometry.h"

namespace {
// The spline equations are solved with this one factor instead of the exact
// elimination factors: good enough for smooth paths and quick to rebuild.
constexpr float kTangentFactor = 0.25f;
// Parameter step of the coarse search before bisection (curve parameter units).
constexpr float kCoarseStep = 0.1f;
// Width at which the bisection of a parameter interval stops.
constexpr float kBisectionWidth = 0.00001f;
// A found point counts as reached at this share of the squared radius.
constexpr float kReachedShare = 0.5f;
// A sample found this close (in parameter units) before the curve's end is
// the end: float rounding must not add a second end sample a hair away.
constexpr float kEndSnap = 4.0f * kBisectionWidth;
// No path of the game comes near this many samples; the bound keeps a
// degenerate curve (huge or non-finite coefficients) from filling memory.
constexpr size_t kMaxSamples = 1000000;

bool IsFinite(const Vec2& p) { return std::isfinite(p.x) && std::isfinite(p.y); }
}  // namespace

void QuickSpline::Clear() {
    mKnots.clear();
    mCoefs.clear();
    mKnotCount = 0;
    mSegmentCount = 0;
    mCapacity = 0;
    mDirty = true;
}

void QuickSpline::Reserve(int32_t n) {
    if (n < 1) {
        Clear();
        return;
    }
    if (n == mCapacity) return;
    int32_t kept = std::min(n, mKnotCount);
    std::vector<float> knots(static_cast<size_t>(n) * 2, 0.0f);
    for (int32_t i = 0; i < kept; ++i) {
        knots[i] = mKnots[i];
        knots[n + i] = mKnots[mCapacity + i];
    }
    mKnots.swap(knots);
    mCapacity = n;
    mKnotCount = kept;
    mDirty = true;
}

void QuickSpline::AddPoint(float x, float y) {
    if (mKnotCount >= mCapacity) Reserve(mCapacity + mCapacity / 2 + 1);
    mKnots[mKnotCount] = x;
    mKnots[mCapacity + mKnotCount] = y;
    ++mKnotCount;
    mDirty = true;
}

void QuickSpline::Recompute() {
    mDirty = false;
    if (mKnotCount < 2) {
        mSegmentCount = 0;
        mCoefs.clear();
        return;
    }
    const int32_t n = mKnotCount - 1;
    mSegmentCount = n;
    mCoefs.assign(static_cast<size_t>(n) * 6, 0.0f);
    std::vector<float> e(n + 1);
    std::vector<float> d(n + 1);
    for (int32_t axis = 0; axis < 2; ++axis) {
        const float* k = &mKnots[axis == 0 ? 0 : mCapacity];
        e[0] = 3.0f * (k[1] - k[0]) * kTangentFactor;
        for (int32_t i = 1; i < n; ++i) e[i] = (3.0f * (k[i + 1] - k[i - 1]) - e[i - 1]) * kTangentFactor;
        e[n] = (3.0f * (k[n] - k[n - 1]) - e[n - 1]) * kTangentFactor;
        d[n] = e[n];
        for (int32_t i = n - 1; i >= 0; --i) d[i] = e[i] - kTangentFactor * d[i + 1];
        for (int32_t i = 0; i < n; ++i) {
            float* c = axis == 0 ? &CoefX(i, 0) : &CoefY(i, 0);
            c[0] = d[i];
            c[1] = 3.0f * (k[i + 1] - k[i]) - 2.0f * d[i] - d[i + 1];
            c[2] = 2.0f * (k[i] - k[i + 1]) + d[i] + d[i + 1];
        }
    }
}

Vec2 QuickSpline::SegmentPoint(int32_t segment, float u) {
    const float* cx = &CoefX(segment, 0);
    const float* cy = &CoefY(segment, 0);
    return {mKnots[segment] + u * (cx[0] + u * (cx[1] + u * cx[2])),
            mKnots[mCapacity + segment] + u * (cy[0] + u * (cy[1] + u * cy[2]))};
}

Vec2 QuickSpline::PointAt(float t) {
    RecomputeIfDirty();
    if (mSegmentCount < 1) return {};
    if (!(t >= 0.0f)) return Knot(0);  // also a NaN parameter
    if (t < static_cast<float>(mSegmentCount)) {
        int32_t i = std::min(static_cast<int32_t>(t), mSegmentCount - 1);
        return SegmentPoint(i, t - static_cast<float>(i));
    }
    return SegmentPoint(mSegmentCount - 1, 1.0f);
}

void QuickSpline::StepOut(const Vec2& from, float radiusSquared, float& tLow, float& t, Vec2& p) {
    const float tEnd = static_cast<float>(mSegmentCount);
    while (DistanceSquared(p, from) < radiusSquared && t < tEnd) {
        tLow = t;
        t += kCoarseStep;
        p = PointAt(t);
    }
}

Vec2 QuickSpline::Bisect(const Vec2& from, float radiusSquared, float& tLow, float& t, float& tLast) {
    Vec2 p = PointAt(t);
    tLast = t;
    float mid = (tLow + t) * 0.5f;
    // Far along a long curve the float spacing of t can exceed the width; stop
    // when the midpoint no longer splits the interval.
    while (std::fabs(tLow - t) > kBisectionWidth && mid > tLow && mid < t) {
        p = PointAt(mid);
        tLast = mid;
        if (DistanceSquared(p, from) < radiusSquared) {
            tLow = mid;
        } else {
            t = mid;
        }
        mid = (tLow + t) * 0.5f;
    }
    return p;
}

void QuickSpline::SampleEvenly(std::vector<Vec2>& list, float spacing) {
    RecomputeIfDirty();
    if (mKnotCount < 1) return;
    Vec2 last = Knot(0);
    list.push_back(last);
    if (mSegmentCount < 1 || !(spacing > 0.0f)) return;
    const float s2 = spacing * spacing;
    const float tEnd = static_cast<float>(mSegmentCount);
    const size_t limit = list.size() + kMaxSamples;
    float t = kCoarseStep;
    float tLow = 0.0f;
    while (t < tEnd && list.size() < limit) {
        Vec2 p = PointAt(t);
        StepOut(last, s2, tLow, t, p);
        float tLast = t;
        p = Bisect(last, s2, tLow, t, tLast);
        if (!IsFinite(p)) return;
        if (tEnd - t < kEndSnap) {
            list.push_back(PointAt(tEnd));
            return;
        }
        list.push_back(p);
        last = p;
    }
}

bool QuickSpline::FindPointAtDistance(float& x, float& y, float& t, float radius) {
    RecomputeIfDirty();
    const Vec2 from{x, y};
    const float r2 = radius * radius;
    float tLow = t;
    t += kCoarseStep;
    Vec2 p = PointAt(t);
    StepOut(from, r2, tLow, t, p);
    float tLast = t;
    p = Bisect(from, r2, tLow, t, tLast);
    x = p.x;
    y = p.y;
    t = tLast;
    return DistanceSquared(p, from) >= r2 * kReachedShare;
}

void QuickSpline::Translate(float dx, float dy) {
    for (int32_t i = 0; i < mKnotCount; ++i) {
        mKnots[i] += dx;
        mKnots[mCapacity + i] += dy;
    }
}

void QuickSpline::MirrorX(float axis) {
    for (int32_t i = 0; i < mKnotCount; ++i) mKnots[i] = axis + (axis - mKnots[i]);
    for (int32_t i = 0; i < mSegmentCount; ++i) {
        for (int32_t k = 0; k < 3; ++k) CoefX(i, k) = -CoefX(i, k);
    }
}

void QuickSpline::SetSegmentCoefficients(int32_t i, float c1x, float c2x, float c3x, float c1y, float c2y,
                                         float c3y) {
    RecomputeIfDirty();
    if (i < 0 || i >= mSegmentCount) return;
    CoefX(i, 0) = c1x;
    CoefX(i, 1) = c2x;
    CoefX(i, 2) = c3x;
    CoefY(i, 0) = c1y;
    CoefY(i, 1) = c2y;
    CoefY(i, 2) = c3y;
}
