#include "board/themes/Board_Snail.h"

namespace {
// Enters at the top right and sweeps left, right, left and right again,
// ending in the snail's mouth.
constexpr const char* kPath =
    "%%Note:;\t860 530 m;\t600 560 350 500 130 528 c;\t43.3333 528 43.3333 398 130 398 c;\t300 370 500 425 680 398 "
    "c;\t766.6667 398 766.6667 268 680 268 c;\t500 295 300 240 130 268 c;\t43.3333 268 43.3333 138 130 138 c;\t250 "
    "120 400 155 520 138 c";
constexpr Vec2 kMouth{520, 462};
constexpr int32_t kBallSize = 1;
// The second sweep and the turn before it (path samples).
constexpr float kTargetFrom = 700, kTargetTo = 1375;
}  // namespace

void Board_Snail::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kPath); }

Board_Snail::Board_Snail(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    SetUpOneEaterScene(kThemeWord, "Enemy", kMouth, &AppendPaths, {0});
    AddTargetRange(0, kTargetFrom, kTargetTo);
}
