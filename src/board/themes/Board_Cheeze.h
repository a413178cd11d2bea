#pragma once
// The Cheeze board: one groove cut through the holey cheese in a Z (along the
// top, down the long diagonal, along the bottom) into the mouse's mouth; large
// balls.

#include <vector>

#include "board/Board.h"

class Board_Cheeze : public Board {
public:
    static constexpr const char* kThemeWord = "Cheeze";

    Board_Cheeze(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);
};
