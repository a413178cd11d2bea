#pragma once
// A fire-and-forget picture: position, velocity, fading, spinning, scaling and
// colour change, killing itself when it has faded, shrunk to nothing or left
// its bounds. Create it with a sprite, set the fields, add it to a manager.

#include <cstdint>

#include "core/Colour.h"
#include "core/Object.h"
#include "core/Rect.h"

class Sprite;

class Animator_Sprite : public Object {
public:
    // Half the side of the default bounds around the screen centre, in
    // logical pixels: in practice an object never leaves them.
    static constexpr float kBoundsReach = 9999;

    // `sprite` is not owned unless mOwnsSprite is set.
    explicit Animator_Sprite(const Sprite* sprite);
    ~Animator_Sprite() override;

    void Update() override;
    void Draw() override;

    const Sprite* mSprite;
    float mX = 0, mY = 0;                    // centre, logical pixels
    float mVX = 0, mVY = 0;                  // per update step
    float mFrictionX = 1, mFrictionY = 1;    // velocity multipliers per step
    float mAlpha = 1;                        // dies at 0
    float mAlphaSpeed = 0;                   // subtracted per step
    float mRotation = 0;                     // degrees
    float mRotationSpeed = 0;                // added per step
    float mScale = 1;                        // dies at 0
    float mScaleSpeed = 0;                   // added per step
    float mAccelX = 0, mAccelY = 0;          // added to the velocity per step
    Colour mColour{1, 1, 1, 1};              // tint, each component kept within 0 .. 1
    Colour mColourSpeed{0, 0, 0, 1};         // subtracted from mColour per step
    Rect mBounds;                            // dies when its position leaves them
    bool mOwnsSprite = false;
    int32_t mDelay = 0;                      // update steps before the animation starts
};
