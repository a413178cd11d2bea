#include "track/PopPuff.h"

#include "media/Animator_Sprite.h"
#include "track/EffectImages.h"

namespace {
constexpr float kShrink = 0.045f;    // of the ball's scale, per tick
constexpr float kAlphaLoss = 0.035f;  // per tick
}  // namespace

Animator_Sprite* MakePopPuff(const EffectImages& images, float x, float y, float ballScale) {
    if (!images.poof) return nullptr;
    auto* puff = new Animator_Sprite(images.poof);
    puff->mX = x;
    puff->mY = y;
    puff->mScale = ballScale;
    puff->mScaleSpeed = -kShrink * ballScale;
    puff->mAlpha = ballScale;
    puff->mAlphaSpeed = kAlphaLoss;
    return puff;
}
