#include "board/SlideControl.h"

#include <algorithm>
#include <cstdlib>

#include "platform/WindowMessages.h"

void SlideControl::Hold(int32_t side, Source source, bool down) {
    uint32_t& held = side < 0 ? leftHeld : rightHeld;
    bool wasHeld = leftHeld || rightHeld;
    held = down ? held | source : held & ~static_cast<uint32_t>(source);
    // A new press starts slow again, so a tap is a fine correction.
    if (down && !wasHeld) heldSteps = 0;
}

void SlideControl::SetStick(int32_t value) { stick = std::abs(value) < kStickDeadZone ? 0 : value; }

void SlideControl::ReleaseAll() {
    leftHeld = rightHeld = 0;
    heldSteps = 0;
    stick = 0;
}

float SlideControl::Step() {
    int32_t direction = (rightHeld ? 1 : 0) - (leftHeld ? 1 : 0);
    if (leftHeld || rightHeld) {
        float ramp = std::min(1.0f, static_cast<float>(heldSteps) / static_cast<float>(kRampSteps));
        ++heldSteps;
        return static_cast<float>(direction) * (kStartSpeed + (kTopSpeed - kStartSpeed) * ramp);
    }
    if (stick == 0) return 0;
    // Squared, so that a light lean aims finely and a full one crosses quickly.
    float lean =
        static_cast<float>(std::abs(stick) - kStickDeadZone) / static_cast<float>(kPadAxisMost - kStickDeadZone);
    lean = std::clamp(lean, 0.0f, 1.0f);
    return (stick < 0 ? -1.0f : 1.0f) * kTopSpeed * lean * lean;
}
