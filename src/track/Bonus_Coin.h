#pragma once
// A coin: its animated strip over a turning halo; catching it pays points.

#include "core/Random.h"
#include "track/Bonus.h"

class Bonus_Coin : public Bonus {
public:
    static constexpr float kStartAngle = 2;  // degrees, either way

    // `coinKind` (0 .. 5) is the frame of the coin strip.
    Bonus_Coin(const EffectImages* images, int32_t coinKind) : Bonus(BonusKind::Coin, images) {
        frame = coinKind;
        angle = GetRandom().Next(2) == 0 ? kStartAngle : -kStartAngle;
    }
};
