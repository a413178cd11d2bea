#pragma once
// The Lava board: a molten river winding over a basalt field into a lava
// golem's maw, four obsidian spikes standing over it; large balls.

#include <memory>

#include "board/Board.h"

class Board_Lava : public Board {
public:
    static constexpr const char* kThemeWord = "Lava";
    static constexpr int32_t kSpikeCount = 4;

    Board_Lava(BoardGame& game, const BoardMedia* media);

protected:
    // The river and the golem first, the spikes over them.
    bool DrawPlayfield() override;

private:
    std::unique_ptr<Sprite> eater;
    std::unique_ptr<Sprite> spikes[kSpikeCount];
    float spikeX[kSpikeCount] = {};
};
