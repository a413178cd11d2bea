#include "board/themes/Board_Green.h"

namespace {
// The cart path, in the path notation: it enters at the top right and ends
// in the cup.
constexpr const char* kCartPath =
    "%%Note:;\t860 490 m;\t793.33 501.67 728.33 524.17 660 525 c;\t591.67 525.83 518.33 495.83 450 495 c;"
    "\t381.67 494.17 306.67 522.5 250 520 c;\t193.33 517.5 136.67 502.5 110 480 c;"
    "\t83.33 457.5 70 410 90 385 c;\t110 360 170 335 230 330 c;\t290 325 381.67 355 450 355 c;"
    "\t518.33 355 594.17 347.5 640 330 c;\t685.83 312.5 723.33 277.5 725 250 c;"
    "\t726.67 222.5 692.5 182.5 650 165 c;\t607.5 147.5 528.33 145.83 470 145 c;"
    "\t411.67 144.17 356.67 155 300 160 c";
// Where the path ends; the eater is centred there. The notation counts y up
// from the bottom of its 600-pixel box, so an end written at y lies at 600 - y.
constexpr Vec2 kEnd{300, 440};
constexpr int32_t kBallSize = 2;
// Turns the bomb at the end of the fuse to sit on the eater's picture.
constexpr float kWickAngleOffset = 21;  // degrees
}  // namespace

void Board_Green::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kCartPath); }

Board_Green::Board_Green(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    SetUpOneEaterScene(kThemeWord, "Enemy", kEnd, &AppendPaths, {0});
    wickAngleOffset[0] = kWickAngleOffset;
}
