#pragma once
// The Video board: one neon stairway stepping down from the top left to the
// bottom of the screen and up again into the television at the top right;
// large balls.

#include <vector>

#include "board/Board.h"

class Board_Video : public Board {
public:
    static constexpr const char* kThemeWord = "Video";

    Board_Video(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);
};
