#include "media/Animator_Sprite.h"

#include <algorithm>

#include "core/Matrix.h"
#include "media/Graphics.h"
#include "media/Sprite.h"

Animator_Sprite::Animator_Sprite(const Sprite* sprite) : mSprite(sprite) {
    const Graphics& graphics = GetGraphics();
    mBounds = Rect{static_cast<float>(graphics.Width()) * 0.5f - kBoundsReach,
                   static_cast<float>(graphics.Height()) * 0.5f - kBoundsReach, 2 * kBoundsReach, 2 * kBoundsReach};
}

Animator_Sprite::~Animator_Sprite() {
    if (mOwnsSprite) delete mSprite;
}

void Animator_Sprite::Update() {
    if (mDelay >= 1) {
        --mDelay;
        return;
    }
    mAlpha -= mAlphaSpeed;
    if (mAlpha <= 0) Kill();
    mRotation += mRotationSpeed;
    mScale += mScaleSpeed;
    if (mScale <= 0) Kill();
    mX += mVX;
    mY += mVY;
    mVX += mAccelX;
    mVY += mAccelY;
    mVX *= mFrictionX;
    mVY *= mFrictionY;
    mColour.r = std::clamp(mColour.r - mColourSpeed.r, 0.0f, 1.0f);
    mColour.g = std::clamp(mColour.g - mColourSpeed.g, 0.0f, 1.0f);
    mColour.b = std::clamp(mColour.b - mColourSpeed.b, 0.0f, 1.0f);
    mColour.a = std::clamp(mColour.a - mColourSpeed.a, 0.0f, 1.0f);
    if (!mBounds.Contains(mX, mY)) Kill();
}

void Animator_Sprite::Draw() {
    if (!mSprite) return;
    Graphics& graphics = GetGraphics();
    graphics.PushColour(Colour{mColour.r, mColour.g, mColour.b, std::clamp(mAlpha, 0.0f, 1.0f)});
    Matrix transform;
    transform.Scale(mScale, mScale, mScale);
    transform.Rotate(mRotation);
    transform.Translate(mX, mY);
    mSprite->DrawTransformed(transform);
    graphics.PopColour();
}
