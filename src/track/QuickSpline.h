#pragma once
// A chain of cubic segments through knots, built either from a path string of
// the drawing program's export notation (Parse) or from points added one by one
// (an interpolating curve rebuilt quickly by Recompute). The curve parameter t
// runs over [0, SegmentCount()]: segment floor(t) at local parameter t - floor(t).
// There is no arc-length parametrisation: callers that need distances sample it
// with SampleEvenly. All arithmetic is 32-bit float.

#include <cstdint>
#include <vector>

#include "track/Vec2.h"

class QuickSpline {
public:
    QuickSpline() = default;
    virtual ~QuickSpline() = default;

    // Rebuilds the coefficients from the knots; queries call it when dirty.
    virtual void Recompute();

    void Clear();
    // n < 1 clears; otherwise the knot arrays hold exactly n (the first knots kept).
    void Reserve(int32_t n);
    void AddPoint(float x, float y);
    // Replaces the curve with a path string ("%%Note:;\t10 20 m;\t30 20 l");
    // null, empty or pathless text leaves the curve unchanged.
    void Parse(const char* text);

    // (0, 0) without segments; the first knot for t < 0; the curve's end for t
    // at or past the last segment.
    Vec2 PointAt(float t);
    // Appends the curve's start and then points `spacing` apart (straight-line
    // distance), ending with the curve's end point.
    void SampleEvenly(std::vector<Vec2>& list, float spacing);
    // From parameter t and the point (x, y), moves forward to the curve point
    // `radius` away; writes that point and its parameter back. False when the
    // curve ended first (the distance reached is below radius^2 * 0.5).
    bool FindPointAtDistance(float& x, float& y, float& t, float radius);

    void Translate(float dx, float dy);
    // Mirror image about the vertical line x = axis.
    void MirrorX(float axis);
    // Ignored for a segment that does not exist.
    void SetSegmentCoefficients(int32_t i, float c1x, float c2x, float c3x, float c1y, float c2y, float c3y);

    int32_t SegmentCount() const { return mSegmentCount; }
    int32_t KnotCount() const { return mKnotCount; }
    int32_t Capacity() const { return mCapacity; }
    bool IsDirty() const { return mDirty; }
    Vec2 Knot(int32_t i) const { return {mKnots[i], mKnots[mCapacity + i]}; }

private:
    // Per segment c1, c2, c3: x coefficients first, then the y half.
    float& CoefX(int32_t segment, int32_t k) { return mCoefs[segment * 3 + k]; }
    float& CoefY(int32_t segment, int32_t k) { return mCoefs[(mSegmentCount + segment) * 3 + k]; }
    void RecomputeIfDirty() {
        if (mDirty) Recompute();
    }
    Vec2 SegmentPoint(int32_t segment, float u);
    // Narrows [tLow, t] to the parameter where the distance to `from` reaches
    // sqrt(radiusSquared); answers the point of the last evaluation.
    Vec2 Bisect(const Vec2& from, float radiusSquared, float& tLow, float& t, float& tLast);
    // Steps t forward by kCoarseStep while the curve stays closer than the radius.
    void StepOut(const Vec2& from, float radiusSquared, float& tLow, float& t, Vec2& p);

    int32_t mSegmentCount = 0;
    bool mDirty = true;
    int32_t mKnotCount = 0;
    int32_t mCapacity = 0;
    std::vector<float> mKnots;  // capacity x values, then capacity y values
    std::vector<float> mCoefs;  // segmentCount * 6
};
