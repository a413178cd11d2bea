#include "board/themes/Board_Pretzel.h"

namespace {
// In at the top right, anticlockwise round the board and then inwards: west
// along the top, down the left, east along the bottom, up the right, west
// again and into the middle row.
constexpr const char* kPath =
    "%%Note:;\t850 520 m;\t150 520 l;\t100.29 520 60 479.71 60 430 c;\t60 270 l;\t60 220.29 100.29 180 150 180 "
    "c;\t650 180 l;\t699.71 180 740 220.29 740 270 c;\t740 310 l;\t740 359.71 699.71 400 650 400 c;\t250 400 "
    "l;\t219.62 400 195 375.38 195 345 c;\t195 314.62 219.62 290 250 290 c;\t560 290 l";
constexpr Vec2 kEnd{560, 310};
constexpr Vec2 kBeeAt{700, 458};
constexpr Vec2 kBridge1At{335, 38};   // across the chocolate stream on the top row
constexpr Vec2 kBridge2At{98, 34};    // the dough arch over the top row's west end
constexpr Vec2 kBridge3At{663, 294};  // the knot over the bottom right bend
// Path positions (pixels). Balls in the first range roll over the stick
// bridge, in the second over it and the arch, from the last on over all
// three; the rest pass under them. The hidden stretches lie inside the arch
// and the knot.
constexpr float kOverSticksFrom = 400, kOverSticksTo = 900;
constexpr float kOverArchFrom = 1450, kOverArchTo = 1950;
constexpr float kOverAllFrom = 2475;
constexpr float kInArchFrom = 575, kInArchTo = 720;
constexpr float kInKnotFrom = 1700, kInKnotTo = 1785;
constexpr float kTargetFrom = 1090, kTargetTo = 1650;
constexpr int32_t kBallSize = 2;
}  // namespace

void Board_Pretzel::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kPath); }

Board_Pretzel::Board_Pretzel(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    bee = LoadThemeSprite(kThemeWord, "Bee");
    bridge1 = LoadThemeSprite(kThemeWord, "Bridge1");
    bridge2 = LoadThemeSprite(kThemeWord, "Bridge2");
    bridge3 = LoadThemeSprite(kThemeWord, "Bridge3");
    enemy = LoadThemeSprite(kThemeWord, "Enemy");
    AddEaterAt(enemy.get(), kEnd);
    AddThemeTracks(&AppendPaths, {0});
    AddHiddenRange(0, kInKnotFrom, kInKnotTo);
    AddHiddenRange(0, kInArchFrom, kInArchTo);
    AddTargetRange(0, kTargetFrom, kTargetTo);
    layers = {BallsBefore(0, kOverSticksFrom),
              BallsBetween(0, kOverSticksTo, kOverArchFrom),
              BallsBetween(0, kOverArchTo, kOverAllFrom),
              Scenery(bridge1.get(), kBridge1At),
              BallsBetween(0, kOverSticksFrom, kOverSticksTo),
              Scenery(bridge2.get(), kBridge2At),
              BallsBetween(0, kOverArchFrom, kOverArchTo),
              Scenery(bridge3.get(), kBridge3At),
              BallsFrom(0, kOverAllFrom),
              Scenery(bee.get(), kBeeAt),
              EaterLayer(),
              ShotLayer()};
}
