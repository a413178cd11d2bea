#pragma once
// The slow power-up: catching it caps the chains' speed for a while.

#include "track/Bonus.h"

class Bonus_Slow : public Bonus {
public:
    explicit Bonus_Slow(const EffectImages* images) : Bonus(BonusKind::Slow, images) {}
};
