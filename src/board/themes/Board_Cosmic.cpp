#include "board/themes/Board_Cosmic.h"

namespace {
// The trails, in the path notation: each enters at a side and ends in the
// black hole, the first from the left, the second from the right. They swing
// up and down rather than stack, so the launcher reaches every stretch.
constexpr const char* kLeftTrail =
    "%%Note:;\t-50 350 m;\t-20 281.67 9.17 125 40 145 c;\t70.83 165 103.33 470 135 470 c;"
    "\t166.67 470 198.33 145 230 145 c;\t261.67 145 296.67 470 325 470 c;"
    "\t353.33 470 375 253.33 400 145 c";
constexpr const char* kRightTrail =
    "%%Note:;\t850 350 m;\t820 281.67 790.83 125 760 145 c;\t729.17 165 696.67 470 665 470 c;"
    "\t633.33 470 601.67 145 570 145 c;\t538.33 145 503.33 470 475 470 c;"
    "\t446.67 470 425 253.33 400 145 c";
// Where both paths end; the black hole is centred there. The notation counts
// y up from the bottom of its 600-pixel box, so an end written at y lies at
// 600 - y.
constexpr Vec2 kEnd{400, 455};
constexpr int32_t kBallSize = 1;
}  // namespace

void Board_Cosmic::AppendPaths(std::vector<QuickSpline>& curves) {
    AppendParsedPath(curves, kLeftTrail);
    AppendParsedPath(curves, kRightTrail);
}

Board_Cosmic::Board_Cosmic(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    SetUpOneEaterScene(kThemeWord, "Enemy", kEnd, &AppendPaths, {0, 0});
}
