#include "board/themes/Board_Technicolor.h"

namespace {
// The ribbon, in the path notation: it enters at the left and ends in the
// whirl's eye. Every stretch lies open to the launcher below it.
constexpr const char* kRibbon =
    "%%Note:;\t-50 340 m;\t-6.67 386.67 34.17 508.33 80 480 c;\t125.83 451.67 176.67 170 225 170 c;"
    "\t273.33 170 321.67 480 370 480 c;\t418.33 480 466.67 170 515 170 c;"
    "\t563.33 170 622.5 456.67 660 480 c;\t697.5 503.33 713.33 366.67 740 310 c";
// Where the path ends; the eater is centred there. The notation counts y up
// from the bottom of its 600-pixel box, so an end written at y lies at 600 - y.
constexpr Vec2 kEnd{740, 290};
constexpr int32_t kBallSize = 0;
}  // namespace

void Board_Technicolor::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kRibbon); }

Board_Technicolor::Board_Technicolor(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    enemy = LoadThemeSprite(kThemeWord, "Enemy");
    AddEaterAt(enemy.get(), kEnd);
    AddThemeTracks(&AppendPaths, {0});
}
