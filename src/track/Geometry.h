#pragma once
// Plane and angle helpers shared by balls, robots and shots. Angles are in
// degrees; screen y points down.

#include "track/Vec2.h"

inline float DistanceSquared(const Vec2& a, const Vec2& b) {
    float dx = a.x - b.x;
    float dy = a.y - b.y;
    return dx * dx + dy * dy;
}

// The signed shortest turn from angle `from` to angle `to`, in [-180, 180).
float SignedAngleDifference(float from, float to);

// Bearing from p to q: 0 points up the screen, clockwise positive, in
// (180, 540] (the atan2 angle plus 360).
float Bearing(const Vec2& p, const Vec2& q);
