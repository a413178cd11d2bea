#include "board/themes/Board_Surreality.h"

namespace {
// In at the right, west along the bottom, up the left side through the watch,
// east along the top over the melting clock, round and west across the watch
// into the lips.
constexpr const char* kPath =
    "%%Note:;\t850 270 m;\t770 270 l;\t731.34 270 700 238.66 700 200 c;\t700 161.34 668.66 130 630 130 c;\t290 130 "
    "l;\t240.29 130 200 170.29 200 220 c;\t200 300 l;\t200 380 l;\t200 430 l;\t200 474.18 235.82 510 280 510 c;\t560 "
    "510 l;\t604.18 510 640 474.18 640 430 c;\t640 402.39 617.61 380 590 380 c;\t200 380 l;\t100 380 l";
constexpr Vec2 kEnd{100, 220};
constexpr Vec2 kBridge1At{360, 40};   // the melting clock over the crack, on the top row
constexpr Vec2 kBridge2At{135, 155};  // the watch, centred where the path crosses itself
// Path positions (pixels): balls between these roll over the melting clock
// (and under the watch, hidden inside it); balls from the last on roll over
// the watch.
constexpr float kOverClockFrom = 700, kOverClockTo = 1400;
constexpr float kInWatchFrom = 910, kInWatchTo = 970;
constexpr float kOverWatchFrom = 1500;
constexpr int32_t kBallSize = 2;
}  // namespace

void Board_Surreality::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kPath); }

Board_Surreality::Board_Surreality(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    bridge1 = LoadThemeSprite(kThemeWord, "Bridge1");
    bridge2 = LoadThemeSprite(kThemeWord, "Bridge2");
    enemy = LoadThemeSprite(kThemeWord, "Enemy");
    AddEaterAt(enemy.get(), kEnd);
    AddThemeTracks(&AppendPaths, {0});
    AddHiddenRange(0, kInWatchFrom, kInWatchTo);
    layers = {BallsBefore(0, kOverClockFrom),
              BallsBetween(0, kOverClockTo, kOverWatchFrom),
              Scenery(bridge1.get(), kBridge1At),
              BallsBetween(0, kOverClockFrom, kOverClockTo),
              Scenery(bridge2.get(), kBridge2At),
              BallsFrom(0, kOverWatchFrom),
              EaterLayer(),
              ShotLayer()};
}
