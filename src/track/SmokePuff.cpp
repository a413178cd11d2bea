#include "track/SmokePuff.h"

#include "core/Random.h"
#include "media/Animator_Sprite.h"
#include "track/EffectImages.h"

namespace {
constexpr int32_t kSideJitter = 6;        // whole pixels either way, exclusive
constexpr float kAbove = -10;             // pixels
constexpr float kDriftRange = 0.35f;      // pixels per tick either way
constexpr float kRise = -1;               // pixels per tick
constexpr float kAlphaBase = 0.25f, kAlphaRange = 0.45f;
constexpr float kAlphaLoss = 0.0025f;     // per tick
constexpr float kDarkening = 0.015f;      // per tick off red, green and blue
constexpr int32_t kAngles = 360;          // whole degrees
constexpr float kSpinRange = 3;           // degrees per tick either way
}  // namespace

Animator_Sprite* MakeSmokePuff(const EffectImages& images, float x, float y) {
    Random& random = GetRandom();
    float px = x + static_cast<float>(random.Next(kSideJitter, true));
    const Sprite* image = images.smoke[random.Next(EffectImages::kSmokeCount)];
    if (!image) return nullptr;
    auto* puff = new Animator_Sprite(image);
    puff->mX = px;
    puff->mY = y + kAbove;
    puff->mVX = random.NextFloatRange(kDriftRange, true);
    puff->mVY = kRise;
    puff->mAlpha = kAlphaBase + kAlphaRange * random.NextFloat();
    puff->mAlphaSpeed = kAlphaLoss;
    puff->mColourSpeed.r = kDarkening;
    puff->mColourSpeed.g = kDarkening;
    puff->mColourSpeed.b = kDarkening;
    puff->mRotation = static_cast<float>(random.Next(kAngles));
    puff->mRotationSpeed = random.NextFloatRange(kSpinRange, true);
    return puff;
}
