#include "track/Sparks.h"

#include "core/Random.h"
#include "media/Sprite.h"
#include "track/EffectImages.h"

namespace {
constexpr float kSparkScale = 0.35f, kSparkScaleRange = 0.25f;
constexpr float kInnerSparkShare = 0.66f;  // of the outer spark's scale
constexpr int32_t kAngles = 360;           // whole degrees

Random& FlickerRandom() {
    static Random flicker;
    return flicker;
}
}  // namespace

void DrawSparks(const EffectImages& images, float x, float y) {
    if (!images.spark) return;
    Random& random = FlickerRandom();
    float angle = static_cast<float>(random.Next(kAngles));
    float scale = kSparkScale + kSparkScaleRange * random.NextFloat();
    images.spark->DrawRotatedScaled(x, y, angle, scale);
    images.spark->DrawRotatedScaled(x, y, angle, scale * kInnerSparkShare);
}
