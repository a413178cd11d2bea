#include "board/themes/Board_Spiral.h"

namespace {
// The lane's knots: in from off screen at the top left, then twice round an
// inward spiral about (400, 255), flattened in y to stay above the launcher
// and turning anticlockwise on screen, twelve knots a turn. The curve
// interpolates them; the last is the chomper's mouth.
constexpr Vec2 kMouth{305, 255};
constexpr int32_t kBallSize = 2;
constexpr float kWickAngleOffset = 22;  // degrees
// The bottoms of the outer and inner turns (path samples).
constexpr float kTargets[][2] = {{375, 1060}, {1900, 2200}};
}  // namespace

void Board_Spiral::AppendPaths(std::vector<QuickSpline>& curves) {
    AppendPointPath(
        curves,
        {{-90.0f, 90.0f},  {-10.0f, 170.0f}, {55.0f, 255.0f},     {110.2f, 378.8f}, {237.9f, 462.7f}, {400.0f, 487.2f},
         {551.7f, 449.4f}, {653.7f, 363.4f}, {682.5f, 255.0f},    {635.6f, 154.3f}, {530.8f, 87.3f},  {400.0f, 69.1f},
         {279.6f, 100.7f}, {200.5f, 169.7f}, {180.0f, 255.0f},    {218.5f, 332.5f}, {300.4f, 382.6f}, {400.0f, 394.7f},
         {489.2f, 369.3f}, {545.4f, 317.1f}, {557.5f, 255.0f},    {527.4f, 200.6f}, {468.3f, 167.4f}, {400.0f, 161.6f},
         {342.1f, 180.8f}, {308.7f, 216.0f}, {kMouth.x, kMouth.y}});
}

Board_Spiral::Board_Spiral(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    SetUpOneEaterScene(kThemeWord, "Chomper", kMouth, &AppendPaths, {0});
    for (const auto& range : kTargets) AddTargetRange(0, range[0], range[1]);
    wickAngleOffset[0] = kWickAngleOffset;
}
