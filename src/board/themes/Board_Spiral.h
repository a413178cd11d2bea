#pragma once
// The Spiral board: one lane winding inwards twice round a candy swirl into
// the chomper at its heart; large balls; the launcher's colour favours the
// bottom of each turn, the part of the chain a shot from below can reach.

#include <vector>

#include "board/Board.h"

class Board_Spiral : public Board {
public:
    static constexpr const char* kThemeWord = "Spiral";

    Board_Spiral(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);
};
