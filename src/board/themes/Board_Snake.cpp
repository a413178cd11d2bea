#include "board/themes/Board_Snake.h"

namespace {
// Each lane slithers down its half of the desert in five runs, from off
// screen at the top, and ends in the basket's opening from its side; the
// second is the first mirrored about the middle.
constexpr const char* kPaths[] = {
    "%%Note:;\t-70 550 m;\t300 550 l;\t327.615 550 350 527.615 350 500 c"
    ";\t350 472.385 327.615 450 300 450 c;\t90 450 l;\t62.385 450 40 427.615 40 400 c"
    ";\t40 372.385 62.385 350 90 350 c;\t300 350 l;\t327.615 350 350 327.615 350 300 c"
    ";\t350 272.385 327.615 250 300 250 c;\t90 250 l;\t62.385 250 40 227.615 40 200 c"
    ";\t40 172.385 62.385 150 90 150 c;\t400 150 l",
    "%%Note:;\t870 550 m;\t500 550 l;\t472.385 550 450 527.615 450 500 c"
    ";\t450 472.385 472.385 450 500 450 c;\t710 450 l;\t737.615 450 760 427.615 760 400 c"
    ";\t760 372.385 737.615 350 710 350 c;\t500 350 l;\t472.385 350 450 327.615 450 300 c"
    ";\t450 272.385 472.385 250 500 250 c;\t710 250 l;\t737.615 250 760 227.615 760 200 c"
    ";\t760 172.385 737.615 150 710 150 c;\t400 150 l"};
constexpr Vec2 kMouth{400, 450};
// The coiled tail hangs over the top, between the lanes' first turns.
constexpr Vec2 kRattlePlace{340, -10};
constexpr int32_t kBallSize = 2;
}  // namespace

void Board_Snake::AppendPaths(std::vector<QuickSpline>& curves) {
    for (const char* path : kPaths) AppendParsedPath(curves, path);
}

Board_Snake::Board_Snake(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    rattle = LoadThemeSprite(kThemeWord, "Rattle");
    enemy = LoadThemeSprite(kThemeWord, "Enemy");
    AddEaterAt(enemy.get(), kMouth);
    AddThemeTracks(&AppendPaths, {0, 0});
}

void Board_Snake::Draw() {
    Board::Draw();
    DrawScenery(rattle.get(), kRattlePlace);
}
