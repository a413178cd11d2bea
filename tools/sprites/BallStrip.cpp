#include "sprites/BallStrip.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kSamples = 4;  // per pixel and axis
// Longitudes of the three markings; the face sits at longitude 0.
constexpr float kMarkingLongitudes[] = {90.0f, 180.0f, 270.0f};
constexpr float kMarkingSize = 0.52f;  // tangent-plane half width of a marking

struct Vec {
    float x, y, z;
};
float Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Normalised(Vec v) {
    float l = std::sqrt(Dot(v, v));
    return {v.x / l, v.y / l, v.z / l};
}
float Smooth(float e0, float e1, float x) {
    float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}
void Mix(float* c, const float* to, float t) {
    for (int i = 0; i < 3; ++i) c[i] += (to[i] - c[i]) * t;
}
float Ellipse(float u, float v, float cx, float cy, float rx, float ry) {
    float dx = (u - cx) / rx, dy = (v - cy) / ry;
    return std::sqrt(dx * dx + dy * dy) - 1.0f;
}

// The face, drawn in the tangent plane at longitude 0 (u right, v down).
void PaintFace(float u, float v, float* c) {
    static const float white[3] = {1, 1, 1}, ink[3] = {0.08f, 0.06f, 0.12f}, blush[3] = {1.0f, 0.45f, 0.55f};
    for (int side = -1; side <= 1; side += 2) {
        float ex = 0.27f * float(side), ey = -0.10f;
        if (Ellipse(u, v, ex * 1.75f, 0.26f, 0.13f, 0.08f) < 0) Mix(c, blush, 0.5f);
        float eye = Ellipse(u, v, ex, ey, 0.19f, 0.25f);
        if (eye < 0.12f) Mix(c, ink, 1.0f);
        if (eye < 0.0f) {
            Mix(c, white, 1.0f);
            if (Ellipse(u, v, ex + 0.03f, ey + 0.05f, 0.11f, 0.14f) < 0) Mix(c, ink, 1.0f);
            if (Ellipse(u, v, ex - 0.01f, ey - 0.01f, 0.04f, 0.045f) < 0) Mix(c, white, 1.0f);
        }
    }
    // A wide smile: a band around a circle below the eyes.
    float ring = std::hypot(u, v + 0.02f);
    if (v > 0.17f && std::fabs(ring - 0.33f) < 0.045f) Mix(c, ink, 1.0f);
}

void PaintMarking(float u, float v, const BallLook& look, float* c) {
    float d = MarkingDistance(look.shape, u / kMarkingSize, v / kMarkingSize);
    float outline[3] = {look.body[0] * 0.35f, look.body[1] * 0.35f, look.body[2] * 0.35f};
    if (d < 0.16f) Mix(c, outline, 1.0f);
    if (d < 0.0f) Mix(c, look.marking, 1.0f);
}

// Albedo at a point of the ball's own surface (b is a unit vector).
void SurfaceColour(Vec b, const BallLook& look, float* c) {
    for (int i = 0; i < 3; ++i) c[i] = look.body[i];
    // A lighter belly band around the equator keeps large bodies from looking flat.
    Mix(c, look.marking, 0.10f * (1.0f - Smooth(0.0f, 0.5f, std::fabs(b.y))));
    if (b.z > 0.2f) PaintFace(b.x / b.z, b.y / b.z, c);
    for (float longitude : kMarkingLongitudes) {
        float a = longitude * kPi / 180.0f;
        float mx = b.x * std::cos(a) - b.z * std::sin(a);
        float mz = b.x * std::sin(a) + b.z * std::cos(a);
        if (mz > 0.2f) PaintMarking(mx / mz, b.y / mz, look, c);
    }
}

}  // namespace

Pixmap RenderBallStrip(const BallLook& look) {
    Pixmap strip(kBallFrameSize * kBallFrames, kBallFrameSize);
    const float radius = kBallDiameter / 2.0f, centre = kBallFrameSize / 2.0f;
    const Vec light = Normalised({-0.45f, -0.6f, 0.66f});
    const Vec half = Normalised({light.x, light.y, light.z + 1.0f});
    for (int frame = 0; frame < kBallFrames; ++frame) {
        // Frame k turns the surface by 4k degrees so its front moves towards +x.
        float theta = float(frame) * kBallDegreesPerFrame * kPi / 180.0f;
        float ct = std::cos(theta), st = std::sin(theta);
        for (int py = 0; py < kBallFrameSize; ++py) {
            for (int px = 0; px < kBallFrameSize; ++px) {
                float sum[3] = {0, 0, 0}, cover = 0;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        float x = (px + (sx + 0.5f) / kSamples - centre) / radius;
                        float y = (py + (sy + 0.5f) / kSamples - centre) / radius;
                        float r2 = x * x + y * y;
                        if (r2 >= 1.0f) continue;
                        Vec n{x, y, std::sqrt(1.0f - r2)};
                        Vec b{n.x * ct - n.z * st, n.y, n.x * st + n.z * ct};
                        float c[3];
                        SurfaceColour(b, look, c);
                        float diffuse = std::max(0.0f, Dot(n, light));
                        float specular = std::pow(std::max(0.0f, Dot(n, half)), 60.0f) * 0.75f +
                                     std::pow(std::max(0.0f, Dot(n, half)), 6.0f) * 0.12f;
                        float rim = std::pow(1.0f - n.z, 3.0f) * 0.45f * Smooth(-0.3f, 0.6f, -n.y + 0.3f);
                        float edge = Smooth(0.90f, 0.985f, std::sqrt(r2));
                        for (int i = 0; i < 3; ++i) {
                            float v = c[i] * (0.50f + 0.62f * diffuse) + specular + rim * 0.85f;
                            v += (look.body[i] * 0.25f - v) * edge;
                            sum[i] += std::clamp(v, 0.0f, 1.0f);
                        }
                        cover += 1.0f;
                    }
                }
                if (cover == 0) continue;
                uint8_t* out = strip.At(frame * kBallFrameSize + px, py);
                for (int i = 0; i < 3; ++i) out[i] = uint8_t(std::lround(sum[i] / cover * 255.0f));
                out[3] = uint8_t(std::lround(cover / (kSamples * kSamples) * 255.0f));
            }
        }
    }
    return strip;
}
