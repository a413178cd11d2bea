#include "board/themes/Board_Chrome.h"

namespace {
// The coil, in the path notation: it drops in at the top left and ends in
// the intake's throat. Its rows leave the low bends free to be hit from below.
constexpr const char* kCoil =
    "%%Note:;\t95 660 m;\t95 235 l;\t95 204.62 119.62 180 150 180 c;\t170 180 l;"
    "\t200.38 180 225 204.62 225 235 c;\t225 395 l;\t225 425.38 249.62 450 280 450 c;\t300 450 l;"
    "\t330.38 450 355 425.38 355 395 c;\t355 235 l;\t355 204.62 379.62 180 410 180 c;\t430 180 l;"
    "\t460.38 180 485 204.62 485 235 c;\t485 395 l;\t485 425.38 509.62 450 540 450 c;\t560 450 l;"
    "\t590.38 450 615 425.38 615 395 c;\t615 227.5 l;\t615 201.27 636.27 180 662.5 180 c;"
    "\t688.73 180 710 201.27 710 227.5 c;\t710 350 l";
// Where the path ends; the eater is centred there. The notation counts y up
// from the bottom of its 600-pixel box, so an end written at y lies at 600 - y.
constexpr Vec2 kEnd{710, 250};
constexpr int32_t kBallSize = 2;
}  // namespace

void Board_Chrome::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kCoil); }

Board_Chrome::Board_Chrome(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    SetUpOneEaterScene(kThemeWord, "Enemy", kEnd, &AppendPaths, {0});
}
