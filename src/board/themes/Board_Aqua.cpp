#include "board/themes/Board_Aqua.h"

namespace {
// Enters at the top right, rounds the reef anticlockwise, climbs over the
// rock (going up at x = 450), loops back west and runs east through the
// rock's tunnel, then hooks down into the octopus's mouth.
constexpr const char* kPath =
    "%%Note:;\t850 545 m;\t150 545 l;\t105.82 545 70 509.18 70 465 c;\t70 285 l;\t70 240.82 105.82 205 150 205 "
    "c;\t370 205 l;\t414.18 205 450 240.82 450 285 c;\t450 320 l;\t450 400 l;\t450 433.14 423.14 460 390 460 "
    "c;\t296 460 l;\t257.34 460 226 428.66 226 390 c;\t226 351.34 257.34 320 296 320 c;\t450 320 l;\t640 320 "
    "l;\t678.66 320 710 288.66 710 250 c;\t710 190 l;\t710 156.86 683.14 130 650 130 c;\t550 130 l";
constexpr Vec2 kEnd{550, 470};
constexpr Vec2 kBridgeAt{330, 215};  // the rock, centred where the path crosses itself
constexpr Vec2 kForeground1At{670, 0};
constexpr Vec2 kForeground2At{0, 440};
constexpr Vec2 kForeground3At{640, 490};
// Path positions (pixels): balls there roll over the rock; balls in the
// tunnel are hidden.
constexpr float kOverRockFrom = 1200, kOverRockTo = 1600;
constexpr float kTunnelFrom = 2070, kTunnelTo = 2240;
constexpr int32_t kBallSize = 1;
}  // namespace

void Board_Aqua::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kPath); }

Board_Aqua::Board_Aqua(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    bridge = LoadThemeSprite(kThemeWord, "Bridge");
    foreground1 = LoadThemeSprite(kThemeWord, "Foreground1");
    foreground2 = LoadThemeSprite(kThemeWord, "Foreground2");
    foreground3 = LoadThemeSprite(kThemeWord, "Foreground3");
    enemy = LoadThemeSprite(kThemeWord, "Enemy");
    AddEaterAt(enemy.get(), kEnd);
    AddThemeTracks(&AppendPaths, {0});
    AddHiddenRange(0, kTunnelFrom, kTunnelTo);
    layers = {BallsBefore(0, kOverRockFrom),
              BallsFrom(0, kOverRockTo),
              Scenery(bridge.get(), kBridgeAt),
              BallsBetween(0, kOverRockFrom, kOverRockTo),
              Scenery(foreground1.get(), kForeground1At),
              Scenery(foreground2.get(), kForeground2At),
              Scenery(foreground3.get(), kForeground3At),
              EaterLayer(),
              ShotLayer()};
}
