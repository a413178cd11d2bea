#pragma once
// The Cosmic board: two star trails swing up and down across either half of
// space and fall into one black hole low in the middle, one from each side;
// middle-sized balls.

#include <vector>

#include "board/Board.h"

class Board_Cosmic : public Board {
public:
    static constexpr const char* kThemeWord = "Cosmic";

    Board_Cosmic(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);
};
