#include "board/themes/Board_Spooky.h"

namespace {
// In at the bottom left, snaking up to the top row, east through the crypt,
// down the right side and into the lantern.
constexpr const char* kPath =
    "%%Note:;\t-60 160 m;\t440 160 l;\t484.18 160 520 195.82 520 240 c;\t520 300 l;\t520 344.18 484.18 380 440 380 "
    "c;\t190 380 l;\t145.82 380 110 415.82 110 460 c;\t110 504.18 145.82 540 190 540 c;\t690 540 l;\t734.18 540 770 "
    "504.18 770 460 c;\t770 310 l;\t770 271.34 738.66 240 700 240 c";
constexpr Vec2 kEnd{700, 360};
constexpr Vec2 kBridgeAt{330, 10};  // the crypt over the top row
// Path positions (pixels) inside the crypt.
constexpr float kInCryptFrom = 1480, kInCryptTo = 1600;
constexpr int32_t kBallSize = 2;
}  // namespace

void Board_Spooky::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kPath); }

Board_Spooky::Board_Spooky(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    bridge = LoadThemeSprite(kThemeWord, "Bridge");
    eater = LoadThemeSprite(kThemeWord, "Eater");
    AddEaterAt(eater.get(), kEnd);
    AddThemeTracks(&AppendPaths, {0});
    AddHiddenRange(0, kInCryptFrom, kInCryptTo);
    layers = {AllBalls(0), EaterLayer(), ShotLayer(), Scenery(bridge.get(), kBridgeAt)};
}
