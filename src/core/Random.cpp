#include "core/Random.h"

#include <cstdlib>

Random::Random() { Seed(1); }

void Random::Seed(int32_t value) {
    mState[0] = value & kMask;
    mState[1] = 1;
    for (int32_t i = 2; i < kWords; ++i) mState[i] = (mState[i - 2] + mState[i - 1]) & kMask;
    mJ = 0;
    mK = 31;
}

int32_t Random::Raw() {
    int32_t x = (mState[mK] + mState[mJ]) & kMask;
    mState[mJ] = x;
    mJ = (mJ + 1) % kWords;
    mK = (mK + 1) % kWords;
    return x >> 6;
}

int32_t Random::Next(int32_t n, bool randomSign) {
    if (n == 0) return 0;
    int64_t m = std::llabs(static_cast<int64_t>(n));
    int64_t b = 2;
    while (b < m) b *= 2;
    int32_t value = static_cast<int32_t>((static_cast<int64_t>(Raw()) & (b - 1)) % m);
    if ((n < 0 || randomSign) && Next(2, false) == 1) value = -value;
    return value;
}

float Random::NextFloat(bool randomSign) {
    float value = static_cast<float>(Next(100001, false)) / 100000.0f;
    if (randomSign && Next(2, false) != 0) value = -value;
    return value;
}

float Random::NextFloatRange(float range, bool randomSign) {
    float value = NextFloat(false) * range;
    if (randomSign && Next(2, false) == 1) value = -value;
    return value;
}

Random& GetRandom() {
    static Random generator;
    return generator;
}
