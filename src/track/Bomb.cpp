#include "track/Bomb.h"

#include "core/Random.h"
#include "media/Animator_Sprite.h"
#include "media/Graphics.h"
#include "media/Sprite.h"
#include "track/EffectHost.h"
#include "track/EffectImages.h"
#include "track/SmokePuff.h"
#include "track/Sparks.h"

namespace {
constexpr float kFuseTop = -40;  // pixels from the bomb's centre to the fuse's foot
// The fuse rises through two bends, each pushed sideways by up to 3 pixels.
constexpr float kBendReach = 3;
constexpr float kFirstBendRise = -8, kTipRise = -15;  // pixels
constexpr float kSegmentSpacing = 2;                  // pixels between fuse segment images
constexpr int32_t kMaxSegments = 64;                  // a fuse is about 16 pixels long
}  // namespace

Bomb::Bomb(TrackHost* board, EffectHost* effects, const EffectImages* images)
    : Plimb(board), effects(effects), images(images) {
    mName = "Bomb";
    isBomb = true;
    colour = kSpecialColour;
    Random& random = GetRandom();
    fuse.AddPoint(0, 0);
    fuse.AddPoint(kBendReach * random.NextFloat(true), kFirstBendRise);
    fuse.AddPoint(kBendReach * random.NextFloat(true), kTipRise);
}

Vec2 Bomb::FuseTip() {
    Vec2 tip = fuse.PointAt(fuseParameter);
    return {position.x + tip.x, position.y + tip.y + kFuseTop};
}

void Bomb::Update() {
    Plimb::Update();
    if (--smokeCountdown > 0) return;
    smokeCountdown = kSmokeEvery;
    if (!effects || !images) return;
    Vec2 tip = FuseTip();
    if (Animator_Sprite* puff = MakeSmokePuff(*images, tip.x, tip.y)) effects->AddEffect(puff);
}

void Bomb::Draw() {
    if (!images) return;
    Graphics& graphics = GetGraphics();
    graphics.PushColour(Colour{1, 1, 1, fading ? alpha : 1.0f});
    if (images->bomb) images->bomb->DrawRotatedScaled(position.x, position.y, 0, scale);
    if (images->wickSegment) {
        Vec2 start = fuse.PointAt(0);
        float x = start.x, y = start.y, t = 0;
        for (int32_t n = 0; n < kMaxSegments && fuse.FindPointAtDistance(x, y, t, kSegmentSpacing); ++n)
            images->wickSegment->DrawCentred(position.x + x, position.y + y + kFuseTop);
    }
    Vec2 tip = FuseTip();
    DrawSparks(*images, tip.x, tip.y);
    graphics.PopColour();
}
