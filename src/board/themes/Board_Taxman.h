#pragma once
// The Taxman board: a brass coin chute zigzagging down the tax collector's
// desk into his money sack, under his grasping hand; large balls; the
// launcher's colour favours the second and the last two runs.

#include <memory>

#include "board/Board.h"

class Board_Taxman : public Board {
public:
    static constexpr const char* kThemeWord = "Taxman";

    Board_Taxman(BoardGame& game, const BoardMedia* media);

protected:
    // The chute and the sack first, the hand over them.
    bool DrawPlayfield() override;

private:
    std::unique_ptr<Sprite> enemy, hand;
    float handX = 0;
};
