#pragma once
// The Snail board: one slime trail looping down a lawn in four sweeps to a
// garden snail; middle-sized balls, the launcher's colour favouring the
// second sweep, where most of the chain can be reached.

#include <vector>

#include "board/Board.h"

class Board_Snail : public Board {
public:
    static constexpr const char* kThemeWord = "Snail";

    Board_Snail(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);
};
