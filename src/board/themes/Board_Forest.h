#pragma once
// The Forest board: a dirt trail through a clearing that loops back on itself,
// first under a fallen log and later along its top, into the frog.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Forest : public Board {
public:
    static constexpr const char* kThemeWord = "Forest";

    Board_Forest(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> log, eater;
};
