#pragma once
// The back power-up: catching it runs the chains backwards for a while.

#include "track/Bonus.h"

class Bonus_Back : public Bonus {
public:
    explicit Bonus_Back(const EffectImages* images) : Bonus(BonusKind::Back, images) {}
};
