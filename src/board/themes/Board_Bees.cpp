#include "board/themes/Board_Bees.h"

#include <cmath>

#include "media/Image.h"
#include "track/Eater.h"

namespace {
// The hive's mouth: the trail's last knot.
constexpr Vec2 kMouth{370, 420};
constexpr int32_t kBallSize = 2;
constexpr int32_t kBeeFrames = 2;
// The bees' flight: degrees a tick, distance from the circle's centre and
// that centre relative to the hive's top-left corner (pixels).
constexpr float kBeeTurn = 1.78f;
constexpr float kBeeRadius = 60;
constexpr Vec2 kCircleOffset{50, 55};
constexpr float kBeeSpacing = 180;  // degrees between the bees
constexpr float kHeadingTurn = 90;  // a bee flies along its circle
constexpr float kFlapStep = 0.05f, kFlapCycle = 2;
constexpr float kFullTurn = 360;
constexpr float kRadiansPerDegree = 3.14159265f / 180;
}  // namespace

// The trail's knots, from off screen at the top right over the meadow to the
// hive; the curve interpolates them.
void Board_Bees::AppendPaths(std::vector<QuickSpline>& curves) {
    AppendPointPath(curves, {{870, 90},
                             {730, 60},
                             {580, 80},
                             {440, 140},
                             {300, 110},
                             {160, 70},
                             {65, 140},
                             {75, 255},
                             {190, 305},
                             {350, 280},
                             {510, 255},
                             {650, 285},
                             {705, 380},
                             {630, 450},
                             {490, 445},
                             kMouth});
}

Board_Bees::Board_Bees(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    hive = LoadThemeSprite(kThemeWord, "Hive");
    Image beeImage;
    if (media && beeImage.Load("Levels\\Bees\\Bee")) beeFrames.Load(beeImage, kBeeFrames);
    AddEaterAt(hive.get(), kMouth);
    Vec2 hiveSize = hive ? Vec2{hive->Width(), hive->Height()} : Vec2{2 * kCircleOffset.x, 2 * kCircleOffset.y};
    hiveAnchor = Vec2{kMouth.x - hiveSize.x / 2, kMouth.y - hiveSize.y / 2};
    if (mirror) hiveAnchor.x = 2 * kMirrorAxis - hiveSize.x - hiveAnchor.x;
    AddThemeTracks(&AppendPaths, {0});
}

void Board_Bees::Update() {
    beeAngle = std::fmod(beeAngle + kBeeTurn, kFullTurn);
    auto* firstEater = static_cast<Eater*>(eaters.At(0));
    bool hiveGone = firstEater && firstEater->IsGone();
    for (int32_t i = 0; i < kBeeCount; ++i) {
        Bee& bee = bees[i];
        float angle = beeAngle + static_cast<float>(i) * kBeeSpacing;
        bee.position = Vec2{hiveAnchor.x + kCircleOffset.x + kBeeRadius * std::cos(angle * kRadiansPerDegree),
                            hiveAnchor.y + kCircleOffset.y + kBeeRadius * std::sin(angle * kRadiansPerDegree)};
        bee.heading = angle + kHeadingTurn;
        bee.flap = std::fmod(bee.flap + kFlapStep, kFlapCycle);
        bee.visible = !hiveGone;
    }
    Board::Update();
}

bool Board_Bees::DrawPlayfield() {
    DrawPlain();
    for (const Bee& bee : bees)
        if (bee.visible)
            beeFrames.Frame(static_cast<int32_t>(bee.flap))
                .DrawRotatedScaled(bee.position.x, bee.position.y, bee.heading, 1.0f);
    return true;
}
