#pragma once
// A point on the play field in logical screen pixels (y downwards).

struct PathPoint {
    float x = 0;
    float y = 0;
};

inline float DistanceSquared(const PathPoint& a, const PathPoint& b) {
    float dx = a.x - b.x;
    float dy = a.y - b.y;
    return dx * dx + dy * dy;
}
