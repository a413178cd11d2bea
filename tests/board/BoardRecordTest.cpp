// The board's saved state: what comes back, what is refused, and a whole
// level that continues identically after a save and a load.
#include <vector>

#include "BoardRecordSupport.h"
#include "BoardTestSupport.h"
#include "board/themes/Board_Blue.h"
#include "track/BallRecordLayout.h"
#include "track/Bomb.h"
#include "track/Bonus.h"
#include "track/Eater.h"
#include "track/FireBall.h"
#include "track/Launcher.h"
#include "track/Track.h"

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

TEST_F(BoardTest, TheRecordHoldsItsFieldsInTheirOrder) {
    Build();
    Board& b = *board;
    b.flashColour = Colour{0.1f, 0.2f, 0.3f, 0.4f};
    b.swirlAlpha = 0.5f;
    b.darken = 0.6f;
    b.swirlAngle = 7;
    b.shake = 8;
    b.explosionRadius = 9;
    b.shakeOffset = Vec2{10, 11};
    b.explosionCentre = Vec2{12, 13};
    b.lossesOnBoard = 1;
    b.rewindTicks = 2;
    b.lossWait = 3;
    b.startDelay = 4;
    b.slowTimer = 5;
    b.backTimer = 6;
    b.fireGrant = 7;
    b.bombGrant = 8;
    b.aimTimer = 9;
    b.completeCountdown = 10;
    b.endDelay = 11;
    b.flashLeft = 12;
    b.flashDuration = 13;
    b.dangerRepeats = 14;
    b.dangerColour = 5;
    b.fallbackColour = 2;
    // Every other flag set, the spare among them aside.
    b.rewindBraking = b.wavesOver = b.losing = b.gameOver = b.wavesEnded = b.complete = b.completeReported =
        b.rushActive = true;
    b.rewinding = b.needColourCheck = b.drained = b.explosionActive = b.completing = b.completeStarted = b.advance =
        false;
    auto* fire = new FireBall(&b, nullptr);
    MarkBallFields(*fire);
    b.AddShot(fire);
    auto* item = Bonus::Create(static_cast<int32_t>(BonusKind::Aim), nullptr, 0);
    item->frame = 1;
    item->angle = 2;
    item->position = Vec2{3, 4};
    b.BonusItems().Add(item);
    IOBuffer track, launcher;
    b.TrackAt(0).Save(track);
    b.GetLauncher().Save(launcher);
    IOBuffer in;
    b.Save(in);
    in.SetPosition(0);

    for (float value : {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 7.0f, 8.0f, 9.0f, 10.0f, 11.0f, 12.0f, 13.0f})
        EXPECT_FLOAT_EQ(in.ReadFloat(), value);
    for (int32_t value : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 12, 13, 14, 5, 2}) EXPECT_EQ(in.ReadInt(), value);
    // rewindBraking, rewinding, wavesOver, needColourCheck, a spare, losing, drained, gameOver,
    // explosionActive, wavesEnded, completing, complete, completeStarted, completeReported, advance, rushActive
    const bool flags[] = {true,  false, true,  false, false, true, false, true,
                          false, true,  false, true,  false, true, false, true};
    for (bool flag : flags) EXPECT_EQ(in.ReadBool(), flag);
    EXPECT_EQ(in.ReadInt(), 1);  // tracks, then each track's record
    std::vector<uint8_t> trackBytes(static_cast<size_t>(track.Size()));
    in.ReadBytes(trackBytes.data(), track.Size());
    EXPECT_EQ(trackBytes, std::vector<uint8_t>(track.Data(), track.Data() + track.Size()));
    EXPECT_EQ(in.ReadInt(), 1);  // balls in flight: kind, ball record
    EXPECT_EQ(in.ReadInt(), 2);
    ExpectBallRecord(in, *fire, -1, -1);
    EXPECT_EQ(in.ReadInt(), 1);  // eaters: no fuse yet, not handed over
    EXPECT_EQ(in.ReadInt(), 0);
    EXPECT_FALSE(in.ReadBool());
    EXPECT_EQ(in.ReadInt(), 1);  // falling items: type, frame, eleven floats
    EXPECT_EQ(in.ReadInt(), static_cast<int32_t>(BonusKind::Aim));
    EXPECT_EQ(in.ReadInt(), 1);
    for (float value : {item->angle, item->spin, item->scale, item->growth, item->radius, item->velocity.x,
                        item->velocity.y, item->acceleration.x, item->acceleration.y, 3.0f, 4.0f})
        EXPECT_FLOAT_EQ(in.ReadFloat(), value);
    std::vector<uint8_t> launcherBytes(static_cast<size_t>(launcher.Size()));
    in.ReadBytes(launcherBytes.data(), launcher.Size());
    EXPECT_EQ(launcherBytes, std::vector<uint8_t>(launcher.Data(), launcher.Data() + launcher.Size()));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_FALSE(in.HasError());
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

// Whichever part of a record is refused (a track, the balls in flight, an
// eater, the falling items or the launcher at the very end), nothing of the
// parts before it is taken either.
TEST_F(BoardTest, ARefusedRecordChangesNothingOfTheBoard) {
    Build(2);
    Lay(0, 8, 300);
    Lay(1, 5, 600);
    board->BonusItems().Add(Bonus::Create(static_cast<int32_t>(BonusKind::Slow), nullptr, 0));
    board->AddShot(new Plimb(board.get()));
    board->slowTimer = 321;
    Tick(Board::kIntroTicks + 60);  // the launcher is loaded, the chains roll
    board->BeginCompletion();       // and every eater holds a fuse
    const std::vector<uint8_t> saved = Record(*board);

    Build(2);
    Lay(1, 3, 100);
    Tick(50);
    const std::vector<uint8_t> before = Record(*board);
    ASSERT_NE(before, saved);
    for (size_t cut = 0; cut < saved.size(); ++cut) {
        ASSERT_FALSE(LoadRecord(*board, std::vector<uint8_t>(saved.begin(), saved.begin() + cut)));
        ASSERT_EQ(Record(*board), before) << "cut at " << cut << " of " << saved.size();
    }
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
