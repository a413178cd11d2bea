#include "board/themes/Board_Lava.h"

#include "core/String.h"

namespace {
// The molten river enters at the top left and winds right, left and right
// again over the basalt into the golem's maw.
constexpr const char* kPath =
    "%%Note:;\t-60 510 m;\t200 560 450 480 650 530 c;\t800 540 800 360 660 370 c;\t450 390 300 310 130 350 c;\t-10 350 "
    "-10 200 140 200 c;\t300 200 420 140 560 180 c";
constexpr Vec2 kMouth{560, 420};
// Where the spikes stand over the river and beside the golem (top-left
// corners, pixels), spike1 first.
constexpr Vec2 kSpikePlaces[Board_Lava::kSpikeCount] = {{300, 10}, {715, 120}, {420, 180}, {590, 330}};
constexpr int32_t kBallSize = 2;
}  // namespace

void Board_Lava::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kPath); }

Board_Lava::Board_Lava(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    for (int32_t i = 0; i < kSpikeCount; ++i) {
        String name = String::Format("spike%d", i + 1);
        spikes[i] = LoadThemeSprite(kThemeWord, name.c_str());
    }
    eater = LoadThemeSprite(kThemeWord, "Eater");
    AddEaterAt(eater.get(), kMouth);
    AddThemeTracks(&AppendPaths, {0});
    // The river and the golem first, the spikes over them.
    layers = {AllBalls(0), EaterLayer(), ShotLayer()};
    for (int32_t i = 0; i < kSpikeCount; ++i) layers.push_back(Scenery(spikes[i].get(), kSpikePlaces[i]));
}
