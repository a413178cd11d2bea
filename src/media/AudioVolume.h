#pragma once
// Effect loudness: a volume of 0..1 goes through the sound card's scale of
// hundredths of a decibel (0 = as recorded, -10000 = silent) and from there to
// the linear gain the mixer multiplies by.

#include <cstdint>

constexpr int32_t kSilentCentibels = -10000;

// (log10(1 + 9v) - 1) x 2333 truncated toward zero; below -2332, and always
// while audio is disabled, silent.
int32_t VolumeToCentibels(float volume, bool enabled);
// 10^(centibels / 2000); exactly 0 for kSilentCentibels.
float CentibelsToGain(int32_t centibels);
