#pragma once
// A horizontal slider: a knob dragged along a track sets a value from 0 at
// the left end to 1 at the right; every change is reported to the listener.
// Highlighted by keys, the knob glows and the arrows move it.

#include "ui/Gadget.h"

class Sprite;

class Slider : public Gadget {
public:
    // `knob` may be null (a plain white knob of the given size is drawn).
    Slider(const Sprite* knob, float knobWidth, float knobHeight, float endMargin);

    void SetValue(float value);  // brought into 0 ... 1
    float Value() const { return value; }
    float KnobCentreX() const;
    // The value for the pointer at `x` while the knob is held.
    float ValueAt(float x) const;

    void Draw() override;
    void OnMouseMove(float x, float y) override;
    void OnMouseDown(float x, float y, int32_t button) override;
    void OnDragStart(float x, float y) override;
    void OnDrag(float x, float y) override;
    void OnDragEnd(float x, float y) override { held = false; }
    // The keys and the pad move the knob a step at a time.
    bool StepByKey(int32_t direction) override;
    bool PressByKey() override { return true; }

    static constexpr float kKeyStep = 0.05f;  // of the whole travel

private:
    bool OverKnob(float x, float y) const;

    const Sprite* knob;
    float knobWidth, knobHeight, margin;
    float value = 0;
    float grabOffset = 0;  // from the pointer to the knob's centre when it was taken
    bool held = false;
};
