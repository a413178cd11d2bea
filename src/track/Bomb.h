#pragma once
// The bomb the launcher gets from a bomb bonus: a ball with a smoking fuse,
// bent differently on every bomb. Its blast is the board's.

#include <cstdint>

#include "track/Plimb.h"
#include "track/QuickSpline.h"

class EffectHost;
struct EffectImages;

class Bomb : public Plimb {
public:
    static constexpr int32_t kSmokeEvery = 10;  // ticks between puffs

    // Smoke puffs go to `effects` (the board's effect objects); effects and
    // images may be null and outlive the bomb.
    Bomb(TrackHost* board, EffectHost* effects, const EffectImages* images);

    // The ball update, then the fuse smokes.
    void Update() override;
    void Draw() override;

    // The burning tip of the fuse on screen.
    Vec2 FuseTip();

    QuickSpline fuse;  // relative to the top of the bomb
    float fuseParameter = 0;
    int32_t smokeCountdown = 0;

private:
    EffectHost* effects;
    const EffectImages* images;
};
