#pragma once
// The Bobsled board: two ice runs down a snowy slope, built through points,
// meeting at the yeti. The short run crosses the long one on an ice bridge;
// plank and log bridges carry them over frozen creeks; pines stand over all.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Bobsled : public Board {
public:
    static constexpr const char* kThemeWord = "Bobsled";

    Board_Bobsled(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> bridge1, bridge2, bridge3, pine, eater;
};
