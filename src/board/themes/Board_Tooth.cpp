#include "board/themes/Board_Tooth.h"

#include "track/Track.h"

namespace {
// The toothpaste comes in at the top right from under the scrubber and
// runs left, right and left again down the tiles into the molar's mouth.
constexpr const char* kPath =
    "%%Note:;\t860 520 m;\t600 500 400 540 120 520 c;\t20 520 20 370 120 370 c;\t300 350 500 390 690 370 c;\t790 370 "
    "790 220 690 220 c;\t520 200 380 240 210 220 c";
constexpr Vec2 kMouth{210, 380};
// Top-left corners (pixels): the scrubber over the way in, the toothbrush
// along the middle run, where the chain passes unseen beneath it.
constexpr Vec2 kScrubberPlace{680, 34};
constexpr Vec2 kToothbrushPlace{360, 190};
constexpr float kHiddenFrom = 1258, kHiddenTo = 1472;  // path samples
constexpr int32_t kBallSize = 1;
}  // namespace

void Board_Tooth::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kPath); }

Board_Tooth::Board_Tooth(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    scrubber = LoadThemeSprite(kThemeWord, "Scrubber");
    toothbrush = LoadThemeSprite(kThemeWord, "Toothbrush");
    enemy = LoadThemeSprite(kThemeWord, "Enemy");
    AddEaterAt(enemy.get(), kMouth);
    AddThemeTracks(&AppendPaths, {0});
    TrackAt(0).AddHiddenRange(kHiddenFrom, kHiddenTo);
    // The lane and the molar first, the scrubber and the toothbrush over them.
    layers = {AllBalls(0), EaterLayer(), ShotLayer(), Scenery(scrubber.get(), kScrubberPlace),
              Scenery(toothbrush.get(), kToothbrushPlace)};
}
