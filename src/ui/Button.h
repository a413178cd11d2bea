#pragma once
// The image button: reports a click to its listener (PostNotify) when the
// left button is released over it after being pressed on it. Its look is a
// strip of frames: 0 normal, 1 highlighted, 2 pressed, and, with four
// frames, 3 disabled.

#include <cstdint>

#include "ui/Gadget.h"

class Sound;
class SpriteStrip;

class Button : public Gadget {
public:
    Button();
    ~Button() override;

    // `owns`: the button deletes the strip when it goes. Null: the owner
    // draws the button itself from mHovered and mPressed.
    void SetStrip(SpriteStrip* strip, bool owns);
    // Either may be null. Not owned.
    void SetSounds(Sound* press, Sound* hover);
    // The frame the button shows now.
    int32_t Frame() const;

    void Draw() override;
    void OnMouseDown(float x, float y, int32_t button) override;
    void OnDoubleClick(float x, float y, int32_t button) override;
    void OnMouseUp(float x, float y, int32_t button) override;
    void OnMouseEnter() override;

    SpriteStrip* mStrip = nullptr;
    bool mOwnsStrip = false;
    Sound* mPressSound = nullptr;
    Sound* mHoverSound = nullptr;
    bool mPressed = false;      // pressed on this button and not yet released
    bool mArmed = false;        // the current press started here
    bool mFireOnPress = false;  // report on the press instead of the release
    bool mHoldMode = false;     // take the mouse on the press and report at once

private:
    void Report();
};
