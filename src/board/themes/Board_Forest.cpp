#include "board/themes/Board_Forest.h"

namespace {
constexpr Vec2 kEnd{79, 403};
constexpr Vec2 kLogAt{236, 180};  // lying along the trail's later stretch at y = 213
// Path position (pixels): balls before it roll under the log, the rest over.
constexpr float kOverLogFrom = 1295;
constexpr int32_t kBallSize = 2;
constexpr float kWickOffset = 8;  // degrees
}  // namespace

// Points about 60 pixels apart: in at the top right, winding west, down
// through the clearing under the log, round anticlockwise and west along the
// log's top, then down into the frog at the left.
void Board_Forest::AppendPaths(std::vector<QuickSpline>& curves) {
    AppendPointPath(
        curves,
        {{850, 80},  {790, 85},  {731, 97},  {671, 106}, {611, 106}, {551, 96},  {492, 84},  {432, 80},  {372, 84},
         {324, 119}, {311, 177}, {311, 237}, {311, 297}, {314, 357}, {347, 407}, {403, 425}, {463, 421}, {522, 411},
         {582, 404}, {642, 397}, {687, 358}, {699, 300}, {678, 245}, {627, 215}, {567, 213}, {507, 213}, {447, 213},
         {387, 213}, {327, 213}, {267, 213}, {207, 213}, {146, 214}, {96, 244},  {79, 300},  {79, 360},  kEnd});
}

Board_Forest::Board_Forest(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    log = LoadThemeSprite(kThemeWord, "Log");
    eater = LoadThemeSprite(kThemeWord, "Eater");
    AddEaterAt(eater.get(), kEnd);
    AddThemeTracks(&AppendPaths, {0});
    wickAngleOffset[0] = kWickOffset;
    layers = {BallsBefore(0, kOverLogFrom), Scenery(log.get(), kLogAt), BallsFrom(0, kOverLogFrom), EaterLayer(),
              ShotLayer()};
}
