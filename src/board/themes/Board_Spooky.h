#pragma once
// The Spooky board: a cobbled path winding up through a moonlit graveyard,
// through a crypt at the top and down into the jack-o'-lantern.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Spooky : public Board {
public:
    static constexpr const char* kThemeWord = "Spooky";

    Board_Spooky(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> bridge, eater;
};
