#include "track/FireBall.h"

#include "core/Matrix.h"
#include "core/Random.h"
#include "media/Graphics.h"
#include "media/SpriteStrip.h"
#include "track/EffectImages.h"

namespace {
constexpr float kFramesPerDraw = 0.33f;
constexpr float kDrawScale = 1.35f;  // of the ball's scale: the flames reach past the ball
constexpr int32_t kNormalBlend = 0;
}  // namespace

FireBall::FireBall(TrackHost* board, const EffectImages* images)
    : Plimb(board), frame(static_cast<float>(GetRandom().Next(kFrames))), images(images) {
    mName = "FireBall";
    isFireBall = true;
    colour = kSpecialColour;
}

void FireBall::Draw() {
    frame += kFramesPerDraw;
    if (frame >= kFrames) frame -= kFrames;
    if (!images || !images->fireball) return;
    int32_t shown = static_cast<int32_t>(frame);
    if (shown < 0 || shown >= kFrames) shown = 0;

    Graphics& graphics = GetGraphics();
    graphics.SetBlendMode(kNormalBlend);
    graphics.PushColour(Colour{1, 1, 1, fading ? alpha : 1.0f});
    // Flipped top to bottom: the flames trail below the rising ball.
    Matrix transform;
    transform.Scale(scale * kDrawScale, -scale * kDrawScale);
    transform.Translate(position.x, position.y);
    images->fireball->Frame(shown).DrawTransformed(transform);
    graphics.PopColour();
}
