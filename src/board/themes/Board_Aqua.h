#pragma once
// The Aqua board: one sandy trench through a coral reef. The chain climbs
// over a coral rock and later tunnels through it on its way to the octopus;
// kelp, coral and rocks stand in front of everything.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Aqua : public Board {
public:
    static constexpr const char* kThemeWord = "Aqua";

    Board_Aqua(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> bridge, foreground1, foreground2, foreground3, enemy;
};
