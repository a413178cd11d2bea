#pragma once
// The Beach board: one trench through the sand that rolls under a boardwalk,
// round the beach towel and back over the same boardwalk, ducking under an
// inner tube on the way, into the crab.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Beach : public Board {
public:
    static constexpr const char* kThemeWord = "Beach";

    Board_Beach(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> bridge, innerTube, enemy;
};
