#pragma once
// The Lava board: a molten river winding over a basalt field into a lava
// golem's maw, four obsidian spikes standing over it; large balls.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Lava : public Board {
public:
    static constexpr const char* kThemeWord = "Lava";
    static constexpr int32_t kSpikeCount = 4;

    Board_Lava(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

private:
    std::unique_ptr<Sprite> eater;
    std::unique_ptr<Sprite> spikes[kSpikeCount];
};
