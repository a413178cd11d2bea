#pragma once
// The Movies board: a film strip running four times across a dark picture
// palace into a popcorn bucket, under a red-carpet footbridge; small balls;
// the launcher's colour favours the third run.

#include <memory>
#include <vector>

#include "board/Board.h"

class Board_Movies : public Board {
public:
    static constexpr const char* kThemeWord = "Movies";

    Board_Movies(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);

    // The whole frame, then the footbridge on top of it.
    void Draw() override;

private:
    std::unique_ptr<Sprite> enemy, bridge;
};
