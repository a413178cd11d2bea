#include "board/themes/Board_Movies.h"

namespace {
// The film enters at the top left and runs across the hall four times, the
// turns rounded, ending in the bucket's mouth.
constexpr const char* kPath =
    "%%Note:;\t-60 540 m;\t652.5 540 l;\t684.2572 540 710 514.2572 710 482.5 c"
    ";\t710 450.7428 684.2572 425 652.5 425 c;\t157.5 425 l;\t125.7428 425 100 399.2572 100 367.5 c"
    ";\t100 335.7428 125.7428 310 157.5 310 c;\t652.5 310 l;\t684.2572 310 710 284.2572 710 252.5 c"
    ";\t710 220.7428 684.2572 195 652.5 195 c;\t240 195 l";
constexpr Vec2 kMouth{240, 405};
// The footbridge crosses the second run (top-left corner, pixels).
constexpr Vec2 kBridgePlace{475, 100};
constexpr int32_t kBallSize = 0;
constexpr float kWickAngleOffset = 19;  // degrees
// The end of the second run, the turn and the third run (path samples).
constexpr float kTargetFrom = 1380, kTargetTo = 2075;
}  // namespace

void Board_Movies::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kPath); }

Board_Movies::Board_Movies(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    bridge = LoadThemeSprite(kThemeWord, "Bridge");
    enemy = LoadThemeSprite(kThemeWord, "Enemy");
    AddEaterAt(enemy.get(), kMouth);
    AddThemeTracks(&AppendPaths, {0});
    AddTargetRange(0, kTargetFrom, kTargetTo);
    wickAngleOffset[0] = kWickAngleOffset;
}

void Board_Movies::Draw() {
    Board::Draw();
    DrawScenery(bridge.get(), kBridgePlace);
}
