#pragma once
// The Egypt board: a long sandstone channel snaking down a temple courtyard,
// out of a gateway at the top left and through a sphinx gate on the last row
// into the scarab.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Egypt : public Board {
public:
    static constexpr const char* kThemeWord = "Egypt";

    Board_Egypt(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> bridge1, bridge2, eater;
};
