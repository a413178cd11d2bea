#pragma once
// Steering the launcher without the pointer: held keys or d-pad slide it,
// slowly at first for fine aim and faster the longer they are held, and the
// stick slides it at a speed that grows with its lean. Step() is the
// distance the launcher's aim moves in one update step.

#include <cstdint>

class SlideControl {
public:
    enum Source : uint32_t { ArrowKey = 1, LetterKey = 2, DPad = 4 };
    static constexpr float kStartSpeed = 2.0f;       // pixels per step when a key goes down
    static constexpr float kTopSpeed = 10.0f;        // pixels per step after kRampSteps
    static constexpr int32_t kRampSteps = 45;        // update steps from start to top speed
    static constexpr int32_t kStickDeadZone = 6000;  // of kPadAxisMost: a stick at rest

    // side -1 left, 1 right.
    void Hold(int32_t side, Source source, bool down);
    void SetStick(int32_t value);
    // Everything let go (the game paused or lost the focus).
    void ReleaseAll();
    bool IsSliding() const { return leftHeld || rightHeld || stick != 0; }
    float Step();

private:
    uint32_t leftHeld = 0, rightHeld = 0;  // Source bits
    int32_t heldSteps = 0;
    int32_t stick = 0;
};
