#include "track/FireEmitter.h"

#include "core/Random.h"
#include "track/PewPewFire.h"

namespace {
constexpr float kSideShift = 6;    // pixels per pixel-per-tick of the flame's start speed
constexpr float kHeightRange = 5;  // flames start up to this many pixels above the emitter
}  // namespace

FireEmitter::FireEmitter(const EffectImages* images, float x, float y) : x(x), y(y), images(images) {}

FireEmitter::~FireEmitter() { Clear(); }

void FireEmitter::Update() {
    if (ticks == 0) {
        auto* flame = new PewPewFire(images, x);
        flame->position = {x + kSideShift * flame->StartSpeed(), y - kHeightRange * GetRandom().NextFloat()};
        Add(flame);
    }
    ticks = (ticks + 1) % kTicksPerFlame;
    ObjectManager::Update();
}
