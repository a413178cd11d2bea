#pragma once
// The Green board: one sandy cart path sweeping across the golf course in a
// dogleg, from the top right down to the cup on the putting green; large
// balls.

#include <vector>

#include "board/Board.h"

class Board_Green : public Board {
public:
    static constexpr const char* kThemeWord = "Green";

    Board_Green(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);
};
