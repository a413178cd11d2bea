#pragma once
// The bot's hands on the keyboard: it holds Left or Right until the
// launcher's aim reaches where it wants it, and taps Space to fire and Down
// to swap. The keys go through the window's own queue, so they travel the
// player's whole way in (`--autoplay-keys`).

#include <cstdint>

#include "board/AutoPlayer.h"

class App;
class Board;

class BotKeys : public BotHands {
public:
    BotKeys(App& app, const Board& board) : app(app), board(board) {}
    ~BotKeys() override;

    // Around each bot tick: a tick without aiming lets the held key go.
    void BeginTick() { pointed = false; }
    void EndTick();

    void Point(float x) override;
    void Fire() override;
    void Swap() override;

private:
    void Send(uint32_t message, uint32_t key);
    void Hold(uint32_t key);  // 0: none

    App& app;
    const Board& board;
    uint32_t held = 0;
    bool pointed = false;
};
