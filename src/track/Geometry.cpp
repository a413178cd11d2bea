#include "track/Geometry.h"

#include <cmath>

namespace {
constexpr float kFullTurn = 360.0f;
constexpr float kHalfTurn = 180.0f;
constexpr float kDegreesPerRadian = 57.29578f;
}  // namespace

float SignedAngleDifference(float from, float to) {
    float x = std::fmod(from - to, kFullTurn);
    if (x < 0.0f) x += kFullTurn;
    return x > kHalfTurn ? kFullTurn - x : -x;
}

float Bearing(const Vec2& p, const Vec2& q) {
    return std::atan2(q.x - p.x, -(q.y - p.y)) * kDegreesPerRadian + kFullTurn;
}
