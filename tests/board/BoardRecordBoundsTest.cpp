// Saved boards carrying numbers the game could never have produced: each is
// refused, and whatever a damaged record lets through plays on and saves a
// record that loads again (a journey that can never be loaded is lost).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "BoardRecordSupport.h"
#include "board/AutoPlayer.h"
#include "core/Random.h"
#include "track/Bomb.h"
#include "track/Bonus.h"
#include "track/ChainSegment.h"
#include "track/Eater.h"
#include "track/FireBall.h"
#include "track/Pusher.h"
#include "track/Track.h"

namespace {

constexpr float kHuge = 1.7e38f;  // finite, but runs into infinity within a few ticks

// Where the first track's record begins: after the board's own 13 floats,
// 17 integers, 16 flags and the track count.
constexpr size_t kFirstTrack = 13 * 4 + 17 * 4 + 16 + 4;
// A ball record: 6 floats, 10 flags, 8 floats, 5 integers.
constexpr size_t kBallRecord = 6 * 4 + 10 + 8 * 4 + 5 * 4;
// The launcher's record closes the board's: a flag, 2 integers, 5 floats,
// then its two balls, each a flag, a kind and a ball record.
constexpr size_t kLauncherRecord = 1 + 2 * 4 + 5 * 4 + 2 * (1 + 4 + kBallRecord);

// The record's little-endian encoding of a 4-byte value, on this little-endian machine.
template <class T>
void Write(uint8_t* bytes, T value) {
    static_assert(sizeof(T) == 4);
    std::memcpy(bytes, &value, sizeof(T));
}

template <class T>
void Overwrite(std::vector<uint8_t>& bytes, size_t at, T value) {
    ASSERT_LE(at + sizeof(T), bytes.size());
    Write(bytes.data() + at, value);
}

class RecordBoundsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        library = new LevelLibrary;
        library->Load(PZ_ASSET_DIR "/levels");
        GetRandom().Seed(4711);
        BluePlay play(*library);
        Board& board = *play.board;
        AutoPlayer bot(board);
        for (int32_t i = 0; i < Board::kIntroTicks + 1200; ++i) {
            bot.Tick();
            board.Update();
        }
        // Something of every kind in the air, moving as the game moves it.
        for (int32_t kind = 0; kind < Bonus::kKindCount; ++kind) {
            Bonus* item = Bonus::Create(kind, nullptr, kind);
            item->position = Vec2{100.0f + 100.0f * static_cast<float>(kind), 200};
            item->velocity = Vec2{0.7f, -3.2f};
            item->acceleration.y = 0.1f;
            board.BonusItems().Add(item);
        }
        auto* fire = new FireBall(&board, nullptr);
        fire->isFireBall = true;
        // Low at the sides, below both lanes: they are still flying when saved.
        fire->position = Vec2{60, 590};
        board.AddShot(fire);
        auto* bomb = new Bomb(&board, &board, nullptr);
        bomb->isBomb = true;
        bomb->position = Vec2{740, 590};
        board.AddShot(bomb);
        board.Update();
        inPlay = new std::vector<uint8_t>(Record(board));
        // The end of the level: the fuses drop in and burn.
        board.BonusItems().Clear();
        board.BeginCompletion();
        for (int32_t i = 0; i < 80; ++i) board.Update();
        board.BonusItems().Clear();  // the record's end holds no item, then the launcher
        finishing = new std::vector<uint8_t>(Record(board));
    }

    static void TearDownTestSuite() {
        delete library;
        delete inPlay;
        delete finishing;
    }

    void SetUp() override {
        victim = std::make_unique<BluePlay>(*library);
        ASSERT_TRUE(LoadRecord(*victim->board, *inPlay));
    }

    // The played board changed by `damage` saves a record a fresh board refuses.
    void ExpectRefused(const char* what, const std::function<void(Board&)>& damage) {
        ASSERT_TRUE(LoadRecord(*victim->board, *inPlay)) << what;
        damage(*victim->board);
        std::vector<uint8_t> damaged = Record(*victim->board);
        ASSERT_NE(damaged, *inPlay) << what << " changed nothing";
        BluePlay fresh(*library);
        EXPECT_FALSE(LoadRecord(*fresh.board, damaged)) << what;
    }

    void ExpectRefused(const char* what, const std::vector<uint8_t>& damaged) {
        BluePlay fresh(*library);
        EXPECT_FALSE(LoadRecord(*fresh.board, damaged)) << what;
    }

    Board& Played() { return *victim->board; }
    // The rear-most ball of the first track (the first test checks there is one).
    static Plimb& FirstBall(Board& board) {
        const std::vector<Plimb*>& items = board.TrackAt(0).Items();
        for (Plimb* item : items)
            if (!item->isRobot) return *item;
        return *items.front();
    }
    static Bonus& Item(Board& board, int32_t index) { return *static_cast<Bonus*>(board.BonusItems().At(index)); }

    static LevelLibrary* library;
    static std::vector<uint8_t>* inPlay;
    static std::vector<uint8_t>* finishing;
    std::unique_ptr<BluePlay> victim;
};

LevelLibrary* RecordBoundsTest::library = nullptr;
std::vector<uint8_t>* RecordBoundsTest::inPlay = nullptr;
std::vector<uint8_t>* RecordBoundsTest::finishing = nullptr;

TEST_F(RecordBoundsTest, ThePlayedRecordsHoldEverythingAndLoad) {
    ASSERT_FALSE(Played().TrackAt(0).Robots().empty());
    ASSERT_GT(Played().TrackAt(0).BallCount(), 0);
    ASSERT_GE(Played().BonusItems().Count(), Bonus::kKindCount);
    ASSERT_GE(Played().Shots().size(), 2u);
    ASSERT_NE(Played().GetLauncher().Loaded(), nullptr);
    ASSERT_NE(Played().GetLauncher().Next(), nullptr);
    BluePlay fresh(*library);
    ASSERT_TRUE(LoadRecord(*fresh.board, *finishing));
    ASSERT_GT(static_cast<Eater*>(fresh.board->Eaters().At(1))->WickCount(), 0);
    ASSERT_NE(fresh.board->GetLauncher().Next(), nullptr);
}

TEST_F(RecordBoundsTest, HugeNumbersAndNegativeTimersInTheBoardAndItsObjectsAreRefused) {
    using Damage = std::function<void(Board&)>;
    const std::pair<const char*, Damage> cases[] = {
        // The board's own state.
        {"flash colour", [](Board& b) { b.flashColour.g = 2; }},
        {"darkening", [](Board& b) { b.darken = kHuge; }},
        {"rewind swirl angle", [](Board& b) { b.swirlAngle = -kHuge; }},
        {"shake", [](Board& b) { b.shake = kHuge; }},
        {"blast radius", [](Board& b) { b.explosionRadius = kHuge; }},
        {"blast centre", [](Board& b) { b.explosionCentre.y = kHuge; }},
        {"slow timer", [](Board& b) { b.slowTimer = -1; }},
        {"back timer", [](Board& b) { b.backTimer = -5; }},
        {"aim timer", [](Board& b) { b.aimTimer = -1; }},
        {"intro", [](Board& b) { b.startDelay = -1; }},
        {"loss wait", [](Board& b) { b.lossWait = -1; }},
        {"completion countdown", [](Board& b) { b.completeCountdown = -1; }},
        {"flash length", [](Board& b) { b.flashDuration = 0; }},
        {"fire grant", [](Board& b) { b.fireGrant = -1000; }},
        {"losses", [](Board& b) { b.lossesOnBoard = -1; }},
        {"danger colour", [](Board& b) { b.dangerColour = 8; }},
        {"fallback colour", [](Board& b) { b.fallbackColour = -1; }},
        // A ball on a track.
        {"ball position", [](Board& b) { FirstBall(b).position.x = kHuge; }},
        {"ball distance", [](Board& b) { FirstBall(b).distance = kHuge; }},
        {"ball previous distance", [](Board& b) { FirstBall(b).previousDistance = -kHuge; }},
        {"ball angle", [](Board& b) { FirstBall(b).angle = kHuge; }},
        {"ball rolling frame", [](Board& b) { FirstBall(b).rollFrame = kHuge; }},
        {"ball speed", [](Board& b) { FirstBall(b).speed = -kHuge; }},
        {"ball scale", [](Board& b) { FirstBall(b).scale = kHuge; }},
        {"ball alpha", [](Board& b) { FirstBall(b).alpha = 1.5f; }},
        {"ball alpha step", [](Board& b) { FirstBall(b).alphaStep = kHuge; }},
        {"ball flight", [](Board& b) { FirstBall(b).flight[3] = kHuge; }},
        {"ball easing", [](Board& b) { FirstBall(b).angleEase = -1; }},
        {"ball gap timer", [](Board& b) { FirstBall(b).gapTimer = -1; }},
        {"ball colour", [](Board& b) { FirstBall(b).colour = 8; }},
        // The chain around it.
        {"robot target speed", [](Board& b) { b.TrackAt(0).Robots()[0]->targetSpeed = kHuge; }},
        {"robot countdown", [](Board& b) { b.TrackAt(0).Robots()[0]->countdown = -1; }},
        {"robot colour", [](Board& b) { b.TrackAt(0).Robots()[0]->colour = 3; }},
        {"piece speed", [](Board& b) { b.TrackAt(0).Segments()[0]->speed = kHuge; }},
        {"wave speed", [](Board& b) { b.TrackAt(0).WaveAt(0).speedFast = kHuge; }},
        {"wave delay share", [](Board& b) { b.TrackAt(0).WaveAt(0).delayDist = 50; }},
        {"wave delay", [](Board& b) { b.TrackAt(0).WaveAt(0).delayTicks = -1; }},
        {"wave colours", [](Board& b) { b.TrackAt(0).WaveAt(0).types = 9; }},
        {"wave length", [](Board& b) { b.TrackAt(0).WaveAt(0).count = 5000; }},
        // Falling bonus items and balls in flight.
        {"item speed", [](Board& b) { Item(b, 0).velocity.y = -kHuge; }},
        {"item gravity", [](Board& b) { Item(b, 1).acceleration.y = kHuge; }},
        {"item position", [](Board& b) { Item(b, 2).position.x = -kHuge; }},
        {"item angle", [](Board& b) { Item(b, 3).angle = kHuge; }},
        {"item spin", [](Board& b) { Item(b, 4).spin = kHuge; }},
        {"item scale", [](Board& b) { Item(b, 5).scale = kHuge; }},
        {"item growth", [](Board& b) { Item(b, 0).growth = kHuge; }},
        {"item radius", [](Board& b) { Item(b, 1).radius = kHuge; }},
        {"coin frame", [](Board& b) { Item(b, 0).frame = Bonus::kCoinKinds; }},
        {"shot position", [](Board& b) { b.Shots()[0]->position.x = kHuge; }},
        {"shot distance", [](Board& b) { b.Shots()[1]->distance = kHuge; }},
        {"loaded ball speed", [](Board& b) { b.GetLauncher().Loaded()->speed = kHuge; }},
        {"next ball colour", [](Board& b) { b.GetLauncher().Next()->colour = -1; }},
    };
    for (const auto& [what, damage] : cases) ExpectRefused(what, damage);
}

// Fields the board keeps to itself, written straight into the record.
TEST_F(RecordBoundsTest, HugeNumbersAndNegativeTimersOfTracksLauncherAndFusesAreRefused) {
    struct Field {
        const char* what;
        bool fromEnd;  // the offset counts back from the end of the record
        size_t at;
        float huge;     // written when the field is a float
        int32_t wrong;  // written when it is an integer (huge is 0)
    };
    constexpr size_t kTrackInts = kFirstTrack + (6 + 7 + 6 + 7) * 4;
    const Field inPlayFields[] = {
        {"track start point", false, kFirstTrack, kHuge, 0},
        {"fast zone", false, kFirstTrack + 24, kHuge, 0},
        {"acceleration", false, kFirstTrack + 40, kHuge, 0},
        {"negative brake", false, kFirstTrack + 36, -0.5f, 0},
        {"next wave distance", false, kFirstTrack + 48, kHuge, 0},
        {"shot flight left", false, kFirstTrack + 19 * 4 + 8, kHuge, 0},
        {"last robot distance", false, kFirstTrack + 25 * 4, -kHuge, 0},
        {"next wave", false, kTrackInts + 4, 0, -1},
        {"insert lock", false, kTrackInts + 8, 0, -1},
        {"combo count", false, kTrackInts + 12, 0, -1},
        {"next robot colour", false, kTrackInts + 20, 0, 0},
        {"wave delay", false, kTrackInts + 36, 0, -1},
        {"end ticks", false, kTrackInts + 40, 0, -3},
        {"launcher flash", true, kLauncherRecord - 1, 0, -1},
        {"launcher recoil", true, kLauncherRecord - 9, kHuge, 0},
        {"launcher x", true, kLauncherRecord - 13, -kHuge, 0},
        {"launcher aim", true, kLauncherRecord - 25, kHuge, 0},
    };
    // The finishing record ends: ... the last fuse's burn, height and fall
    // speed, 3 integers, 3 flags; its eater's flag; no bonus item; the launcher.
    constexpr size_t kLastFuseFloats = kLauncherRecord + 4 + 1 + 3 + 3 * 4 + 3 * 4;
    const Field finishingFields[] = {
        {"fuse point", true, kLastFuseFloats + 4, kHuge, 0},
        {"fuse burn", true, kLastFuseFloats, -kHuge, 0},
        {"fuse height", true, kLastFuseFloats - 4, kHuge, 0},
        {"fuse fall speed", true, kLastFuseFloats - 8, -kHuge, 0},
    };
    auto expectRefused = [this](std::span<const Field> fields, const std::vector<uint8_t>& record) {
        for (const Field& field : fields) {
            std::vector<uint8_t> damaged = record;
            size_t at = field.fromEnd ? damaged.size() - field.at : field.at;
            if (field.huge != 0)
                Overwrite(damaged, at, field.huge);
            else
                Overwrite(damaged, at, field.wrong);
            ExpectRefused(field.what, damaged);
        }
    };
    expectRefused(inPlayFields, *inPlay);
    expectRefused(finishingFields, *finishing);
}

// Random overwrites of one byte or of four, in play and at the end of the
// level: every record that loads plays on, and what it saves loads again.
// Four bytes take random bytes, a huge float or a small integer.
TEST_F(RecordBoundsTest, DamagedRecordsThatLoadPlayOnAndSaveRecordsThatLoad) {
    constexpr int32_t kTrialsPerRecord = 70;
    constexpr int32_t kTicksAfterLoad = 500;
    constexpr int32_t kHugeExponent = 100, kHugeExponents = 28;  // floats of 2^100 .. 2^128
    constexpr int32_t kSmallInteger = 1000;
    Random pick;
    pick.Seed(1234);
    Board& board = *victim->board;
    BluePlay checker(*library);
    int32_t loaded = 0;
    for (const std::vector<uint8_t>* record : {inPlay, finishing}) {
        for (int32_t trial = 0; trial < kTrialsPerRecord; ++trial) {
            std::vector<uint8_t> damaged = *record;
            const int32_t width = pick.Next(2) == 0 ? 1 : 4;
            const int32_t at = pick.Next(static_cast<int32_t>(damaged.size()) - width + 1);
            uint8_t* bytes = &damaged[static_cast<size_t>(at)];
            switch (width == 1 ? 0 : pick.Next(3)) {
                case 0:  // random bytes
                    for (int32_t k = 0; k < width; ++k) bytes[k] = static_cast<uint8_t>(pick.Next(256));
                    break;
                case 1:  // a float huge enough to overflow once it is added up or multiplied
                    Write(bytes, std::ldexp(1.0f + pick.NextFloat(), kHugeExponent + pick.Next(kHugeExponents)) *
                                     (pick.Next(2) == 0 ? 1.0f : -1.0f));
                    break;
                default:  // a small integer, as timers, counters, colours and indices hold
                    Write(bytes, pick.Next(kSmallInteger, true));
            }
            victim->game.lives = 3;
            if (!LoadRecord(board, damaged)) continue;
            ++loaded;
            for (int32_t tick = 0; tick < kTicksAfterLoad; ++tick) board.Update();
            ASSERT_TRUE(LoadRecord(*checker.board, Record(board))) << "bytes " << at << " + " << width;
        }
    }
    // Most bytes are values: many damaged records still load.
    EXPECT_GT(loaded, kTrialsPerRecord / 2);
}

}  // namespace
