#include "media/AudioVolume.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kCurveSpan = 9.0;               // volume 1 maps to log10(10) = 1
constexpr double kCentibelsPerDecade = 2333.0;   // of the volume curve
constexpr int32_t kQuietestAudible = -2332;      // anything lower is silence
constexpr double kCentibelsPerGainDecade = 2000.0;  // 20 dB per decade of amplitude
}  // namespace

int32_t VolumeToCentibels(float volume, bool enabled) {
    if (!enabled) return kSilentCentibels;
    double v = std::clamp(static_cast<double>(volume), 0.0, 1.0);
    int32_t centibels = static_cast<int32_t>((std::log10(1.0 + kCurveSpan * v) - 1.0) * kCentibelsPerDecade);
    return centibels < kQuietestAudible ? kSilentCentibels : centibels;
}

float CentibelsToGain(int32_t centibels) {
    if (centibels <= kSilentCentibels) return 0.0f;
    return static_cast<float>(std::pow(10.0, centibels / kCentibelsPerGainDecade));
}
