#pragma once
// The Tooth board: a stripe of toothpaste running down a bathroom wall into
// a greedy molar, passing unseen beneath a giant toothbrush and coming in
// from under a foamy scrubber; middle-sized balls.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Tooth : public Board {
public:
    static constexpr const char* kThemeWord = "Tooth";

    Board_Tooth(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> enemy, scrubber, toothbrush;
};
