#include "board/themes/Board_Video.h"

namespace {
// The stairway, in the path notation: it enters at the top left and ends in
// the television's screen. No step hides another from the launcher.
constexpr const char* kStairway =
    "%%Note:;\t-60 530 m;\t80 530 l;\t96.57 530 110 516.57 110 500 c;\t110 465 l;"
    "\t110 448.43 123.43 435 140 435 c;\t180 435 l;\t196.57 435 210 421.57 210 405 c;\t210 370 l;"
    "\t210 353.43 223.43 340 240 340 c;\t280 340 l;\t296.57 340 310 326.57 310 310 c;\t310 275 l;"
    "\t310 258.43 323.43 245 340 245 c;\t380 245 l;\t396.57 245 410 231.57 410 215 c;\t410 180 l;"
    "\t410 163.43 423.43 150 440 150 c;\t490 150 l;\t506.57 150 520 163.43 520 180 c;\t520 230 l;"
    "\t520 246.57 533.43 260 550 260 c;\t590 260 l;\t606.57 260 620 273.43 620 290 c;\t620 340 l;"
    "\t620 356.57 633.43 370 650 370 c;\t690 370 l;\t706.57 370 720 383.43 720 400 c;\t720 500 l";
// Where the path ends; the eater is centred there. The notation counts y up
// from the bottom of its 600-pixel box, so an end written at y lies at 600 - y.
constexpr Vec2 kEnd{720, 100};
constexpr int32_t kBallSize = 2;
}  // namespace

void Board_Video::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kStairway); }

Board_Video::Board_Video(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    SetUpOneEaterScene(kThemeWord, "Enemy", kEnd, &AppendPaths, {0});
}
