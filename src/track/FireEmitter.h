#pragma once
// A fire on the journey map: every fourth tick a new flame rises from the
// emitter's point; the emitter owns, updates and draws its flames.

#include <cstdint>

#include "core/ObjectManager.h"

struct EffectImages;

class FireEmitter : public ObjectManager {
public:
    static constexpr int32_t kTicksPerFlame = 4;

    // `images` may be null (flames then draw nothing) and outlives the emitter.
    FireEmitter(const EffectImages* images, float x, float y);
    ~FireEmitter() override;

    void Update() override;

    float x, y;

private:
    const EffectImages* images;
    int32_t ticks = 0;
};
