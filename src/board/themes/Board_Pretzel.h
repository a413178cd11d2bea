#pragma once
// The Pretzel board: a mustard channel round a floury bakery board, over a
// pretzel-stick bridge, through a dough arch and under a giant pretzel knot,
// winding inwards to the mouse; a bee rests on the board.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Pretzel : public Board {
public:
    static constexpr const char* kThemeWord = "Pretzel";

    Board_Pretzel(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> bee, bridge1, bridge2, bridge3, enemy;
};
