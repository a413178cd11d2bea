#pragma once
// The bot's hands on the window: its pointer moves and presses go in as the
// player's input, so that a recording of the session replays without it.

#include <cstdint>

#include "board/AutoPlayer.h"

class App;

class BotWindowControls : public BotHands {
public:
    static constexpr float kPointerY = 300;  // logical pixels: over the field, clear of the board's menu button

    explicit BotWindowControls(App& app) : app(app) {}

    void Point(float x) override;
    void Fire() override { Click(true); }
    void Swap() override { Click(false); }

private:
    // A press and release of the left or right button where the pointer is.
    void Click(bool left);
    void Send(uint32_t message, uint32_t wparam) const;

    App& app;
    int32_t pointedX = -1;  // logical pixels; -1 before the first move
};
