#pragma once
// The Chameleon board: one branch winding down through the rain forest in
// three wavy rows, from the top right into the chameleon's jaws low on the
// left; middle-sized balls.

#include <vector>

#include "board/Board.h"

class Board_Chameleon : public Board {
public:
    static constexpr const char* kThemeWord = "Chameleon";

    Board_Chameleon(BoardGame& game, const BoardMedia* media);
    static void AppendPaths(std::vector<QuickSpline>& curves);
};
