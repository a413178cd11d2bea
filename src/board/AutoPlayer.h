#pragma once
// A bot that plays a board through the player's own inputs: where the mouse
// points, the fire button and the swap button. It never places balls itself.
// Each time it may fire it looks at what a shot from each launcher position
// would hit, leading the moving chains, and takes the shot that makes the
// largest group, favouring balls near the end when they are in danger; it
// swaps when the next ball does better, and chases falling bonus items
// while it waits.

#include <cstdint>

class Board;
class Plimb;
class Track;

// Where the bot's hands can go instead of straight onto the board: through
// the window, as a player's would (a recorded session then replays without
// the bot).
class BotControls {
public:
    virtual ~BotControls() = default;
    // The pointer to `x` over the field.
    virtual void PointAt(float x) = 0;
    // A press and release of `button` (the board's codes) where it points.
    virtual void Press(int32_t button) = 0;
};

class AutoPlayer {
public:
    // Without `controls` the bot works the board directly; they outlive it.
    explicit AutoPlayer(Board& board, BotControls* controls = nullptr) : board(board), controls(controls) {}

    // Before each board tick: moves the pointer and presses buttons.
    void Tick();

    struct Shot {
        float x = 0;
        float value = 0;  // larger is better; 0 or less: nothing worth hitting
    };
    // The best shot for a ball of `colour` (or a fire ball or bomb) leaving
    // the launcher at height `startY`.
    Shot BestShot(int32_t colour, bool special, float startY) const;

private:
    // Where ball lies when a shot from startY reaches its height.
    static float LeadX(const Track& track, const Plimb& ball, float startY);
    bool ColumnIsFree(float x, float startY) const;
    bool ChaseBonus();
    void Point(float x);
    void Press(int32_t button);

    Board& board;
    BotControls* controls;
};
