#include "board/themes/Board_Cosmic.h"

namespace {
// The orbits, in the path notation: each enters at an upper corner and ends
// in the black hole, the first from the left, the second from the right.
constexpr const char* kLeftOrbit =
    "%%Note:;\t-50 520 m;\t16.67 526 92.5 540 150 538 c;\t207.5 536 262.5 525.17 295 508 c;"
    "\t327.5 490.83 347.5 458.33 345 435 c;\t342.5 411.67 314.17 382.17 280 368 c;"
    "\t245.83 353.83 174.67 364.67 140 350 c;\t105.33 335.33 75.67 303.67 72 280 c;"
    "\t68.33 256.33 90 224.33 118 208 c;\t146 191.67 204.67 185.67 240 182 c;"
    "\t275.33 178.33 303.33 184.67 330 186 c;\t356.67 187.33 376.67 188.67 400 190 c";
constexpr const char* kRightOrbit =
    "%%Note:;\t850 520 m;\t783.33 526 707.5 540 650 538 c;\t592.5 536 537.5 525.17 505 508 c;"
    "\t472.5 490.83 452.5 458.33 455 435 c;\t457.5 411.67 485.83 382.17 520 368 c;"
    "\t554.17 353.83 625.33 364.67 660 350 c;\t694.67 335.33 724.33 303.67 728 280 c;"
    "\t731.67 256.33 710 224.33 682 208 c;\t654 191.67 595.33 185.67 560 182 c;"
    "\t524.67 178.33 496.67 184.67 470 186 c;\t443.33 187.33 423.33 188.67 400 190 c";
// Where both paths end; the black hole is centred there. The notation counts
// y up from the bottom of its 600-pixel box, so an end written at y lies at
// 600 - y.
constexpr Vec2 kEnd{400, 410};
constexpr int32_t kBallSize = 1;
}  // namespace

void Board_Cosmic::AppendPaths(std::vector<QuickSpline>& curves) {
    AppendParsedPath(curves, kLeftOrbit);
    AppendParsedPath(curves, kRightOrbit);
}

Board_Cosmic::Board_Cosmic(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    enemy = LoadThemeSprite(kThemeWord, "Enemy");
    AddEaterAt(enemy.get(), kEnd);
    AddThemeTracks(&AppendPaths, {0, 0});
}
