#include "board/themes/Board_Spiral.h"

#include <cmath>

#include "track/Track.h"

namespace {
constexpr Vec2 kEntry[] = {{-90, 90}, {-10, 170}};
// The spiral: centre and radii (pixels), flattened in y to fit above the
// launcher; it starts at the left and turns anticlockwise on screen.
constexpr Vec2 kCentre{400, 255};
constexpr float kOuterRadius = 345, kInnerRadius = 95;
constexpr float kHeightScale = 0.74f;
constexpr int32_t kTurns = 2;
constexpr int32_t kKnotsPerTurn = 12;
constexpr float kPi = 3.14159265f;
constexpr int32_t kBallSize = 2;
constexpr float kWickAngleOffset = 22;  // degrees
// The bottoms of the outer and inner turns (path samples).
constexpr float kTargets[][2] = {{375, 1060}, {1900, 2200}};
}  // namespace

void Board_Spiral::BuildPath(QuickSpline& path) {
    path.Clear();
    for (Vec2 point : kEntry) path.AddPoint(point.x, point.y);
    constexpr int32_t knots = kTurns * kKnotsPerTurn;
    for (int32_t k = 0; k <= knots; ++k) {
        float along = static_cast<float>(k) / knots;
        float angle = kPi * (1 - 2 * kTurns * along);
        float radius = kOuterRadius + (kInnerRadius - kOuterRadius) * along;
        path.AddPoint(kCentre.x + radius * std::cos(angle), kCentre.y + kHeightScale * radius * std::sin(angle));
    }
    // Knots alone leave the segment count stale until the first query.
    path.Recompute();
}

Board_Spiral::Board_Spiral(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    chomper = LoadThemeSprite(kThemeWord, "Chomper");
    AddEaterAt(chomper.get(), Vec2{kCentre.x - kInnerRadius, kCentre.y});
    auto track = std::make_unique<Track>(this);
    BuildPath(track->Path());
    int32_t index = AddTrack(std::move(track), 0);
    for (const auto& range : kTargets) AddTargetRange(index, range[0], range[1]);
    wickAngleOffset[0] = kWickAngleOffset;
}
