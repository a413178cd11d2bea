#pragma once
// The bomb power-up: catching it grants the launcher a bomb.

#include "track/Bonus.h"

class Bonus_Bomb : public Bonus {
public:
    explicit Bonus_Bomb(const EffectImages* images) : Bonus(BonusKind::Bomb, images) {}
};
