// The overlay and gimmick themes (Bees, Lava, Movies, Snail, Snake, Spiral,
// Taxman, Tooth): found by their word, paths that fit the screen and their
// ranges, mirroring, the tooth's hidden stretch, the bees, and whole levels
// won by the bot and continued after a save.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "BoardRecordSupport.h"
#include "FakeBoardGame.h"
#include "board/AutoPlayer.h"
#include "board/BoardFactory.h"
#include "board/LevelLibrary.h"
#include "board/themes/Board_Bees.h"
#include "core/Random.h"
#include "track/Eater.h"
#include "track/Plimb.h"
#include "track/Track.h"

namespace {

struct Range {
    float from, to;
};

struct ThemeRow {
    const char* word;
    int32_t tracks;
    int32_t ballSize;
    std::vector<Range> hidden, targets;
    float wickAngleOffset;
};

const std::vector<ThemeRow>& Rows() {
    static const std::vector<ThemeRow> rows = {
        {"Bees", 1, 2, {}, {}, 0},
        {"Lava", 1, 2, {}, {}, 0},
        {"Movies", 1, 0, {}, {{1380, 2075}}, 19},
        {"Snail", 1, 1, {}, {{700, 1375}}, 0},
        {"Snake", 2, 2, {}, {}, 0},
        {"Spiral", 1, 2, {}, {{375, 1060}, {1900, 2200}}, 22},
        {"Taxman", 1, 2, {}, {{555, 1060}, {1575, 2400}}, 3},
        {"Tooth", 1, 1, {{1258, 1472}}, {}, 0},
    };
    return rows;
}

constexpr float kScreenWidth = 800, kScreenHeight = 600;
constexpr float kLauncherBand = 500;  // no lane centre below this (y, pixels)
constexpr float kRangeMargin = 150;   // a range ends this far before the path does (samples)

std::unique_ptr<Board> StartedBoard(FakeBoardGame& game, const char* word) {
    std::unique_ptr<Board> board = CreateBoard(word, game, nullptr);
    if (board) board->Start();
    return board;
}

bool OnScreen(Vec2 p) { return p.x >= 0 && p.x <= kScreenWidth && p.y >= 0 && p.y <= kScreenHeight; }

// One still ball of `colour` at `distance` along track `index`, seen by the
// player; the wave's robot stays where the wave put it.
Plimb* PlaceBall(Board& board, int32_t index, float distance, int32_t colour) {
    Track& track = board.TrackAt(index);
    WaveSpec wave;
    wave.count = 1;
    track.AddWave(wave);
    track.StartWave();
    for (Plimb* item : track.Items()) {
        if (item->isRobot || item->hasAppeared) continue;
        item->distance = item->previousDistance = distance;
        item->position = track.PointAtDistance(distance);
        item->speed = 0;
        item->colour = colour;
        item->hasAppeared = true;
        return item;
    }
    return nullptr;
}

TEST(OverlayThemes, TheWordInAnyCaseBuildsItsBoardAndNearMissesBuildNone) {
    FakeBoardGame game;
    for (const ThemeRow& row : Rows()) {
        std::string word = row.word, lower, upper;
        for (char c : word) {
            lower += static_cast<char>(std::tolower(c));
            upper += static_cast<char>(std::toupper(c));
        }
        for (const std::string& name : {word, lower, upper}) {
            std::unique_ptr<Board> board = CreateBoard(name.c_str(), game, nullptr);
            ASSERT_NE(board, nullptr) << name;
            EXPECT_EQ(board->TrackCount(), row.tracks) << name;
            EXPECT_EQ(board->ballSize, row.ballSize) << name;
            EXPECT_EQ(board->wickAngleOffset[0], row.wickAngleOffset) << name;
            EXPECT_EQ(board->Eaters().Count(), 1) << name;
        }
        for (const std::string& name : {word + "s", word.substr(0, word.size() - 1), " " + word, word + "2"})
            EXPECT_EQ(CreateBoard(name.c_str(), game, nullptr), nullptr) << name;
    }
}

// Every path comes in from off screen, keeps clear of the launcher's band
// and is long enough for its ranges.
TEST(OverlayThemes, PathsEnterFromOffScreenAvoidTheLauncherAndHoldTheirRanges) {
    for (const ThemeRow& row : Rows()) {
        FakeBoardGame game;
        std::unique_ptr<Board> plain = StartedBoard(game, row.word);
        for (int32_t t = 0; t < row.tracks; ++t) {
            const std::vector<Vec2>& samples = plain->TrackAt(t).Samples();
            ASSERT_GT(samples.size(), 2u) << row.word;
            EXPECT_FALSE(OnScreen(samples.front())) << row.word << " track " << t;
            EXPECT_TRUE(OnScreen(samples.back())) << row.word << " track " << t;
            for (const Vec2& p : samples) ASSERT_LT(p.y, kLauncherBand) << row.word << " track " << t;
            float length = static_cast<float>(plain->TrackAt(t).Length());
            for (const auto* ranges : {&row.hidden, &row.targets})
                for (const Range& range : *ranges) {
                    EXPECT_LT(range.from, range.to);
                    EXPECT_LT(range.to, length - kRangeMargin) << row.word;
                }
        }
    }
}

// A lone ball in a target range gives the launcher its colour, on the plain
// and on the mirrored board alike.
TEST(OverlayThemes, ABallInATargetRangeGivesTheLauncherItsColour) {
    constexpr int32_t kOther = 0, kTargeted = 2;
    constexpr float kFarBack = 50;  // samples: before every range
    for (const ThemeRow& row : Rows())
        for (bool mirror : {false, true})
            for (const Range& range : row.targets) {
                GetRandom().Seed(9);
                FakeBoardGame game;
                game.mirror = mirror;
                std::unique_ptr<Board> board = StartedBoard(game, row.word);
                PlaceBall(*board, 0, kFarBack, kOther);
                PlaceBall(*board, 0, (range.from + range.to) / 2, kTargeted);
                for (int32_t i = 0; i < 20; ++i)
                    ASSERT_EQ(board->ChooseLauncherColour(-1), kTargeted) << row.word << " mirror " << mirror;
            }
}

// A ball under the toothbrush is hidden: not drawn, not hittable, never the
// launcher's colour and invisible to the bot's aim; mirrored too.
TEST(OverlayThemes, ABallUnderTheToothbrushIsOutOfPlay) {
    constexpr int32_t kSeen = 0, kHidden = 1;
    for (bool mirror : {false, true}) {
        GetRandom().Seed(4);
        FakeBoardGame game;
        game.mirror = mirror;
        std::unique_ptr<Board> board = StartedBoard(game, "Tooth");
        Plimb* seen = PlaceBall(*board, 0, 1000, kSeen);
        Plimb* under = PlaceBall(*board, 0, 1365, kHidden);
        board->startDelay = 0;
        board->Update();
        EXPECT_TRUE(under->hidden);
        EXPECT_FALSE(under->hittable);
        EXPECT_FALSE(seen->hidden);
        EXPECT_TRUE(seen->hittable);
        for (int32_t i = 0; i < 20; ++i) EXPECT_NE(board->ChooseLauncherColour(-1), kHidden);
        AutoPlayer bot(*board);
        EXPECT_LE(bot.BestShot(kHidden, false, 560).value, 0);
        EXPECT_GT(bot.BestShot(kSeen, false, 560).value, 0);
    }
}

TEST(OverlayThemes, TheBeesCircleTheHiveFlappingAndTurningWithTheirFlight) {
    GetRandom().Seed(2);
    FakeBoardGame game;
    std::unique_ptr<Board> board = StartedBoard(game, "Bees");
    auto& bees = static_cast<Board_Bees&>(*board);
    constexpr float kDegrees = 3.14159265f / 180;
    std::vector<int32_t> frames;
    // Without pictures the hive is centred on the trail's end.
    Vec2 centre = board->TrackAt(0).Samples().back();
    for (int32_t tick = 1; tick <= 250; ++tick) {
        board->Update();
        const Board_Bees::Bee& first = bees.BeeAt(0);
        const Board_Bees::Bee& second = bees.BeeAt(1);
        float angle = std::fmod(1.78f * static_cast<float>(tick), 360.0f);
        // Opposite each other across the same centre, 60 pixels out.
        EXPECT_NEAR((first.position.x + second.position.x) / 2, centre.x, 0.05f);
        EXPECT_NEAR((first.position.y + second.position.y) / 2, centre.y, 0.05f);
        EXPECT_NEAR(first.position.x, centre.x + 60 * std::cos(angle * kDegrees), 0.05f) << tick;
        EXPECT_NEAR(first.position.y, centre.y + 60 * std::sin(angle * kDegrees), 0.05f) << tick;
        EXPECT_NEAR(std::fmod(first.heading + 3600 - angle, 360.0f), 90, 0.05f) << tick;
        EXPECT_NEAR(std::fmod(second.heading + 3600 - angle, 360.0f), 270, 0.05f) << tick;
        EXPECT_TRUE(first.visible && second.visible);
        frames.push_back(static_cast<int32_t>(first.flap));
    }
    // The wings beat every 20 ticks: up, down, up ...
    EXPECT_EQ(frames[10], 0);
    EXPECT_EQ(frames[30], 1);
    EXPECT_EQ(frames[50], 0);
    EXPECT_EQ(frames[70], 1);
}

constexpr int32_t kTickLimit = 60000;

// The world-1 level of each theme in the Normal style: the bot wins at least
// 7 of 10 seeds; when the bees' hive has gone at the end, the bees have too.
TEST(OverlayThemes, TheBotWinsEachThemesFirstWorldLevel) {
    LevelLibrary library;
    library.Load(PZ_ASSET_DIR "/levels");
    for (const ThemeRow& row : Rows()) {
        int32_t wins = 0;
        for (int32_t seed = 1; seed <= 10; ++seed) {
            GetRandom().Seed(seed);
            ThemePlay play(library, row.word);
            AutoPlayer bot(*play.board);
            for (int32_t tick = 0; tick < kTickLimit && !play.game.Won() && !play.board->gameOver; ++tick) {
                bot.Tick();
                play.board->Update();
            }
            wins += play.game.Won() ? 1 : 0;
            if (play.game.Won() && std::string(row.word) == "Bees") {
                auto* hive = static_cast<Eater*>(play.board->Eaters().At(0));
                for (int32_t tick = 0; tick < kTickLimit && !hive->IsGone(); ++tick) play.board->Update();
                play.board->Update();
                auto& bees = static_cast<Board_Bees&>(*play.board);
                EXPECT_TRUE(hive->IsGone());
                EXPECT_FALSE(bees.BeeAt(0).visible || bees.BeeAt(1).visible);
            }
        }
        EXPECT_GE(wins, 7) << row.word;
    }
}

// Saved at a tick the seed picks while the bot plays, a level loaded into a
// fresh board goes on exactly as the original does.
TEST(OverlayThemes, ALevelSavedMidPlayContinuesIdenticallyInAFreshBoard) {
    LevelLibrary library;
    library.Load(PZ_ASSET_DIR "/levels");
    constexpr int32_t kCompared = 400;
    for (const ThemeRow& row : Rows()) {
        GetRandom().Seed(31);
        ThemePlay original(library, row.word);
        AutoPlayer bot(*original.board);
        int32_t saveTick = Board::kIntroTicks + 300 + GetRandom().Next(1500);
        for (int32_t i = 0; i < saveTick; ++i) {
            bot.Tick();
            original.board->Update();
        }
        ExpectSavedLevelContinues(library, row.word, original, kCompared);
    }
}

// Theme data gone wrong: a path string with no segment, ranges past the end
// of the path and an eater index past the eater list. The board plays a
// level on them, chooses colours and hands over to its eaters without harm.
TEST(OverlayThemes, BrokenThemeDataPlaysOnWithoutHarm) {
    GetRandom().Seed(12);
    FakeBoardGame game;
    Board board(game, nullptr);
    board.AddEaterAt(nullptr, Vec2{400, 300});
    std::vector<QuickSpline> curves;
    Board::AppendParsedPath(curves, "%%Note:;\t10 20 30 c");
    Board::AppendParsedPath(curves, "no path at all");
    Board::AppendParsedPath(curves, "%%Note:;\t-50 300 m;\t900 300 l");
    int32_t last = 0;
    for (const QuickSpline& curve : curves) {
        auto track = std::make_unique<Track>(&board);
        track->Path() = curve;
        track->AddHiddenRange(5000, 6000);
        last = board.AddTrack(std::move(track), 7);
        board.AddTargetRange(last, 4000, 9000);
    }
    board.Start();
    EXPECT_EQ(board.TrackAt(0).Length(), 0);
    EXPECT_EQ(board.TrackAt(1).Length(), 0);
    ASSERT_GT(board.TrackAt(last).Length(), 900);
    for (int32_t t = 0; t < board.TrackCount(); ++t) {
        WaveSpec wave;
        wave.count = 12;
        board.AddWaveToTrack(t, wave);
    }
    AutoPlayer bot(board);
    int32_t mostBalls = 0;
    for (int32_t tick = 0; tick < 2000; ++tick) {
        bot.Tick();
        board.Update();
        board.ChooseLauncherColour(-1);
        mostBalls = std::max(mostBalls, board.LiveBallCount());
    }
    EXPECT_GT(mostBalls, 0);
    EXPECT_GT(game.launched, 0);
    board.BeginCompletion();
    for (int32_t tick = 0; tick < 500; ++tick) board.Update();
    EXPECT_EQ(board.wicksOnFirstEater + board.wicksOnOtherEaters, 0);
}

}  // namespace
