// The board's saved state: what comes back, what is refused, and a whole
// level that continues identically after a save and a load.
#include <vector>

#include "BoardRecordSupport.h"
#include "BoardTestSupport.h"
#include "board/themes/Board_Blue.h"
#include "track/Bomb.h"
#include "track/Bonus.h"
#include "track/Eater.h"
#include "track/FireBall.h"

namespace {

TEST_F(BoardTest, FallingItemsAndShotsComeBackByKind) {
    Build();
    board->BonusItems().Add(Bonus::Create(static_cast<int32_t>(BonusKind::Aim), nullptr, 0));
    board->BonusItems().Add(Bonus::Create(static_cast<int32_t>(BonusKind::Coin), nullptr, 0));
    auto* fire = new FireBall(board.get(), nullptr);
    fire->isFireBall = true;
    board->AddShot(fire);
    board->AddShot(new Plimb(board.get()));
    board->aimTimer = 77;
    std::vector<uint8_t> saved = Record(*board);

    Build();
    IOBuffer in = BufferOf(saved, saved.size());
    ASSERT_TRUE(board->Load(in));
    ASSERT_EQ(board->BonusItems().Count(), 2);
    EXPECT_EQ(static_cast<Bonus*>(board->BonusItems().At(0))->kind, BonusKind::Aim);
    EXPECT_EQ(static_cast<Bonus*>(board->BonusItems().At(1))->kind, BonusKind::Coin);
    ASSERT_EQ(board->Shots().size(), 2u);
    EXPECT_NE(dynamic_cast<FireBall*>(board->Shots()[0]), nullptr);
    EXPECT_EQ(dynamic_cast<FireBall*>(board->Shots()[1]), nullptr);
    EXPECT_EQ(board->aimTimer, 77);
    EXPECT_EQ(Record(*board), saved);
}

TEST_F(BoardTest, RecordsOfAnotherShapeAreRefused) {
    Build(1);
    std::vector<uint8_t> oneTrack = Record(*board);
    Build(2);
    IOBuffer in = BufferOf(oneTrack, oneTrack.size());
    EXPECT_FALSE(board->Load(in));
}

TEST_F(BoardTest, EveryCutOfARecordLoadsAsFailureWithoutHarm) {
    Build(2);
    Lay(0, 8, 300);
    Lay(1, 5, 600);
    board->BonusItems().Add(Bonus::Create(static_cast<int32_t>(BonusKind::Bomb), nullptr, 0));
    auto* bomb = new Bomb(board.get(), board.get(), nullptr);
    bomb->isBomb = true;
    board->AddShot(bomb);
    std::vector<uint8_t> saved = Record(*board);
    // One board takes every cut: a refused record leaves it able to play on
    // and to load the whole record afterwards.
    Build(2);
    for (size_t cut = 0; cut < saved.size(); ++cut) {
        IOBuffer in = BufferOf(saved, cut);
        EXPECT_FALSE(board->Load(in)) << "cut at " << cut;
        Tick();
    }
    IOBuffer whole = BufferOf(saved, saved.size());
    ASSERT_TRUE(board->Load(whole));
    EXPECT_EQ(Record(*board), saved);
}

// A board in play with pieces of chain on both tracks, a loaded launcher,
// every kind of falling item and of ball in flight; then every byte of its
// record flipped in two ways. Each load answers false or leaves a board that
// plays on and saves, and either way the board takes the whole record again.
TEST_F(BoardTest, FlippedBytesLoadAsFailureOrAsABoardThatPlaysOn) {
    Build(2);
    std::vector<Plimb*> balls = Lay(0, 8, 300);
    Lay(1, 4, 500);
    board->TrackAt(0).RemoveBall(balls[3]);
    for (int32_t i = 0; i < 100 && !board->GetLauncher().Next(); ++i) Tick();
    ASSERT_NE(board->GetLauncher().Next(), nullptr);
    for (int32_t kind = 0; kind <= static_cast<int32_t>(BonusKind::Aim); ++kind)
        board->BonusItems().Add(Bonus::Create(kind, nullptr, 0));
    auto* fire = new FireBall(board.get(), nullptr);
    fire->isFireBall = true;
    board->AddShot(fire);
    auto* bomb = new Bomb(board.get(), board.get(), nullptr);
    bomb->isBomb = true;
    board->AddShot(bomb);
    board->AddShot(new Plimb(board.get()));
    std::vector<uint8_t> saved = Record(*board);

    constexpr int32_t kTicksAfterLoad = 3;
    board->startDelay = 0;
    int32_t loaded = 0;
    for (uint8_t mask : {0xFF, 0x01}) {
        for (size_t at = 0; at < saved.size(); ++at) {
            std::vector<uint8_t> flipped = saved;
            flipped[at] ^= mask;
            IOBuffer in = BufferOf(flipped, flipped.size());
            if (board->Load(in)) ++loaded;
            Tick(kTicksAfterLoad);
            Record(*board);
            IOBuffer whole = BufferOf(saved, saved.size());
            ASSERT_TRUE(board->Load(whole)) << "after byte " << at << " ^ " << int(mask);
        }
    }
    // Most bytes are values, not structure: plenty of loads go through.
    EXPECT_GT(loaded, static_cast<int32_t>(saved.size()));
}

TEST(BoardBlue, ThemeWordsIgnoreCaseAndOthersMakeNoBoard) {
    FakeBoardGame game;
    EXPECT_NE(dynamic_cast<Board_Blue*>(CreateBoard("BLUE", game, nullptr).get()), nullptr);
    EXPECT_EQ(CreateBoard("Bluebird", game, nullptr), nullptr);
    std::unique_ptr<Board> blue = CreateBoard("Blue", game, nullptr);
    EXPECT_EQ(blue->TrackCount(), 2);
    EXPECT_EQ(blue->Eaters().Count(), 2);
    blue->Start();
    EXPECT_FLOAT_EQ(blue->ballScale, 1.0f);
    EXPECT_FLOAT_EQ(blue->ballSpacing, 53.0f);
    // The lanes end at their own eaters.
    Track& first = blue->TrackAt(0);
    Track& second = blue->TrackAt(1);
    EXPECT_NEAR(first.Samples().back().x, 469, 1);
    EXPECT_NEAR(first.Samples().back().y, 234, 1);
    EXPECT_NEAR(second.Samples().back().x, 312, 1);
    EXPECT_NEAR(second.Samples().back().y, 336, 1);
}

TEST(BoardBlue, ASavedLevelContinuesExactlyAsTheOriginal) {
    LevelLibrary library;
    library.Load(PZ_ASSET_DIR "/levels");
    GetRandom().Seed(2024);
    BluePlay original(library);
    ASSERT_EQ(original.board->DisplayName(), String("TWIN LANES"));
    // Some ticks past the intro, chosen by the seed.
    int32_t saveTick = Board::kIntroTicks + 500 + GetRandom().Next(1500);
    for (int32_t i = 0; i < saveTick; ++i) original.board->Update();
    ASSERT_GT(original.board->LiveBallCount(), 0);
    std::vector<uint8_t> saved = Record(*original.board);
    Random generatorAtSave = GetRandom();

    std::vector<std::vector<uint8_t>> expected;
    for (int32_t i = 0; i < 1000; ++i) {
        original.board->Update();
        expected.push_back(Record(*original.board));
    }

    BluePlay restored(library);
    IOBuffer in = BufferOf(saved, saved.size());
    ASSERT_TRUE(restored.board->Load(in));
    GetRandom() = generatorAtSave;
    for (int32_t i = 0; i < 1000; ++i) {
        restored.board->Update();
        ASSERT_EQ(Record(*restored.board), expected[i]) << "tick " << i << " after the load";
    }
}

}  // namespace
