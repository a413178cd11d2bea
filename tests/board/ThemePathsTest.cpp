// Every theme's board and background painter share its paths, and its layered
// frame draws each ball once.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "FakeBoardGame.h"
#include "board/Board.h"
#include "board/BoardFactory.h"
#include "track/Track.h"

namespace {
std::unique_ptr<Board> StartedBoard(const String& word, FakeBoardGame& game) {
    std::unique_ptr<Board> board = CreateBoard(word, game, nullptr);
    if (board) board->Start();
    return board;
}
}  // namespace

TEST(ThemePaths, BoardsPlayTheCurvesThePainterDrawsAndMirrorThemAboutTheAxis) {
    for (const String& word : ThemeWords()) {
        SCOPED_TRACE(word.c_str());
        std::vector<QuickSpline> curves;
        ASSERT_TRUE(ThemePathCurves(word, curves));
        FakeBoardGame game;
        std::unique_ptr<Board> board = StartedBoard(word, game);
        FakeBoardGame mirrorGame;
        mirrorGame.mirror = true;
        std::unique_ptr<Board> mirrored = StartedBoard(word, mirrorGame);
        ASSERT_TRUE(board && mirrored);
        ASSERT_EQ(board->TrackCount(), static_cast<int32_t>(curves.size()));
        for (int32_t i = 0; i < board->TrackCount(); ++i) {
            std::vector<Vec2> expected;
            curves[i].SampleEvenly(expected, 1.0f);
            const std::vector<Vec2>& samples = board->TrackAt(i).Samples();
            const std::vector<Vec2>& flipped = mirrored->TrackAt(i).Samples();
            ASSERT_EQ(samples.size(), expected.size());
            ASSERT_GT(samples.size(), 100u);
            for (size_t k = 0; k < samples.size(); k += 50) {
                EXPECT_FLOAT_EQ(samples[k].x, expected[k].x);
                EXPECT_FLOAT_EQ(samples[k].y, expected[k].y);
            }
            ASSERT_NEAR(static_cast<float>(flipped.size()), static_cast<float>(samples.size()), 2.0f);
            // Float sampling rounds the mirror image differently: along long
            // straight runs its samples drift by up to a pixel or two.
            constexpr float kDrift = 2.0f;
            for (size_t k = 0; k < std::min(flipped.size(), samples.size()); k += 50) {
                EXPECT_NEAR(flipped[k].x, 2 * Board::kMirrorAxis - samples[k].x, kDrift);
                EXPECT_NEAR(flipped[k].y, samples[k].y, kDrift);
            }
        }
    }
}

TEST(ThemePaths, AWordNoThemeHasGivesNoCurvesAndNoBoard) {
    std::vector<QuickSpline> curves;
    EXPECT_FALSE(ThemePathCurves("Bluest", curves));
    EXPECT_TRUE(curves.empty());
    FakeBoardGame game;
    EXPECT_EQ(CreateBoard("", game, nullptr), nullptr);
}

TEST(ThemePaths, ALayeredFrameDrawsEveryPathPositionOnceAndTheEatersAndShotsOnce) {
    for (const String& word : ThemeWords()) {
        SCOPED_TRACE(word.c_str());
        FakeBoardGame game;
        std::unique_ptr<Board> board = StartedBoard(word, game);
        const std::vector<Board::Layer>& layers = board->Layers();
        if (layers.empty()) continue;
        int32_t eaterSteps = 0, shotSteps = 0;
        for (const Board::Layer& layer : layers) {
            eaterSteps += layer.kind == Board::Layer::Kind::Eaters;
            shotSteps += layer.kind == Board::Layer::Kind::Shots;
        }
        EXPECT_EQ(eaterSteps, 1);
        EXPECT_EQ(shotSteps, 1);
        for (int32_t t = 0; t < board->TrackCount(); ++t) {
            // Balls wait before the path's start and sink past its end.
            for (float d = -200; d <= static_cast<float>(board->TrackAt(t).Length()) + 200; d += 0.5f) {
                int32_t drawn = 0;
                for (const Board::Layer& layer : layers)
                    drawn +=
                        layer.kind == Board::Layer::Kind::Balls && layer.track == t && layer.from <= d && d < layer.to;
                ASSERT_EQ(drawn, 1) << "track " << t << " at " << d;
            }
        }
    }
}
