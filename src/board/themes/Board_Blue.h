#pragma once
// The Blue board: two lanes, one entering at the top right and one at the
// bottom left, each ending in its own eater; large balls.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Blue : public Board {
public:
    static constexpr const char* kThemeWord = "Blue";

    Board_Blue(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> enemy1, enemy2;
};
