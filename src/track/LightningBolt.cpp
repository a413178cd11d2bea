#include "track/LightningBolt.h"

#include <algorithm>
#include <cmath>

#include "core/Matrix.h"
#include "core/Random.h"
#include "media/Graphics.h"
#include "media/Sprite.h"

namespace {
constexpr float kLayerWidths[LightningBolt::kLayerCount] = {1.45f, 1.15f, 0.6f};  // of the bolt's width
constexpr float kKinkSpacing = 24;  // pixels between kinks along the bolt
constexpr float kKinkReach = 0.35f;  // sideways reach of a kink, of the kink spacing
// Dark purple glow, cyan body, white core.
constexpr Colour kLayerColours[LightningBolt::kLayerCount] = {{0.25f, 0, 0.25f, 1}, {0, 0.8f, 1, 1}, {1, 0.9f, 1, 1}};
constexpr float kDegreesPerRadian = 57.29578f;
constexpr int32_t kSilhouette = 1, kNormalBlend = 0;  // graphics blend modes
constexpr float kLayerJitter = 0.2f;  // each layer wanders off the shared shape by up to this share of a kink's reach
}  // namespace

LightningBolt::LightningBolt(Vec2 start, Vec2 end, float width, const Sprite* strokeImage)
    : from(start), to(end), stroke(strokeImage) {
    Random& random = GetRandom();
    float dx = to.x - from.x, dy = to.y - from.y;
    float length = std::sqrt(dx * dx + dy * dy);
    int32_t kinks = std::max(1, static_cast<int32_t>(length / kKinkSpacing));
    float nx = length > 0 ? -dy / length : 0, ny = length > 0 ? dx / length : 0;  // sideways unit vector

    // One shared zigzag, so the layers lie over each other; each layer then
    // jitters a little on its own so the bolt does not look stamped.
    std::vector<float> offsets(static_cast<size_t>(kinks) + 1, 0.0f);
    float reach = kKinkReach * std::min(kKinkSpacing, length);
    for (int32_t k = 1; k < kinks; ++k) offsets[k] = random.NextFloatRange(reach, true);

    for (int32_t n = 0; n < kLayerCount; ++n) {
        Layer& layer = layers[n];
        layer.width = kLayerWidths[n] * width;
        layer.points.reserve(offsets.size());
        for (int32_t k = 0; k <= kinks; ++k) {
            float t = static_cast<float>(k) / static_cast<float>(kinks);
            float side = offsets[k];
            if (k > 0 && k < kinks) side += random.NextFloatRange(kLayerJitter * reach, true);
            layer.points.push_back({from.x + dx * t + nx * side, from.y + dy * t + ny * side});
        }
    }
}

void LightningBolt::Draw(int32_t layer) const {
    if (!stroke || stroke->Width() <= 0 || stroke->Height() <= 0) return;
    Graphics& graphics = GetGraphics();
    // Silhouettes, so each layer is exactly its colour whatever the stroke image.
    graphics.SetBlendMode(kSilhouette);
    if (layer == kAllLayers) {
        for (int32_t n = 0; n < kLayerCount; ++n) DrawLayer(n);
    } else if (layer >= 0 && layer < kLayerCount) {
        DrawLayer(layer);
    }
    graphics.SetBlendMode(kNormalBlend);
    graphics.SetColour(1, 1, 1, 1);
}

void LightningBolt::DrawLayer(int32_t index) const {
    const Layer& layer = layers[index];
    GetGraphics().SetColour(kLayerColours[index]);
    for (size_t i = 1; i < layer.points.size(); ++i) {
        const Vec2& a = layer.points[i - 1];
        const Vec2& b = layer.points[i];
        float dx = b.x - a.x, dy = b.y - a.y;
        // Reach past both ends by half the width so the stretches overlap at the kinks.
        float length = std::sqrt(dx * dx + dy * dy) + layer.width;
        Matrix transform;
        transform.Scale(length / stroke->Width(), layer.width / stroke->Height());
        transform.Rotate(std::atan2(dy, dx) * kDegreesPerRadian);
        transform.Translate((a.x + b.x) / 2, (a.y + b.y) / 2);
        stroke->DrawTransformed(transform);
    }
}
