#pragma once
// The Chrome board: one pipe coiled like a radiator in U bends across the
// steel panel, dropping in from the top left and rising into the turbine
// intake at the right; large balls.

#include <vector>

#include "board/Board.h"

class Board_Chrome : public Board {
public:
    static constexpr const char* kThemeWord = "Chrome";

    Board_Chrome(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);
};
