#include "board/themes/Board_Cheeze.h"

namespace {
// The groove, in the path notation: it enters at the top left and ends in
// the mouse's mouth.
constexpr const char* kGroove =
    "%%Note:;\t-60 510 m;\t0 510.67 55 512.33 120 512 c;\t185 511.67 260 508 330 508 c;"
    "\t400 508 481.67 515 540 512 c;\t598.33 509 653.33 503.67 680 490 c;"
    "\t706.67 476.33 711.67 450 700 430 c;\t688.33 410 655 390 610 370 c;\t565 350 490 330 430 310 c;"
    "\t370 290 300 268.33 250 250 c;\t200 231.67 149.17 217.5 130 200 c;"
    "\t110.83 182.5 108.33 155.83 135 145 c;\t161.67 134.17 234.17 135.83 290 135 c;"
    "\t345.83 134.17 410 138.33 470 140 c";
// Where the path ends; the eater is centred there. The notation counts y up
// from the bottom of its 600-pixel box, so an end written at y lies at 600 - y.
constexpr Vec2 kEnd{470, 460};
constexpr int32_t kBallSize = 2;
// Turns the bomb at the end of the fuse to sit on the eater's picture.
constexpr float kWickAngleOffset = -5;  // degrees
}  // namespace

void Board_Cheeze::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kGroove); }

Board_Cheeze::Board_Cheeze(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    SetUpOneEaterScene(kThemeWord, "Enemy", kEnd, &AppendPaths, {0});
    wickAngleOffset[0] = kWickAngleOffset;
}
