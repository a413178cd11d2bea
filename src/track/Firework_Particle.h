#pragma once
// A firework spark that leaves a fading trail: every fifth tick it drops a
// copy of itself that fades on its own.

#include <cstdint>

#include "core/Colour.h"
#include "core/ObjectManager.h"
#include "media/Animator_Sprite.h"

class Firework_Particle : public Animator_Sprite {
public:
    static constexpr int32_t kTicksPerTrailImage = 5;

    explicit Firework_Particle(const Sprite* sprite);
    ~Firework_Particle() override;

    void Update() override;
    void Draw() override;

    const ObjectManager& Trail() const { return trail; }

    // Per tick off the trail images' red, green, blue and fourth channel.
    Colour trailLoss{0, 0, 0, 1};

private:
    ObjectManager trail;
    int32_t ticks = 0;
};
