#pragma once
// The Taxman board: a brass coin chute zigzagging down the tax collector's
// desk into his money sack, under his grasping hand; large balls; the
// launcher's colour favours the second and the last two runs.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Taxman : public Board {
public:
    static constexpr const char* kThemeWord = "Taxman";

    Board_Taxman(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> enemy, hand;
};
