// Path strings of arbitrary bytes: parsing and the curve queries built on it
// must neither crash nor loop.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "track/QuickSpline.h"

namespace {
// Sampling a curve this far across would only make the run slow, not test more.
constexpr float kSampledExtent = 20000.0f;

bool IsModest(QuickSpline& spline) {
    for (int32_t i = 0; i <= spline.SegmentCount() * 4; ++i) {
        Vec2 p = spline.PointAt(static_cast<float>(i) * 0.25f);
        if (!(std::fabs(p.x) < kSampledExtent && std::fabs(p.y) < kSampledExtent)) return false;
    }
    return spline.SegmentCount() < 200;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    QuickSpline spline;
    spline.Parse(text.c_str());
    for (float t : {-1.0f, 0.0f, 0.5f, 1.0f, 2.5f, 1e9f, NAN}) spline.PointAt(t);
    float x = 0, y = 0, t = 0;
    for (int i = 0; i < 8; ++i) spline.FindPointAtDistance(x, y, t, 2.0f);
    if (IsModest(spline)) {
        std::vector<Vec2> samples;
        spline.SampleEvenly(samples, 1.0f);
    }
    spline.MirrorX(400.0f);
    spline.Translate(1.0f, 1.0f);
    spline.AddPoint(0.0f, 0.0f);
    spline.PointAt(0.5f);
    return 0;
}
