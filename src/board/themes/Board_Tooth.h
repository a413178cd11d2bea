#pragma once
// The Tooth board: a stripe of toothpaste running down a bathroom wall into
// a greedy molar, passing unseen beneath a giant toothbrush and coming in
// from under a foamy scrubber; middle-sized balls.

#include <memory>

#include "board/Board.h"

class Board_Tooth : public Board {
public:
    static constexpr const char* kThemeWord = "Tooth";

    Board_Tooth(BoardGame& game, const BoardMedia* media);

protected:
    // The lane and the molar first, the scrubber and the toothbrush over them.
    bool DrawPlayfield() override;

private:
    std::unique_ptr<Sprite> enemy, scrubber, toothbrush;
    float scrubberX = 0, toothbrushX = 0;
};
