#include "track/Firework_Particle.h"

#include <algorithm>

namespace {
constexpr float kTrailAlphaLoss = 0.01f;  // per tick
}  // namespace

Firework_Particle::Firework_Particle(const Sprite* sprite) : Animator_Sprite(sprite) { mName = "firework"; }

Firework_Particle::~Firework_Particle() { trail.Clear(); }

void Firework_Particle::Update() {
    Animator_Sprite::Update();
    ticks = (ticks + 1) % kTicksPerTrailImage;
    if (ticks == 0) {
        auto* image = new Animator_Sprite(mSprite);
        image->mX = mX;
        image->mY = mY;
        image->mColour = mColour;
        image->mAlpha = std::min(mAlpha, 1.0f);
        image->mAlphaSpeed = kTrailAlphaLoss;
        image->mRotation = mRotation;
        image->mScale = mScale;
        image->mColourSpeed = trailLoss;
        trail.Add(image);
    }
    trail.Update();
}

void Firework_Particle::Draw() {
    trail.Draw();
    Animator_Sprite::Draw();
}
