#include "board/themes/Board_Taxman.h"

namespace {
// Enters at the top left and runs right, left, right and left again down
// the desk, the corners rounded, ending in the sack's mouth.
constexpr const char* kPath =
    "%%Note:;\t-90 540 m;\t675 540 l;\t699.8535 540 720 519.8535 720 495 c;\t720 455 l;\t720 430.1465 699.8535 410 675 "
    "410 c;\t295 410 l;\t270.1465 410 250 389.8535 250 365 c;\t250 325 l;\t250 300.1465 270.1465 280 295 280 c;\t675 "
    "280 l;\t699.8535 280 720 259.8535 720 235 c;\t720 195 l;\t720 170.1465 699.8535 150 675 150 c;\t110 150 l";
constexpr Vec2 kMouth{110, 450};
// The hand reaches down over the first run (top-left corner, pixels).
constexpr Vec2 kHandPlace{250, -10};
constexpr int32_t kBallSize = 2;
constexpr float kWickAngleOffset = 3;  // degrees
constexpr float kTargets[][2] = {{555, 1060}, {1575, 2400}};
}  // namespace

void Board_Taxman::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kPath); }

Board_Taxman::Board_Taxman(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    hand = LoadThemeSprite(kThemeWord, "Hand");
    enemy = LoadThemeSprite(kThemeWord, "Enemy");
    AddEaterAt(enemy.get(), kMouth);
    AddThemeTracks(&AppendPaths, {0});
    for (const auto& range : kTargets) AddTargetRange(0, range[0], range[1]);
    wickAngleOffset[0] = kWickAngleOffset;
    // The chute and the sack first, the hand over them.
    layers = {AllBalls(0), EaterLayer(), ShotLayer(), Scenery(hand.get(), kHandPlace)};
}
