#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "track/Geometry.h"
#include "track/QuickSpline.h"

namespace {
constexpr float kTolerance = 0.001f;

Vec2 Bezier(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, float u) {
    float a = (1 - u) * (1 - u) * (1 - u), b = 3 * u * (1 - u) * (1 - u), c = 3 * u * u * (1 - u), d = u * u * u;
    return {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y};
}

void ExpectNear(Vec2 actual, Vec2 expected, float tolerance = kTolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

const char* kBlueUpper =
    "%%Note:;\t859.9999 130 m;\t247.0425 130 200 130 v;\t10.9301 130 37.8461 365.9812 201.9999 366 c;"
    "\t277.0066 366.0085 468.9999 366 y";
}  // namespace

TEST(QuickSplineParse, TwoKnotStraightLineFlipsY) {
    QuickSpline spline;
    spline.Parse("%%Note:;\t10 20 m;\t30 20 l");
    ASSERT_EQ(spline.KnotCount(), 2);
    EXPECT_EQ(spline.SegmentCount(), 1);
    EXPECT_FALSE(spline.IsDirty());
    ExpectNear(spline.Knot(0), {10, 580});
    ExpectNear(spline.Knot(1), {30, 580});
    ExpectNear(spline.PointAt(0.5f), {20, 580});
}

TEST(QuickSplineParse, FourNumberLinesTakeTheirMissingControlPointFromTheEnds) {
    QuickSpline v;
    v.Parse("%%Note:;0 0 m;50 0 100 100 v");
    QuickSpline y;
    y.Parse("%%Note:;0 0 m;50 0 100 100 y");
    Vec2 p0{0, 600}, p3{100, 500}, c{50, 600};
    for (float u : {0.25f, 0.5f, 0.75f}) {
        ExpectNear(v.PointAt(u), Bezier(p0, p0, c, p3, u));
        ExpectNear(y.PointAt(u), Bezier(p0, c, p3, p3, u));
    }
}

TEST(QuickSplineParse, SixNumbersAreAFullCubicAndTwelveKeepOnlyTheFirstSegment) {
    QuickSpline spline;
    spline.Parse("%%Note:;0 0 m;10 0 20 10 30 10 c 40 10 50 0 60 0 c;40 0 l");
    ASSERT_EQ(spline.KnotCount(), 3);
    ExpectNear(spline.PointAt(0.5f), Bezier({0, 600}, {10, 600}, {20, 590}, {30, 590}, 0.5f));
    ExpectNear(spline.Knot(1), {30, 590});
    ExpectNear(spline.PointAt(1.5f), {35, 595});  // the straight line to (40, 600)
}

TEST(QuickSplineParse, ABadCountEndsThePathAndKeepsEarlierLines) {
    for (const char* text : {"%%Note:;0 0 m;10 0 l;1 2 3 l;30 0 l", "%%Note:;0 0 m;10 0 l;1 2 3 4 5 c;30 0 l",
                             "%%Note:;0 0 m;10 0 l;x 0 l;30 0 l", "%%Note:;0 0 m;10 0 l;7 l;30 0 l"}) {
        QuickSpline spline;
        spline.Parse(text);
        EXPECT_EQ(spline.KnotCount(), 2) << text;
        ExpectNear(spline.PointAt(5.0f), {10, 600});
    }
}

TEST(QuickSplineParse, WithoutNoteOrAcceptedLineTheCurveStays) {
    QuickSpline spline;
    spline.Parse("%%Note:;0 0 m;10 0 l");
    for (const char* text : std::vector<const char*>{"0 0 m;50 50 l", "%%BoundingBox: 0 0 640 480;0 0 m;50 50 l", "%%Note:;1 2 3 l",
                             "%%Note:", "", "   ;;  ", nullptr}) {
        spline.Parse(text);
        EXPECT_EQ(spline.KnotCount(), 2);
        ExpectNear(spline.Knot(1), {10, 600});
    }
}

TEST(QuickSplineParse, BoundingBoxHeightFlipsYAndZeroFallsBack) {
    QuickSpline box;
    box.Parse("%%BoundingBox: 0 0 640 480;%%Note:;10 20 m;30 20 l");
    ExpectNear(box.Knot(0), {10, 460});
    QuickSpline zero;
    zero.Parse("%%BoundingBox: 0 0 640 0;%%Note:;10 20 m;30 20 l");
    ExpectNear(zero.Knot(0), {10, 580});
    QuickSpline afterNote;  // a box line after the note is a path line (with a bad count)
    afterNote.Parse("%%Note:;10 20 m;30 20 l;%%BoundingBox: 0 0 640 480");
    ExpectNear(afterNote.Knot(0), {10, 580});
}

TEST(QuickSplineParse, NumbersKeepTheirValidLeadingPartAndCarriageReturnsEndLines) {
    QuickSpline spline;
    spline.Parse("%%note\r\n 1.5e1x -2.5. m\r+20 .5e m\n");
    ASSERT_EQ(spline.KnotCount(), 2);
    ExpectNear(spline.Knot(0), {15, 602.5f});
    ExpectNear(spline.Knot(1), {20, 599.5f});
}

TEST(QuickSplineParse, BlueThemePathRunsFromItsStartToItsEnd) {
    QuickSpline spline;
    spline.Parse(kBlueUpper);
    ASSERT_EQ(spline.SegmentCount(), 3);
    ExpectNear(spline.PointAt(0), {859.9999f, 470});
    ExpectNear(spline.PointAt(3), {468.9999f, 234});
    ExpectNear(spline.PointAt(2.0f), {201.9999f, 234});
}

TEST(QuickSplinePointAt, ParametersOutsideTheRangeGiveTheEnds) {
    QuickSpline spline;
    spline.Parse("%%Note:;0 0 m;10 0 20 10 30 10 c;60 10 l");
    ExpectNear(spline.PointAt(-1.0f), {0, 600});
    ExpectNear(spline.PointAt(NAN), {0, 600});
    ExpectNear(spline.PointAt(2.0f), {60, 590});
    ExpectNear(spline.PointAt(1e30f), {60, 590});
}

TEST(QuickSplinePointAt, SingleKnotHasNoCurve) {
    QuickSpline spline;
    spline.AddPoint(5, 7);
    ExpectNear(spline.PointAt(0.5f), {0, 0});
    std::vector<Vec2> samples;
    spline.SampleEvenly(samples, 1.0f);
    ASSERT_EQ(samples.size(), 1u);
    ExpectNear(samples[0], {5, 7});
}

TEST(QuickSplineSample, StraightTenPixelsGiveElevenSamplesOnePixelApart) {
    QuickSpline spline;
    spline.Parse("%%Note:;0 0 m;10 0 l");
    std::vector<Vec2> samples;
    spline.SampleEvenly(samples, 1.0f);
    ASSERT_EQ(samples.size(), 11u);
    for (size_t i = 0; i < samples.size(); ++i) ExpectNear(samples[i], {static_cast<float>(i), 600});
}

TEST(QuickSplineSample, LastSampleIsTheEndPointOfAFractionalLength) {
    QuickSpline spline;
    spline.Parse("%%Note:;0 0 m;10.5 0 l");
    std::vector<Vec2> samples;
    spline.SampleEvenly(samples, 1.0f);
    ASSERT_EQ(samples.size(), 12u);
    ExpectNear(samples[10], {10, 600});
    ExpectNear(samples.back(), {10.5f, 600});
}

TEST(QuickSplineSample, CurvedPathSamplesAreOneSpacingApart) {
    QuickSpline spline;
    spline.Parse(kBlueUpper);
    std::vector<Vec2> samples;
    spline.SampleEvenly(samples, 1.0f);
    ASSERT_GT(samples.size(), 900u);
    for (size_t i = 1; i + 1 < samples.size(); ++i)
        EXPECT_NEAR(std::sqrt(DistanceSquared(samples[i - 1], samples[i])), 1.0f, 0.01f) << i;
    ExpectNear(samples.back(), spline.PointAt(3.0f));
}

TEST(QuickSplineSample, ManySegmentsFinish) {
    // Past parameter 128 a float cannot split an interval of 0.00001.
    QuickSpline spline;
    for (int i = 0; i < 400; ++i) spline.AddPoint(static_cast<float>(i * 3), static_cast<float>((i % 2) * 3));
    std::vector<Vec2> samples;
    spline.SampleEvenly(samples, 1.0f);
    EXPECT_GT(samples.size(), 1200u);
    ExpectNear(samples.back(), spline.Knot(399), 0.01f);
}

TEST(QuickSplineRecompute, InterpolatesTheKnotsAndGrowsCapacity) {
    QuickSpline spline;
    const Vec2 knots[] = {{0, 0}, {100, 50}, {200, -20}, {250, 80}, {400, 0}};
    for (const Vec2& k : knots) spline.AddPoint(k.x, k.y);
    EXPECT_EQ(spline.Capacity(), 7);  // 0 -> 1 -> 2 -> 4 -> 7
    EXPECT_TRUE(spline.IsDirty());
    for (int i = 0; i < 5; ++i) ExpectNear(spline.PointAt(static_cast<float>(i)), knots[i], 0.01f);
    EXPECT_FALSE(spline.IsDirty());
    EXPECT_EQ(spline.SegmentCount(), 4);
    spline.Reserve(2);
    EXPECT_EQ(spline.KnotCount(), 2);
    ExpectNear(spline.PointAt(1.0f), knots[1], 0.01f);
    spline.Reserve(0);
    EXPECT_EQ(spline.KnotCount(), 0);
    ExpectNear(spline.PointAt(0.5f), {0, 0});
}

TEST(QuickSplineRecompute, TwoKnotsGiveTheStraightLineWithTheQuickTangents) {
    QuickSpline spline;
    spline.AddPoint(0, 0);
    spline.AddPoint(8, 0);
    // e0 = 6, e1 = (24 - 6) / 4 = 4.5, D1 = 4.5, D0 = 6 - 1.125 = 4.875
    // x(u) = 4.875u + (24 - 9.75 - 4.5)u^2 + (-16 + 9.375)u^3
    float u = 0.5f;
    EXPECT_NEAR(spline.PointAt(u).x, 4.875f * u + 9.75f * u * u - 6.625f * u * u * u, kTolerance);
}

TEST(QuickSplineTransform, TranslateAndMirrorMoveTheWholeCurve) {
    QuickSpline spline;
    spline.Parse(kBlueUpper);
    Vec2 mid = spline.PointAt(1.3f);
    spline.Translate(10, -5);
    ExpectNear(spline.PointAt(1.3f), {mid.x + 10, mid.y - 5});
    spline.MirrorX(400);
    ExpectNear(spline.PointAt(1.3f), {800 - (mid.x + 10), mid.y - 5});
}

TEST(QuickSplineTransform, SegmentCoefficientsOnlyForExistingSegments) {
    QuickSpline spline;
    spline.Parse("%%Note:;0 0 m;10 0 l;20 0 l");
    spline.SetSegmentCoefficients(2, 99, 99, 99, 99, 99, 99);
    spline.SetSegmentCoefficients(-1, 99, 99, 99, 99, 99, 99);
    ExpectNear(spline.PointAt(2.0f), {20, 600});
    spline.SetSegmentCoefficients(1, 0, 0, 0, 5, 0, 0);
    ExpectNear(spline.PointAt(2.0f), {10, 605});
}

TEST(QuickSplineFind, WalksTheRadiusAlongTheCurveUntilItEnds) {
    QuickSpline spline;
    spline.Parse("%%Note:;0 0 m;10 0 l");
    float x = 0, y = 600, t = 0;
    EXPECT_TRUE(spline.FindPointAtDistance(x, y, t, 2.0f));
    ExpectNear({x, y}, {2, 600});
    EXPECT_NEAR(t, 0.2f, kTolerance);
    x = 9.5f;
    t = 0.95f;
    EXPECT_FALSE(spline.FindPointAtDistance(x, y, t, 2.0f));
    ExpectNear({x, y}, {10, 600});
}
