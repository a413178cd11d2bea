#include "game/menus/Slider.h"

#include <algorithm>

#include "media/Graphics.h"
#include "media/Sprite.h"

namespace {
constexpr Colour kKeyGlow{1, 1, 0.6f, 0.35f};  // over the knob while the keys hold the highlight
}  // namespace

Slider::Slider(const Sprite* knobPicture, float width, float height, float endMargin)
    : knob(knobPicture), knobWidth(width), knobHeight(height), margin(endMargin) {
    mDragThreshold = 0;  // the knob follows the pointer from the first pixel
}

void Slider::SetValue(float newValue) { value = std::clamp(newValue, 0.0f, 1.0f); }

float Slider::KnobCentreX() const { return margin + knobWidth / 2 + value * (mRect.width - knobWidth - 2 * margin); }

float Slider::ValueAt(float x) const {
    float travel = mRect.width - knobWidth - 2 * margin;
    if (travel <= 0) return 0;
    return std::clamp((grabOffset + x - (knobWidth / 2 + margin)) / travel, 0.0f, 1.0f);
}

bool Slider::OverKnob(float x, float y) const {
    float left = KnobCentreX() - knobWidth / 2;
    return x >= left && x < left + knobWidth && y >= 0 && y < mRect.height;
}

void Slider::OnMouseMove(float x, float y) {
    if (held) return;
    if (OverKnob(x, y))
        SetHandCursor();
    else
        SetArrowCursor();
}

void Slider::OnMouseDown(float x, float y, int32_t button) {
    held = button == kLeftButton && OverKnob(x, y);
    if (held) grabOffset = KnobCentreX() - x;
}

void Slider::OnDragStart(float x, float y) {
    if (!held) EndDrag();  // only the knob can be dragged
}

void Slider::OnDrag(float x, float y) {
    if (!held) return;
    float next = ValueAt(x);
    if (next == value) return;
    value = next;
    if (mListener) mListener->PostNotify(this);
}

bool Slider::StepByKey(int32_t direction) {
    float next = std::clamp(value + static_cast<float>(direction) * kKeyStep, 0.0f, 1.0f);
    if (next != value) {
        value = next;
        if (mListener) mListener->PostNotify(this);
    }
    return true;
}

void Slider::Draw() {
    float left = KnobCentreX() - knobWidth / 2, top = (mRect.height - knobHeight) / 2;
    Graphics& graphics = GetGraphics();
    if (knob) {
        knob->Draw(left, top);
    } else {
        graphics.PushColour({1, 1, 1, 1});
        graphics.FillRect(left, top, knobWidth, knobHeight);
        graphics.PopColour();
    }
    // The pointer needs no glow: it shows where it is itself.
    const GadgetHost* host = GetGadgetHost();
    if (!mHovered || !host || !host->mKeyHighlight) return;
    graphics.PushColour(kKeyGlow);
    graphics.FillRect(left, top, knobWidth, knobHeight);
    graphics.PopColour();
}
