// The boards whose balls pass under and over scenery: their words, their
// ranges along the paths, hidden balls, the bot and saved levels.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <typeinfo>
#include <vector>

#include "BoardRecordSupport.h"
#include "FakeBoardGame.h"
#include "board/AutoPlayer.h"
#include "board/Board.h"
#include "board/BoardFactory.h"
#include "board/LevelLibrary.h"
#include "core/Random.h"
#include "track/ChainSegment.h"
#include "track/Plimb.h"
#include "track/Track.h"

namespace {

struct Range {
    int32_t track;
    float from, to;
};

struct BridgeTheme {
    const char* word;
    const char* nearMiss;
    std::vector<Range> hidden;
    // Where the layering changes along a path, and target ranges.
    std::vector<Range> marks;
};

const std::vector<BridgeTheme>& BridgeThemes() {
    static const std::vector<BridgeTheme> themes = {
        {"Aqua", "Aquarium", {{0, 2070, 2240}}, {{0, 1200, 1600}}},
        {"Beach", "Beaches", {{0, 1558, 1640}}, {{0, 1415, 1415}}},
        {"Bobsled", "Bobsleigh", {}, {{0, 1000, 1500}}},
        {"Egypt",
         "Egyptian",
         {{0, 32.5f, 172.5f}, {0, 2473.5f, 2542}},
         {{0, 350, 2400}, {0, 2700, 2700}, {0, 925, 1615}}},
        {"Forest", "Forests", {}, {{0, 1295, 1295}}},
        {"Pretzel",
         "Pretzels",
         {{0, 1700, 1785}, {0, 575, 720}},
         {{0, 400, 900}, {0, 1450, 1950}, {0, 2475, 2475}, {0, 1090, 1650}}},
        {"Spooky", "Spook", {{0, 1480, 1600}}, {}},
        {"Surreality", "Surreal", {{0, 910, 970}}, {{0, 700, 1400}, {0, 1500, 1500}}},
    };
    return themes;
}

// Path positions a range must end before the path's end to be played (the
// chain is lost there); a range may begin right after the path's start.
constexpr float kEndMargin = 100;

std::unique_ptr<Board> Started(const char* word, FakeBoardGame& game) {
    std::unique_ptr<Board> board = CreateBoard(word, game, nullptr);
    if (board) board->Start();
    return board;
}

TEST(ThemesBridge, TheWordInAnyCaseBuildsTheBoardAndANearMissNone) {
    FakeBoardGame game;
    for (const BridgeTheme& theme : BridgeThemes()) {
        SCOPED_TRACE(theme.word);
        std::unique_ptr<Board> board = CreateBoard(theme.word, game, nullptr);
        ASSERT_NE(board, nullptr);
        std::string lower = theme.word, upper = theme.word;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        for (const std::string& word : {lower, upper}) {
            std::unique_ptr<Board> other = CreateBoard(word.c_str(), game, nullptr);
            ASSERT_NE(other, nullptr);
            EXPECT_EQ(typeid(*other), typeid(*board));
        }
        EXPECT_EQ(CreateBoard(theme.nearMiss, game, nullptr), nullptr);
    }
}

TEST(ThemesBridge, EveryRangeLiesWellInsideItsPathAndPathsEnterFromOffScreenAboveTheLauncher) {
    for (const BridgeTheme& theme : BridgeThemes()) {
        SCOPED_TRACE(theme.word);
        FakeBoardGame game;
        std::unique_ptr<Board> board = Started(theme.word, game);
        for (const std::vector<Range>* ranges : {&theme.hidden, &theme.marks}) {
            for (const Range& range : *ranges) {
                ASSERT_LT(range.track, board->TrackCount());
                float length = static_cast<float>(board->TrackAt(range.track).Length());
                EXPECT_GT(range.from, 0.0f);
                EXPECT_LT(range.to, length - kEndMargin);
            }
        }
        for (int32_t t = 0; t < board->TrackCount(); ++t) {
            const std::vector<Vec2>& samples = board->TrackAt(t).Samples();
            // In from off screen, and clear of the launcher's strip at the bottom.
            const Vec2& start = samples.front();
            EXPECT_TRUE(start.x < 0 || start.x > 800 || start.y < 0) << start.x << ", " << start.y;
            for (const Vec2& p : samples)
                if (p.x > 0 && p.x < 800) {
                    ASSERT_LT(p.y, 520.0f) << "track " << t;
                }
        }
    }
}

// Balls a few pixels inside a hidden range are hidden and not hittable;
// well outside every one they are visible; nobody finds a hidden one.
TEST(ThemesBridge, BallsInHiddenRangesAreNeitherDrawnNorHitNorFound) {
    GetRandom().Seed(31);
    for (const BridgeTheme& theme : BridgeThemes()) {
        SCOPED_TRACE(theme.word);
        FakeBoardGame game;
        std::unique_ptr<Board> board = Started(theme.word, game);
        for (int32_t t = 0; t < board->TrackCount(); ++t) {
            Track& track = board->TrackAt(t);
            WaveSpec wave;
            wave.count = static_cast<int32_t>(static_cast<float>(track.Length()) / board->ballSpacing) - 2;
            track.AddWave(wave);
            track.StartWave();
            float d = board->ballSpacing;
            for (Plimb* item : track.Segments().front()->items) {
                item->distance = item->previousDistance = d;
                item->position = track.PointAtDistance(d);
                item->hasAppeared = true;
                d += board->ballSpacing;
            }
            track.Update();
            int32_t hiddenSeen = 0;
            for (const Plimb* item : track.Items()) {
                bool inside = false, near = false;
                for (const Range& range : theme.hidden) {
                    if (range.track != t) continue;
                    inside = inside || (range.from + 5 < item->distance && item->distance < range.to - 5);
                    near = near || (range.from - 5 < item->distance && item->distance < range.to + 5);
                }
                if (inside) {
                    ++hiddenSeen;
                    EXPECT_TRUE(item->hidden);
                    EXPECT_FALSE(item->hittable);
                    const Plimb* found = track.FindNearestBall(item->position.x, item->position.y, false);
                    if (found) {
                        EXPECT_FALSE(found->hidden);
                    }
                } else if (!near && item->onPath) {
                    EXPECT_FALSE(item->hidden) << item->distance;
                }
            }
            bool hasHidden = false;
            for (const Range& range : theme.hidden) hasHidden = hasHidden || range.track == t;
            if (hasHidden) {
                EXPECT_GT(hiddenSeen, 0);
            }
        }
    }
}

// A theme board given, besides its own, a track whose path string parses to
// no segment and that names an eater it does not have, and ranges past the
// ends of its paths, plays its level to the end.
TEST(ThemesBridge, BrokenPathsRangesAndEaterIndicesNeverCrashAPlayedLevel) {
    constexpr int32_t kTicks = 4000;
    LevelLibrary library;
    library.Load(PZ_ASSET_DIR "/levels");
    for (const BridgeTheme& theme : BridgeThemes()) {
        SCOPED_TRACE(theme.word);
        GetRandom().Seed(77);
        FakeBoardGame game;
        std::unique_ptr<Board> board = CreateBoard(theme.word, game, nullptr);
        game.board = board.get();
        auto broken = std::make_unique<Track>(board.get());
        broken->Path().Parse("%%Note:;\t12 m;\tno numbers here");
        int32_t extra = board->AddTrack(std::move(broken), board->Eaters().Count() + 3);
        for (int32_t t = 0; t < board->TrackCount(); ++t) {
            board->AddHiddenRange(t, 50000, 60000);
            board->AddTargetRange(t, -500, 90000);
        }
        ASSERT_TRUE(library.LoadLevel(theme.word, 0, PlayStyle::Normal, *board));
        board->Start();
        EXPECT_EQ(board->TrackAt(extra).Length(), 0);
        AutoPlayer bot(*board);
        for (int32_t tick = 0; tick < kTicks && !game.Won() && !board->gameOver; ++tick) {
            bot.Tick();
            board->Update();
        }
        EXPECT_TRUE(board->TrackAt(extra).Items().empty());
    }
}

TEST(ThemesBridge, TheBotWinsTheFirstWorldLevelOnMostSeeds) {
    constexpr int32_t kTickLimit = 60000;
    constexpr int32_t kSeeds = 10, kWinsNeeded = 7;
    LevelLibrary library;
    library.Load(PZ_ASSET_DIR "/levels");
    for (const BridgeTheme& theme : BridgeThemes()) {
        SCOPED_TRACE(theme.word);
        int32_t wins = 0;
        for (int32_t seed = 1; seed <= kSeeds; ++seed) {
            GetRandom().Seed(static_cast<uint32_t>(seed));
            ThemePlay play(library, theme.word);
            wins += play.PlayFor(kTickLimit) ? 1 : 0;
        }
        EXPECT_GE(wins, kWinsNeeded);
    }
}

TEST(ThemesBridge, ALevelSavedAtARandomTickContinuesIdenticallyInAFreshBoard) {
    constexpr int32_t kTicksCompared = 600;
    LevelLibrary library;
    library.Load(PZ_ASSET_DIR "/levels");
    for (const BridgeTheme& theme : BridgeThemes()) {
        SCOPED_TRACE(theme.word);
        GetRandom().Seed(4242);
        ThemePlay original(library, theme.word);
        int32_t saveTick = Board::kIntroTicks + 300 + GetRandom().Next(1500);
        for (int32_t i = 0; i < saveTick; ++i) original.board->Update();
        ExpectSavedLevelContinues(library, theme.word, original, kTicksCompared);
    }
}

}  // namespace
