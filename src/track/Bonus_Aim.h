#pragma once
// The aim power-up: catching it shows the aiming beam for a while.

#include "track/Bonus.h"

class Bonus_Aim : public Bonus {
public:
    explicit Bonus_Aim(const EffectImages* images) : Bonus(BonusKind::Aim, images) {}
};
