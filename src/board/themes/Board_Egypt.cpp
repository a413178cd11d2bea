#include "board/themes/Board_Egypt.h"

namespace {
// Four rows, top to bottom, joined by half turns at the sides.
constexpr const char* kPath =
    "%%Note:;\t-60 530 m;\t690 530 l;\t721.76 530 747.5 504.26 747.5 472.5 c;\t747.5 440.74 721.76 415 690 415 "
    "c;\t130 415 l;\t98.24 415 72.5 389.26 72.5 357.5 c;\t72.5 325.74 98.24 300 130 300 c;\t690 300 l;\t721.76 300 "
    "747.5 274.26 747.5 242.5 c;\t747.5 210.74 721.76 185 690 185 c;\t90 185 l";
constexpr Vec2 kEnd{90, 415};
constexpr Vec2 kBridge1At{0, 15};     // the gateway the chain comes out of
constexpr Vec2 kBridge2At{524, 363};  // the sphinx gate on the last row
// Path positions (pixels): balls before the first roll under the gateway,
// balls between the other two under the sphinx gate. The hidden stretches
// are the passages, widened or narrowed by the ball spacing so that whole
// balls vanish inside.
constexpr float kUnderGatewayTo = 350;
constexpr float kUnderSphinxFrom = 2400, kUnderSphinxTo = 2700;
constexpr float kGatewayPassageFrom = 59, kGatewayPassageTo = 146;
constexpr float kSphinxPassageFrom = 2500, kSphinxPassageTo = 2595;
constexpr float kTargetFrom = 925, kTargetTo = 1615;
constexpr int32_t kBallSize = 2;
}  // namespace

void Board_Egypt::AppendPaths(std::vector<QuickSpline>& curves) { AppendParsedPath(curves, kPath); }

Board_Egypt::Board_Egypt(BoardGame& game, const BoardMedia* media) : Board(game, media) {
    ballSize = kBallSize;
    background = LoadThemeSprite(kThemeWord, "Background");
    bridge1 = LoadThemeSprite(kThemeWord, "Bridge1");
    bridge2 = LoadThemeSprite(kThemeWord, "Bridge2");
    eater = LoadThemeSprite(kThemeWord, "Eater");
    AddEaterAt(eater.get(), kEnd);
    AddThemeTracks(&AppendPaths, {0});
    // The spacing is the board's before Start applies the ball size.
    const float spacing = ballSpacing;
    AddHiddenRange(0, kGatewayPassageFrom - spacing / 2, kGatewayPassageTo + spacing / 2);
    AddHiddenRange(0, kSphinxPassageFrom - spacing / 2, kSphinxPassageTo - spacing);
    AddTargetRange(0, kTargetFrom, kTargetTo);
    layers = {BallsBefore(0, kUnderGatewayTo),
              BallsBetween(0, kUnderSphinxFrom, kUnderSphinxTo),
              Scenery(bridge1.get(), kBridge1At),
              Scenery(bridge2.get(), kBridge2At),
              BallsBetween(0, kUnderGatewayTo, kUnderSphinxFrom),
              BallsFrom(0, kUnderSphinxTo),
              EaterLayer(),
              ShotLayer()};
}
