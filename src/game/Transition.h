#pragma once
// The screen change: a big Plimb creature grows from the centre until it
// covers the screen, the switch happens under it, and it shrinks away over
// the new screen.

#include <cstdint>

#include "game/ScreenKind.h"
#include "ui/Gadget.h"

class PlimbZappetsApp;
class Sprite;

class Transition : public Gadget {
public:
    static constexpr float kGrowth = 0.25f;    // scale per tick while growing
    static constexpr float kShrink = 0.2f;     // scale per tick while shrinking
    static constexpr float kFullScale = 9.0f;  // the creature covers the screen
    static constexpr int32_t kCreatures = 7;   // the cheerful ones; the eighth is for game over

    Transition(PlimbZappetsApp& app, TransitionKind kind);

    void Update() override;
    void Draw() override;

    float Scale() const { return scale; }
    bool IsShrinking() const { return shrinking; }
    // 1 ... 8.
    int32_t Creature() const { return creature; }

private:
    PlimbZappetsApp& app;
    TransitionKind kind;
    const Sprite* picture = nullptr;
    int32_t creature = 1;
    float scale = 0;
    bool shrinking = false;
};
