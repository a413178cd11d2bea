#pragma once
// The Snake board: two snake-skin lanes, one down each half of a desert,
// both ending in the charmer's basket; large balls; the rattlesnake's tail
// shakes over everything.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Snake : public Board {
public:
    static constexpr const char* kThemeWord = "Snake";

    Board_Snake(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

    // The whole frame, then the rattle on top of it.
    void Draw() override;

private:
    std::unique_ptr<Sprite> enemy, rattle;
};
