#pragma once
// The fire ball power-up: catching it grants the launcher a fire ball.

#include "track/Bonus.h"

class Bonus_Fire : public Bonus {
public:
    explicit Bonus_Fire(const EffectImages* images) : Bonus(BonusKind::Fire, images) {}
};
