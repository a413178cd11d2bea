#pragma once
// The heads-up display over a level started from the command line: frame,
// score, progress bar, the board's menu button, lives and the pause dimming,
// drawn the way the game screen will draw them. Stands in with GameStandIn
// until the game screen exists; then both go.

#include <cstdint>

#include "media/Font.h"
#include "ui/Gadget.h"

class Board;
class BoardMediaStore;
class GameStandIn;
class Sprite;
class SpriteStrip;

class StandInHud : public Gadget {
public:
    // `game` and `board` must outlive the display; pictures come from `media`.
    StandInHud(const GameStandIn& game, const Board& board, BoardMediaStore& media);

    void Update() override;
    void Draw() override;

private:
    const GameStandIn& game;
    const Board& board;
    const Sprite* frame;
    const Sprite* progressFill;
    const Sprite* livesIcon;
    const Sprite* pauseBox;
    const SpriteStrip* menuButton;
    Font scoreFont;
    Font livesFont;
    float progressShown = 0;  // the bar's drawn fill, 0 .. 1, following the real progress
    float dimAlpha = 0;       // the pause dimming, growing while paused
};
