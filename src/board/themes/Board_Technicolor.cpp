#include "board/themes/Board_Technicolor.h"

namespace {
// The ribbon, in the path notation: it enters at the left and ends in the
// whirl's eye. No arch hides another from the launcher below.
constexpr const char* kRibbon =
    "%%Note:;\t-50 130 m;\t-26 140 9.05 142.86 22 160 c;\t34.95 177.14 23.97 207.82 27.72 232.82 c;"
    "\t31.48 257.82 37.26 286.09 44.51 310 c;\t51.75 333.91 60.96 356.75 71.21 376.27 c;"
    "\t81.45 395.8 93.45 413.32 106 427.13 c;\t118.55 440.93 132.52 451.95 146.52 459.1 c;"
    "\t160.52 466.24 175.51 470 190 470 c;\t204.49 470 219.48 466.24 233.48 459.1 c;"
    "\t247.48 451.95 261.45 440.93 274 427.13 c;\t286.55 413.32 298.55 395.8 308.79 376.27 c;"
    "\t319.04 356.75 328.25 333.91 335.49 310 c;\t342.74 286.09 347.86 257.82 352.28 232.82 c;"
    "\t356.69 207.82 354.05 178.47 362 160 c;\t369.95 141.53 387.33 122 400 122 c;"
    "\t412.67 122 430.48 142.82 438 160 c;\t445.52 177.18 441.43 202.56 445.11 225.06 c;"
    "\t448.79 247.56 453.63 273.33 460.1 295 c;\t466.57 316.67 474.78 337.37 483.93 355.06 c;"
    "\t493.08 372.75 503.79 388.64 515 401.15 c;\t526.21 413.66 538.68 423.64 551.18 430.12 c;"
    "\t563.68 436.59 577.06 440 590 440 c;\t602.94 440 616.32 436.59 628.82 430.12 c;"
    "\t641.32 423.64 653.79 413.66 665 401.15 c;\t676.21 388.64 686.92 372.75 696.07 355.06 c;"
    "\t705.22 337.37 713.43 316.67 719.9 295 c;\t726.37 273.33 731.54 247.56 734.89 225.06 c;"
    "\t738.24 202.56 738.3 181.69 740 160 c";
// Where the path ends; the eater is centred there. The notation counts y up
// from the bottom of its 600-pixel box, so an end written at y lies at 600 - y.
constexpr Vec2 kEnd{740, 440};
constexpr int32_t kBallSize = 0;
}  // namespace

void Board_Technicolor::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kRibbon); }

Board_Technicolor::Board_Technicolor(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    SetUpOneEaterScene(kThemeWord, "Enemy", kEnd, &AppendPaths, {0});
}
