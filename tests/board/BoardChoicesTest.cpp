// The launcher's colours, the bonus drops and the title picture's size.
#include <algorithm>

#include "BoardTestSupport.h"
#include "board/TitleImage.h"
#include "core/IOBuffer.h"
#include "track/Bonus.h"

namespace {

TEST_F(BoardTest, EndangeredColourComesThreeTimesThenTheGeneralRuleThenAgain) {
    Build();
    std::vector<Plimb*> balls = Lay(0, 6, 200, 1);
    balls.back()->colour = 4;  // the front ball, 200 pixels from the end
    EXPECT_EQ(board->ChooseLauncherColour(-1), 4);
    EXPECT_EQ(board->ChooseLauncherColour(-1), 4);
    EXPECT_EQ(board->ChooseLauncherColour(-1), 4);
    // The fourth choice follows the general rule (4 excluded to show it).
    EXPECT_EQ(board->ChooseLauncherColour(4), 1);
    EXPECT_EQ(board->ChooseLauncherColour(-1), 4);
    EXPECT_FALSE(board->boardEmpty);
}

TEST_F(BoardTest, NoDangerBeyondTheDangerDistance) {
    Build();
    std::vector<Plimb*> balls = Lay(0, 6, 260, 1);
    balls.back()->colour = 4;
    EXPECT_EQ(board->ChooseLauncherColour(4), 1);
}

TEST_F(BoardTest, ExcludedColourIsStillChosenWhenItIsTheOnlyOne) {
    Build();
    Lay(0, 5, 800, 2);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(board->ChooseLauncherColour(2), 2);
    EXPECT_FALSE(board->boardEmpty);
}

TEST_F(BoardTest, PreferredSetsComeBeforeOtherColours) {
    Build();
    std::vector<Plimb*> balls = Lay(0, 8, 900, 3);  // all far from the end
    balls.front()->colour = 5;
    board->AddTargetRange(0, balls.front()->distance - 1, balls.front()->distance + 1);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(board->ChooseLauncherColour(-1), 5);
    // Without a target range, a colour near the end wins over one only seen.
    Build();
    balls = Lay(0, 4, 10, 6);
    balls.front()->distance = 100;  // far from the end but on screen
    balls.front()->colour = 7;
    for (int i = 0; i < 10; ++i) EXPECT_EQ(board->ChooseLauncherColour(-1), 6);
}

TEST_F(BoardTest, SpecialBallsStayOutsideTheBallColoursThroughUpkeepAndRecords) {
    Build();
    Lay(0, 6, 600, 2);  // no ball of colour 0 anywhere
    Tick(45);           // the launcher loads (the chains still wait for the intro)
    Launcher& launcher = board->GetLauncher();
    ASSERT_NE(launcher.Loaded(), nullptr);
    auto isBallColour = [](int32_t colour) { return colour >= 0 && colour < TrackImages::kColours; };
    for (bool fire : {true, false}) {
        SCOPED_TRACE(fire ? "fire ball" : "bomb");
        (fire ? board->fireGrant : board->bombGrant) = 1;
        Tick();
        Plimb* special = launcher.Loaded();
        ASSERT_TRUE(fire ? special->isFireBall : special->isBomb);
        EXPECT_FALSE(isBallColour(special->colour));
        // The upkeep neither changes a special ball nor spends a choice on it.
        board->dangerRepeats = 0;
        board->RequestColourCheck();
        Tick();
        EXPECT_EQ(launcher.Loaded(), special);
        EXPECT_FALSE(isBallColour(special->colour));
        EXPECT_EQ(launcher.Next()->colour, 2);
        EXPECT_EQ(board->dangerRepeats, 0);

        IOBuffer record;
        launcher.Save(record);
        record.SetPosition(0);
        ASSERT_TRUE(launcher.Load(record));
        EXPECT_EQ(launcher.Loaded()->colour, Plimb::kSpecialColour);
        // A special ball recorded with a ball colour is damage.
        launcher.Loaded()->colour = 1;
        IOBuffer damaged;
        launcher.Save(damaged);
        damaged.SetPosition(0);
        EXPECT_FALSE(launcher.Load(damaged));
        launcher.Loaded()->colour = Plimb::kSpecialColour;
    }
}

TEST_F(BoardTest, EmptyBoardWalksTheFallbackColour) {
    Build();
    int32_t previous = board->fallbackColour;
    for (int i = 0; i < 100; ++i) {
        int32_t colour = board->ChooseLauncherColour(-1);
        EXPECT_TRUE(board->boardEmpty);
        ASSERT_GE(colour, 0);
        ASSERT_LE(colour, 2);
        // One step either way; off the top wraps to 0, off the bottom to 1.
        bool stepped = colour == previous + 1 || colour == previous - 1 || (previous == 2 && colour == 0) ||
                       (previous == 0 && colour == 1);
        EXPECT_TRUE(stepped) << previous << " -> " << colour;
        previous = colour;
    }
}

TEST_F(BoardTest, TwentyBallsNearTheEndOfferEveryKind) {
    Build();
    Lay(0, 20, 100);
    std::vector<BonusKind> expected = {BonusKind::Coin, BonusKind::Fire, BonusKind::Fire, BonusKind::Bomb,
                                       BonusKind::Bomb, BonusKind::Slow, BonusKind::Back, BonusKind::Aim};
    EXPECT_EQ(board->BonusCandidates(), expected);
    // Running power-ups and falling items block their kinds.
    board->slowTimer = 5;
    board->aimTimer = 5;
    board->fireGrant = Bonus::kFireGrant;
    board->BonusItems().Add(Bonus::Create(static_cast<int32_t>(BonusKind::Coin), nullptr, 0));
    EXPECT_EQ(board->BonusCandidates(), (std::vector<BonusKind>{BonusKind::Bomb, BonusKind::Bomb, BonusKind::Back}));
}

TEST_F(BoardTest, ASpecialBallInTheLauncherBlocksBothSpecialDrops) {
    const std::vector<BonusKind> withoutSpecials = {BonusKind::Coin, BonusKind::Slow, BonusKind::Back, BonusKind::Aim};
    for (bool fire : {true, false}) {
        SCOPED_TRACE(fire ? "fire ball" : "bomb");
        Build();
        Lay(0, 20, 100);
        Launcher& launcher = board->GetLauncher();
        // Long enough for a reload and a swap after it.
        const int32_t reload = 2 * static_cast<int32_t>(launcher.ReloadTicks()) + 1;
        Tick(reload);  // the launcher loads (the chains still wait for the intro)
        (fire ? board->fireGrant : board->bombGrant) = 1;
        Tick();  // the grant turns into the loaded ball and is spent
        ASSERT_TRUE(fire ? launcher.Loaded()->isFireBall : launcher.Loaded()->isBomb);
        ASSERT_EQ(board->fireGrant + board->bombGrant, 0);
        EXPECT_EQ(board->BonusCandidates(), withoutSpecials);
        // Swapped behind the other ball, it still waits to be fired.
        launcher.RequestSwap();
        Tick(reload);
        ASSERT_TRUE(fire ? launcher.Next()->isFireBall : launcher.Next()->isBomb);
        EXPECT_EQ(board->BonusCandidates(), withoutSpecials);
        // Flying, it blocks only its own kind.
        launcher.RequestSwap();
        Tick(reload);
        board->OnMouseButton(400, 300, -1);
        ASSERT_EQ(board->Shots().size(), 1u);
        ASSERT_TRUE(fire ? board->Shots()[0]->isFireBall : board->Shots()[0]->isBomb);
        std::vector<BonusKind> candidates = board->BonusCandidates();
        EXPECT_EQ(std::count(candidates.begin(), candidates.end(), fire ? BonusKind::Fire : BonusKind::Bomb), 0);
        EXPECT_EQ(std::count(candidates.begin(), candidates.end(), fire ? BonusKind::Bomb : BonusKind::Fire), 2);
    }
}

TEST_F(BoardTest, FewOrFarBallsOfferNoSlowOrBack) {
    Build();
    Lay(0, 4, 950);  // the front ball far from the end
    std::vector<BonusKind> expected = {BonusKind::Coin, BonusKind::Coin, BonusKind::Fire, BonusKind::Bomb,
                                       BonusKind::Aim};
    EXPECT_EQ(board->BonusCandidates(), expected);
}

TEST_F(BoardTest, ThreeBallsAndAFullMeterDropOnlyCoins) {
    Build();
    Lay(0, 3, 300);
    game.meterFull = true;
    board->SetWavesOver();
    for (int i = 0; i < 30; ++i) board->AddDropRequest(Vec2{400, 300});
    Tick();
    ASSERT_EQ(board->BonusItems().Count(), 30);
    for (int i = 0; i < 30; ++i) EXPECT_EQ(static_cast<Bonus*>(board->BonusItems().At(i))->kind, BonusKind::Coin);
}

TEST_F(BoardTest, DropsOnAnEmptyBoardWithAFullMeterFanOutSixCoins) {
    Build();
    game.meterFull = true;
    board->AddDropRequest(Vec2{400, 300});
    board->AddDropRequest(Vec2{500, 200});
    Tick();
    ASSERT_EQ(board->BonusItems().Count(), 12);
    for (int i = 0; i < 12; ++i) {
        auto* coin = static_cast<Bonus*>(board->BonusItems().At(i));
        EXPECT_EQ(coin->kind, BonusKind::Coin);
        EXPECT_EQ(coin->frame, i % 6);
    }
}

TEST_F(BoardTest, DropsAtTheSidesDriftInwardsOrVanish) {
    Build();
    Lay(0, 20, 100);
    board->AddDropRequest(Vec2{100, 300});
    board->AddDropRequest(Vec2{700, 300});
    board->AddDropRequest(Vec2{20, 300});
    Tick();
    ASSERT_EQ(board->BonusItems().Count(), 2);
    EXPECT_GT(static_cast<Bonus*>(board->BonusItems().At(0))->velocity.x, 0);
    EXPECT_LT(static_cast<Bonus*>(board->BonusItems().At(1))->velocity.x, 0);
}

TEST_F(BoardTest, CoinKindsCycleFromOne) {
    Build();
    game.meterFull = false;
    board->SetWavesOver();  // no balls and the waves over: coins only
    for (int expected : {1, 2, 3, 4, 5, 0, 1}) {
        std::unique_ptr<Bonus> coin(board->CreateBonusItem());
        EXPECT_EQ(coin->kind, BonusKind::Coin);
        EXPECT_EQ(coin->frame, expected);
    }
}

TEST_F(BoardTest, CaughtItemsApplyTheirEffectAndCount) {
    Build();
    game.world = 1;
    game.style = PlayStyle::Apocalypse;
    std::unique_ptr<Bonus> coin(Bonus::Create(static_cast<int32_t>(BonusKind::Coin), nullptr, 0));
    board->CollectBonus(*coin);
    EXPECT_EQ(game.score, 250 * 2 * 2);
    std::unique_ptr<Bonus> slow(Bonus::Create(static_cast<int32_t>(BonusKind::Slow), nullptr, 0));
    board->CollectBonus(*slow);
    EXPECT_EQ(board->slowTimer, Bonus::kSlowTicks);
    EXPECT_EQ(game.caught, 2);
    EXPECT_TRUE(slow->mKilled);
}

TEST(TitleImage, WidthIsMadeEven) {
    EXPECT_EQ(TitleImage::Width(100), 120);
    EXPECT_EQ(TitleImage::Width(101), 122);
    EXPECT_EQ(TitleImage::Height(23.5f), 44);
}

}  // namespace
