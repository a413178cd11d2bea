#include "track/LightningBolt.h"

#include <algorithm>
#include <cmath>

#include "core/Random.h"

namespace {
constexpr float kLayerWidths[LightningBolt::kLayerCount] = {1.45f, 1.15f, 0.6f};  // of the bolt's width
constexpr float kKinkSpacing = 24;  // pixels between kinks along the bolt
constexpr float kKinkReach = 0.35f;  // sideways reach of a kink, of the kink spacing
constexpr float kLayerJitter = 0.2f;  // each layer wanders off the shared shape by up to this share of a kink's reach
}  // namespace

LightningBolt::LightningBolt(Vec2 start, Vec2 end, float width) : from(start), to(end) {
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
