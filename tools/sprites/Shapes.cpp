#include "sprites/Shapes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

float Circle(float x, float y, float cx, float cy, float r) { return std::hypot(x - cx, y - cy) - r; }

// A star's edge wobbles between the inner and outer radius with the angle.
float Star(float x, float y, int points, float inner, float outer, float turn) {
    float angle = std::atan2(y, x) + turn;
    float sector = 2.0f * kPi / float(points);
    float a = std::fmod(std::fabs(angle) + 100.0f * sector, sector) / sector;  // 0..1 within a point
    float t = std::fabs(a - 0.5f) * 2.0f;                                      // 1 at the tip, 0 between
    float radius = inner + (outer - inner) * t * t;
    return std::hypot(x, y) - radius;
}

}  // namespace

bool MarkingFromName(const std::string& name, Marking& marking) {
    static const char* names[] = {"star", "leaf", "drop", "sun", "moon", "heart", "diamond", "flower"};
    for (int i = 0; i < 8; ++i) {
        if (name == names[i]) {
            marking = Marking(i);
            return true;
        }
    }
    return false;
}

float MarkingDistance(Marking marking, float x, float y) {
    switch (marking) {
        case Marking::Star:
            return Star(x, y, 5, 0.42f, 0.95f, kPi / 2.0f);
        case Marking::Leaf: {
            // A lens of two circle arcs, tilted 45 degrees.
            float c = 0.70710678f;
            float u = x * c - y * c, v = x * c + y * c;
            return std::max(Circle(u, v, 0.0f, 0.62f, 1.0f), Circle(u, v, 0.0f, -0.62f, 1.0f));
        }
        case Marking::Drop: {
            float round = Circle(x, y, 0.0f, 0.3f, 0.62f);
            // The cone above the round part narrows to a tip at y = -0.95.
            float t = (y + 0.95f) / 1.25f;
            float cone = (y < 0.3f && y > -0.95f) ? std::fabs(x) - 0.6f * t : 1.0f;
            return std::min(round, cone);
        }
        case Marking::Sun: {
            float disc = Circle(x, y, 0, 0, 0.5f);
            float rays = Star(x, y, 10, 0.5f, 0.98f, 0.0f);
            float gap = std::hypot(x, y) - 0.58f;  // a thin ring between disc and rays
            return std::min(disc, std::max(rays, -gap));
        }
        case Marking::Moon:
            return std::max(Circle(x, y, 0, 0, 0.9f), -Circle(x, y, 0.42f, -0.25f, 0.72f));
        case Marking::Heart: {
            float left = Circle(x, y, -0.42f, -0.28f, 0.48f);
            float right = Circle(x, y, 0.42f, -0.28f, 0.48f);
            // Below the lobes a triangle points down to y = 0.9.
            float t = (0.9f - y) / 1.05f;
            float tip = (y > -0.28f && y < 0.9f) ? std::fabs(x) - 0.86f * t : 1.0f;
            return std::min(std::min(left, right), tip);
        }
        case Marking::Diamond:
            return std::fabs(x) / 0.7f + std::fabs(y) / 0.95f - 1.0f;
        case Marking::Flower: {
            float shape = Circle(x, y, 0, 0, 0.3f);
            for (int i = 0; i < 5; ++i) {
                float a = 2.0f * kPi * float(i) / 5.0f - kPi / 2.0f;
                shape = std::min(shape, Circle(x, y, 0.55f * std::cos(a), 0.55f * std::sin(a), 0.36f));
            }
            return shape;
        }
    }
    return 1.0f;
}
