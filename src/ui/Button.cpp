#include "ui/Button.h"

#include "media/Sound.h"
#include "media/SpriteStrip.h"

namespace {
enum ButtonFrame : int32_t { kNormalFrame = 0, kHighlightedFrame = 1, kPressedFrame = 2, kDisabledFrame = 3 };
constexpr int32_t kFramesWithDisabledLook = 4;
constexpr float kSoundVolume = 1.0f;
}  // namespace

Button::Button() { SetHandCursor(); }

Button::~Button() {
    if (mOwnsStrip) delete mStrip;
}

void Button::SetStrip(SpriteStrip* strip, bool owns) {
    if (mOwnsStrip && mStrip != strip) delete mStrip;
    mStrip = strip;
    mOwnsStrip = owns;
}

void Button::SetSounds(Sound* press, Sound* hover) {
    mPressSound = press;
    mHoverSound = hover;
}

int32_t Button::Frame() const {
    if (mDisabled && mStrip && mStrip->FrameCount() >= kFramesWithDisabledLook) return kDisabledFrame;
    if (mPressed && mHovered) return kPressedFrame;
    if (mHovered) return kHighlightedFrame;
    return kNormalFrame;
}

void Button::Draw() {
    if (mStrip) mStrip->Frame(Frame()).Draw(0, 0);
}

void Button::Report() {
    if (mListener) mListener->PostNotify(this);
}

void Button::OnMouseEnter() {
    if (mHoverSound) mHoverSound->Play(kSoundVolume);
}

void Button::OnMouseDown(float x, float y, int32_t button) {
    if (button != kLeftButton || mPressed) return;
    if (mPressSound) mPressSound->Play(kSoundVolume);
    mPressed = true;
    mArmed = true;
    if (mHoldMode) {
        Capture();
        Report();
    } else if (mFireOnPress) {
        Report();
    }
}

void Button::OnDoubleClick(float x, float y, int32_t button) {
    if (mFireOnPress) OnMouseDown(x, y, button);
}

void Button::OnMouseUp(float x, float y, int32_t button) {
    if (button != kLeftButton) return;
    bool fire = mArmed && !mHoldMode && mHovered && !mFireOnPress;
    mPressed = false;
    mArmed = false;
    if (fire) Report();
}
