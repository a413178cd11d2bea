#include "board/themes/Board_Beach.h"

namespace {
// Enters at the top left, swings clockwise down the right side (under the
// boardwalk), along the bottom, up the left side (under the inner tube) and
// east across the boardwalk into the crab.
constexpr const char* kPath =
    "%%Note:;\t-60 520 m;\t520 520 l;\t580.75 520 630 470.75 630 410 c;\t630 260 l;\t630 199.25 580.75 150 520 150 "
    "c;\t220 150 l;\t164.77 150 120 194.77 120 250 c;\t120 310 l;\t120 365.23 164.77 410 220 410 c;\t630 410 "
    "l;\t740 410 l";
constexpr Vec2 kEnd{740, 190};
constexpr Vec2 kBridgeAt{555, 151};    // the boardwalk, across the crossing at (630, 190)
constexpr Vec2 kInnerTubeAt{47, 200};  // over the left side
// Path positions (pixels): balls from here on roll over the boardwalk; balls
// under the inner tube are hidden.
constexpr float kOverBoardwalkFrom = 1415;
constexpr float kUnderTubeFrom = 1558, kUnderTubeTo = 1640;
constexpr int32_t kBallSize = 2;
constexpr float kWickOffset = 18;  // degrees
}  // namespace

void Board_Beach::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kPath); }

Board_Beach::Board_Beach(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    bridge = LoadThemeSprite(kThemeWord, "Bridge");
    innerTube = LoadThemeSprite(kThemeWord, "InnerTube");
    enemy = LoadThemeSprite(kThemeWord, "Enemy");
    AddEaterAt(enemy.get(), kEnd);
    AddThemeTracks(&AppendPaths, {0});
    AddHiddenRange(0, kUnderTubeFrom, kUnderTubeTo);
    wickAngleOffset[0] = kWickOffset;
    layers = {BallsBefore(0, kOverBoardwalkFrom),
              Scenery(bridge.get(), kBridgeAt),
              BallsFrom(0, kOverBoardwalkFrom),
              Scenery(innerTube.get(), kInnerTubeAt),
              EaterLayer(),
              ShotLayer()};
}
