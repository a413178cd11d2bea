#include "board/themes/Board_Chameleon.h"

namespace {
// The branch, in the path notation: it enters at the top right and ends in
// the chameleon's open jaws.
constexpr const char* kBranch =
    "%%Note:;\t860 520 m;\t806.67 524 753.33 535.33 700 532 c;\t646.67 528.67 593.33 500.33 540 500 c;"
    "\t486.67 499.67 433.33 530 380 530 c;\t326.67 530 265 503.67 220 500 c;"
    "\t175 496.33 138 519.67 110 508 c;\t82 496.33 50.33 455.5 52 430 c;"
    "\t53.67 404.5 83.67 370.83 120 355 c;\t156.33 339.17 220 333.33 270 335 c;"
    "\t320 336.67 370 365 420 365 c;\t470 365 525 338.83 570 335 c;\t615 331.17 660.33 353.67 690 342 c;"
    "\t719.67 330.33 748 292 748 265 c;\t748 238 724.67 199.17 690 180 c;"
    "\t655.33 160.83 590 150.83 540 150 c;\t490 149.17 438.33 173.33 390 175 c;"
    "\t341.67 176.67 296.67 165 250 160 c";
// Where the path ends; the eater is centred there. The notation counts y up
// from the bottom of its 600-pixel box, so an end written at y lies at 600 - y.
constexpr Vec2 kEnd{250, 440};
constexpr int32_t kBallSize = 1;
// Turns the bomb at the end of the fuse to sit on the eater's picture.
constexpr float kWickAngleOffset = -4;  // degrees
}  // namespace

void Board_Chameleon::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kBranch); }

Board_Chameleon::Board_Chameleon(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    SetUpOneEaterScene(kThemeWord, "Enemy", kEnd, &AppendPaths, {0});
    wickAngleOffset[0] = kWickAngleOffset;
}
