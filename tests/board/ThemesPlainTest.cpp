// The plain themes (Chameleon, Cheeze, Chrome, Cosmic, Green, Technicolor,
// Video): found by their word, paths that fit the screen and end where their
// eater is, Cosmic's two trails into one black hole, every theme's tracks
// ending in an eater it has, whole levels won by the bot and continued after
// a save, and a board for every level of the journey.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "BoardRecordSupport.h"
#include "FakeBoardGame.h"
#include "board/BoardFactory.h"
#include "board/LevelLibrary.h"
#include "core/Random.h"
#include "track/Eater.h"
#include "track/Plimb.h"
#include "track/Track.h"

namespace {

struct ThemeRow {
    const char* word;
    int32_t tracks;
    int32_t ballSize;
    float wickAngleOffset;  // degrees
};

const ThemeRow kRows[] = {
    {"Chameleon", 1, 1, -4}, {"Cheeze", 1, 2, -5},     {"Chrome", 1, 2, 0}, {"Cosmic", 2, 1, 0},
    {"Green", 1, 2, 21},     {"Technicolor", 1, 0, 0}, {"Video", 1, 2, 0},
};

constexpr float kScreenWidth = 800, kScreenHeight = 600;
constexpr float kLauncherBand = 500;  // no lane centre below this (y, pixels)
constexpr float kFieldMargin = 40;    // an eater's centre lies this far inside the screen (pixels)
// The longest world-1 wave of these levels (21 balls) and some room behind it.
constexpr int32_t kBallsAlongThePath = 25;
constexpr int32_t kTickLimit = 60000;
constexpr int32_t kAllThemes = 24;

std::unique_ptr<Board> StartedBoard(FakeBoardGame& game, const char* word) {
    std::unique_ptr<Board> board = CreateBoard(word, game, nullptr);
    if (board) board->Start();
    return board;
}

bool OnScreen(Vec2 p) { return p.x >= 0 && p.x <= kScreenWidth && p.y >= 0 && p.y <= kScreenHeight; }

const LevelLibrary& Content() {
    static LevelLibrary library = [] {
        LevelLibrary loaded;
        loaded.Load(PZ_ASSET_DIR "/levels");
        return loaded;
    }();
    return library;
}

TEST(PlainThemes, TheWordInAnyCaseBuildsItsBoardAndNearMissesBuildNone) {
    FakeBoardGame game;
    for (const ThemeRow& row : kRows) {
        std::string word = row.word, lower, upper;
        for (char c : word) {
            lower += static_cast<char>(std::tolower(c));
            upper += static_cast<char>(std::toupper(c));
        }
        for (const std::string& name : {word, lower, upper}) {
            std::unique_ptr<Board> board = StartedBoard(game, name.c_str());
            ASSERT_NE(board, nullptr) << name;
            EXPECT_EQ(board->TrackCount(), row.tracks) << name;
            EXPECT_EQ(board->Eaters().Count(), 1) << name;
            EXPECT_FLOAT_EQ(board->ballSpacing, Board::kBallSizes[row.ballSize].spacing) << name;
            EXPECT_FLOAT_EQ(board->WickAngleOffset(false), row.wickAngleOffset) << name;
        }
        for (const std::string& name : {word + "s", word.substr(0, word.size() - 1), word + " ", "x" + word})
            EXPECT_EQ(CreateBoard(name.c_str(), game, nullptr), nullptr) << name;
    }
}

// Every path comes in from off screen, keeps clear of the launcher's band,
// holds a whole wave and ends well inside the field, where the eater sits.
TEST(PlainThemes, PathsEnterFromOffScreenAvoidTheLauncherAndEndInsideTheField) {
    for (const ThemeRow& row : kRows) {
        FakeBoardGame game;
        std::unique_ptr<Board> board = StartedBoard(game, row.word);
        for (int32_t t = 0; t < board->TrackCount(); ++t) {
            const Track& track = board->TrackAt(t);
            const std::vector<Vec2>& samples = track.Samples();
            ASSERT_GT(samples.size(), 2u) << row.word;
            EXPECT_FALSE(OnScreen(samples.front())) << row.word << " track " << t;
            Vec2 end = samples.back();
            EXPECT_GT(end.x, kFieldMargin) << row.word;
            EXPECT_LT(end.x, kScreenWidth - kFieldMargin) << row.word;
            EXPECT_GT(end.y, kFieldMargin) << row.word;
            for (const Vec2& p : samples) ASSERT_LT(p.y, kLauncherBand) << row.word << " track " << t;
            EXPECT_GT(static_cast<float>(track.Length()), kBallsAlongThePath * board->ballSpacing) << row.word;
        }
    }
}

// Cosmic's two trails are real paths that end in the one black hole: the
// world-2 wave sent down the second trail rolls only there, and at the end
// of the level both fuses go to the black hole.
TEST(PlainThemes, CosmicSendsItsSecondTrailsWavesDownThatTrailIntoTheOneBlackHole) {
    GetRandom().Seed(6);
    constexpr int32_t kWorld2 = 1;
    ThemePlay play(Content(), "Cosmic", kWorld2);
    Board& board = *play.board;
    const std::vector<Vec2>& left = board.TrackAt(0).Samples();
    const std::vector<Vec2>& right = board.TrackAt(1).Samples();
    EXPECT_NEAR(left.back().x, right.back().x, 1);
    EXPECT_NEAR(left.back().y, right.back().y, 1);
    // The file's first wave goes down the left trail (30 balls), its second
    // down the right one (33); the rest go down both.
    ASSERT_GT(board.TrackAt(0).WaveCount(), 0);
    ASSERT_GT(board.TrackAt(1).WaveCount(), 0);
    EXPECT_EQ(board.TrackAt(0).WaveAt(0).count, 30);
    EXPECT_EQ(board.TrackAt(1).WaveAt(0).count, 33);
    for (int32_t i = 0; i < Board::kIntroTicks + 1500; ++i) board.Update();
    int32_t onRight = 0;
    for (const Plimb* item : board.TrackAt(1).Items()) {
        if (item->isRobot || !item->hasAppeared) continue;
        ++onRight;
        EXPECT_GT(item->position.x, Board::kMirrorAxis - 1) << "a ball of the right trail left it";
    }
    EXPECT_GT(onRight, 0);
    board.BeginCompletion();
    EXPECT_EQ(static_cast<Eater*>(board.Eaters().At(0))->WickCount(), 2);
}

// Over every built theme: each path string parses to segments, and each
// track ends in an eater the board has (its fuse reaches that eater).
TEST(PlainThemes, EveryThemesPathsParseAndEveryTrackEndsInAnEaterOfItsBoard) {
    for (const String& word : ThemeWords()) {
        SCOPED_TRACE(word.c_str());
        std::vector<QuickSpline> curves;
        ASSERT_TRUE(ThemePathCurves(word, curves));
        ASSERT_FALSE(curves.empty());
        for (const QuickSpline& curve : curves) EXPECT_GT(curve.SegmentCount(), 0);
        FakeBoardGame game;
        std::unique_ptr<Board> board = StartedBoard(game, word.c_str());
        int32_t wicks = 0;
        board->BeginCompletion();
        for (int32_t e = 0; e < board->Eaters().Count(); ++e)
            wicks += static_cast<Eater*>(board->Eaters().At(e))->WickCount();
        EXPECT_EQ(wicks, board->TrackCount());
    }
}

// The world-1 level of each theme in the Normal style: the bot wins at least
// 7 of 10 seeds.
TEST(PlainThemes, TheBotWinsEachThemesFirstWorldLevel) {
    for (const ThemeRow& row : kRows) {
        int32_t wins = 0;
        for (int32_t seed = 1; seed <= 10; ++seed) {
            GetRandom().Seed(seed);
            ThemePlay play(Content(), row.word);
            wins += play.PlayFor(kTickLimit) ? 1 : 0;
        }
        EXPECT_GE(wins, 7) << row.word;
    }
}

// Saved at a tick the seed picks while the bot plays (outside a swap), a
// level loaded into a fresh board goes on exactly as the original does.
TEST(PlainThemes, ALevelSavedMidPlayContinuesIdenticallyInAFreshBoard) {
    constexpr int32_t kCompared = 400;
    for (const ThemeRow& row : kRows) {
        GetRandom().Seed(47);
        ThemePlay original(Content(), row.word);
        original.PlayFor(Board::kIntroTicks + 300 + GetRandom().Next(1500));
        // A swap asked for during a reload is not in the launcher's record,
        // so the save waits until the launcher has no swap under way.
        const Launcher& launcher = original.board->GetLauncher();
        for (int32_t i = 0; i < kTickLimit && (launcher.IsSwapping() || launcher.IsSwapRequested()); ++i)
            original.PlayFor(1);
        ExpectSavedLevelContinues(Content(), row.word, original, kCompared);
    }
}

// Every level the journey names has a board once all themes are built;
// until then the levels without one are named, and none of them may be a
// theme built here or Blue.
TEST(PlainThemes, EveryLevelOfTheJourneyHasABoard) {
    FakeBoardGame game;
    std::set<std::string> missing;
    for (const LevelGroup& group : Content().Groups())
        for (const String& level : group.levelNames)
            if (!CreateBoard(level, game, nullptr)) missing.insert(level.str());
    ASSERT_FALSE(Content().Groups().empty());
    std::string names;
    for (const std::string& name : missing) names += " " + name;
    if (static_cast<int32_t>(ThemeWords().size()) == kAllThemes) {
        EXPECT_TRUE(missing.empty()) << "levels without a board:" << names;
    } else if (!missing.empty()) {
        std::printf("levels still without a board:%s\n", names.c_str());
    }
    for (const ThemeRow& row : kRows) EXPECT_EQ(missing.count(row.word), 0u) << row.word;
    EXPECT_EQ(missing.count("Blue"), 0u);
}

}  // namespace
