#pragma once
// One flame puff rising from a fire emitter: it swings out to one side, drifts
// back towards the emitter, cools from yellow or orange towards red and fades.

#include <cstdint>

#include "core/Colour.h"
#include "core/Object.h"
#include "track/Vec2.h"

class Sprite;
struct EffectImages;

class PewPewFire : public Object {
public:
    // Start values are drawn from the game's generator; `images` may be null.
    PewPewFire(const EffectImages* images, float emitterX);

    void Update() override;
    void Draw() override;

    // Horizontal start speed (pixels per tick): the emitter places the flame
    // by it.
    float StartSpeed() const { return startSpeed; }
    Vec2 position;
    Colour colour;       // alpha unused: see `alpha`
    Colour colourLoss;   // per tick
    float alpha = 1;
    float angle = 0;     // degrees
    float spin = 0;      // degrees per tick
    float scale = 1;
    float speedY;        // pixels per tick
    float speedYChange;  // per tick
    float speedX = 0;
    float speedXChange = 0;
    bool swinging = true;
    float emitterX;
    int32_t imageIndex = 0;  // which of the three smoke images

private:
    float startSpeed = 0;
    const Sprite* image = nullptr;
};
