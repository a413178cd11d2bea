#pragma once
// The Surreality board: a groove across a dreamlike checkered plain. The
// chain tunnels through a giant pocket watch, crosses a crack on a melting
// clock and later rolls over the watch into the floating lips.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Surreality : public Board {
public:
    static constexpr const char* kThemeWord = "Surreality";

    Board_Surreality(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> bridge1, bridge2, enemy;
};
