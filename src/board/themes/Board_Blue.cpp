#include "board/themes/Board_Blue.h"

namespace {
// The lanes, in the path notation; each ends in its eater's mouth.
constexpr const char* kPath1 =
    "%%Note:;\t859.9999 130 m;\t247.0425 130 200 130 v;\t10.9301 130 37.8461 365.9812 201.9999 366 c;\t277.0066 "
    "366.0085 468.9999 366 y";
constexpr const char* kPath2 =
    "%%Note:;\t-78.9999 500 m;\t533.9574 500 580.9999 500 v;\t770.0697 500 743.1537 264.0187 578.9999 264 c;\t503.9933 "
    "263.9914 311.9999 264 y";
// Where the lanes end; the eaters are centred there. The notation counts y up
// from the bottom of its 600-pixel box, so an end written at y lies at 600 - y.
constexpr Vec2 kEnd1{469, 234};
constexpr Vec2 kEnd2{312, 336};
constexpr int32_t kBallSize = 2;
}  // namespace

void Board_Blue::AppendPaths(std::vector<QuickSpline>& curves) {
    AppendParsedPath(curves, kPath1);
    AppendParsedPath(curves, kPath2);
}

Board_Blue::Board_Blue(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    enemy1 = LoadThemeSprite(kThemeWord, "Enemy1");
    enemy2 = LoadThemeSprite(kThemeWord, "Enemy2");
    AddEaterAt(enemy1.get(), kEnd1);
    AddEaterAt(enemy2.get(), kEnd2);
    AddThemeTracks(&AppendPaths, {0, 1});
}
