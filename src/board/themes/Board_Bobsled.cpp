#include "board/themes/Board_Bobsled.h"

namespace {
constexpr Vec2 kEnd{570, 290};        // both runs end in the yeti's mouth
constexpr Vec2 kBridge1At{741, 343};  // the long run over the right-hand creek
constexpr Vec2 kBridge2At{535, 154};  // the short run over the long one
constexpr Vec2 kBridge3At{200, 44};   // the short run over the upper creek
constexpr Vec2 kPines[] = {{362, 111}, {341, 137}, {278, -8}, {72, 448}, {222, 331}, {11, 235}, {32, 208}, {0, 161}};
// Path positions (pixels) of the long run that roll over the plank bridge;
// the rest of it passes under the other bridges.
constexpr float kOverPlanksFrom = 1000, kOverPlanksTo = 1500;
constexpr int32_t kBallSize = 1;
}  // namespace

// Points about 60 pixels apart. The long run drops in at the top right, runs
// west under the ice bridge, round the bottom and up the right; the short one
// comes in at the top left and turns down into the yeti.
void Board_Bobsled::AppendPaths(std::vector<QuickSpline>& curves) {
    AppendPointPath(curves,
                    {{720, -60}, {720, 0},   {720, 60},  {720, 120}, {698, 175}, {645, 200}, {585, 200}, {525, 200},
                     {465, 200}, {405, 200}, {345, 204}, {304, 246}, {300, 306}, {300, 366}, {304, 426}, {343, 471},
                     {402, 480}, {462, 480}, {522, 480}, {582, 480}, {642, 480}, {702, 480}, {758, 461}, {780, 407},
                     {779, 347}, {745, 299}, {686, 290}, {626, 290}, kEnd});
    AppendPointPath(curves, {{-60, 80},
                             {0, 80},
                             {60, 80},
                             {120, 80},
                             {180, 80},
                             {240, 80},
                             {300, 80},
                             {360, 80},
                             {420, 80},
                             {480, 80},
                             {538, 91},
                             {569, 141},
                             {570, 201},
                             {570, 261},
                             kEnd});
}

Board_Bobsled::Board_Bobsled(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    bridge1 = LoadThemeSprite(kThemeWord, "Bridge1");
    bridge2 = LoadThemeSprite(kThemeWord, "Bridge2");
    bridge3 = LoadThemeSprite(kThemeWord, "Bridge3");
    pine = LoadThemeSprite(kThemeWord, "Pine");
    eater = LoadThemeSprite(kThemeWord, "Eater");
    AddEaterAt(eater.get(), kEnd);
    AddThemeTracks(&AppendPaths, {0, 0});
    layers = {BallsBefore(0, kOverPlanksFrom),
              BallsFrom(0, kOverPlanksTo),
              Scenery(bridge2.get(), kBridge2At),
              Scenery(bridge3.get(), kBridge3At),
              AllBalls(1),
              Scenery(bridge1.get(), kBridge1At),
              BallsBetween(0, kOverPlanksFrom, kOverPlanksTo)};
    for (const Vec2& at : kPines) layers.push_back(Scenery(pine.get(), at));
    layers.push_back(EaterLayer());
    layers.push_back(ShotLayer());
}
