#pragma once
// The Technicolor board: one ribbon in two great rainbow arches over the
// sunburst, from the left edge down into the whirl at the right; small balls.

#include <vector>

#include "board/Board.h"

class Board_Technicolor : public Board {
public:
    static constexpr const char* kThemeWord = "Technicolor";

    Board_Technicolor(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);
};
