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

// What the bot does with its hands. Without any it uses the mouse's own ways
// into the board; the game can give it a keyboard instead.
class BotHands {
public:
    virtual ~BotHands() = default;
    // Called every tick the bot aims, with where it wants the launcher.
    virtual void Point(float x) = 0;
    virtual void Fire() = 0;
    virtual void Swap() = 0;
};

class AutoPlayer {
public:
    // `hands` is not owned; null: the mouse.
    explicit AutoPlayer(Board& board, BotHands* hands = nullptr) : board(board), hands(hands) {}

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
    void Fire();
    void Swap();

    Board& board;
    BotHands* hands;
};
