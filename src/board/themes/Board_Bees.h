#pragma once
// The Bees board: one honey trail looping over a meadow into a straw hive,
// with two bees circling the hive until it is gone; large balls.

#include <memory>
#include <vector>

#include "board/Board.h"
#include "media/SpriteStrip.h"

class Board_Bees : public Board {
public:
    static constexpr const char* kThemeWord = "Bees";

    // One of the two bees: where it is, which way it heads and its wing beat.
    struct Bee {
        Vec2 position;
        float heading = 0;  // degrees, clockwise on screen
        float flap = 0;     // 0 .. 2: wings up below 1, down above
        bool visible = true;
    };
    static constexpr int32_t kBeeCount = 2;

    Board_Bees(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

    void Update() override;
    const Bee& BeeAt(int32_t index) const { return bees[index]; }

protected:
    bool DrawPlayfield() override;

private:
    std::unique_ptr<Sprite> hive;
    SpriteStrip beeFrames;
    Vec2 hiveAnchor;  // top-left corner of the hive as placed
    float beeAngle = 0;
    Bee bees[kBeeCount];
};
