// The bot plays through the player's inputs only and wins the Blue level.
#include <gtest/gtest.h>

#include "board/AutoPlayer.h"
#include "board/Board.h"
#include "board/BoardFactory.h"
#include "board/FakeBoardGame.h"
#include "board/LevelLibrary.h"
#include "core/Random.h"
#include "track/Plimb.h"
#include "track/Track.h"

namespace {

constexpr int32_t kTickLimit = 60000;

TEST(AutoPlayer, WinsTheFirstWorldBlueLevel) {
    LevelLibrary library;
    library.Load(PZ_ASSET_DIR "/levels");
    int32_t wins = 0;
    for (int32_t seed : {11, 12, 13}) {
        GetRandom().Seed(seed);
        FakeBoardGame game;
        std::unique_ptr<Board> board = CreateBoard("Blue", game, nullptr);
        game.board = board.get();
        library.LoadLevel("Blue", 0, PlayStyle::Normal, *board);
        board->Start();
        AutoPlayer bot(*board);
        for (int32_t tick = 0; tick < kTickLimit && !game.Won() && !board->gameOver; ++tick) {
            bot.Tick();
            board->Update();
        }
        wins += game.Won() ? 1 : 0;
        EXPECT_GT(game.launched, 0);
    }
    EXPECT_GE(wins, 2);
}

TEST(AutoPlayer, PrefersTheShotThatMakesAGroup) {
    GetRandom().Seed(5);
    FakeBoardGame game;
    std::unique_ptr<Board> board = CreateBoard("Blue", game, nullptr);
    board->Start();
    // A still chain on the first lane: two reds together, the rest blue.
    Track& track = board->TrackAt(0);
    WaveSpec wave;
    wave.count = 8;
    track.AddWave(wave);
    track.StartWave();
    float d = 300;
    for (Plimb* item : track.Items()) {
        item->distance = d;
        item->position = track.PointAtDistance(d);
        item->speed = 0;
        item->hittable = !item->isRobot;
        item->colour = item->isRobot ? item->colour : 1;
        d += board->ballSpacing;
    }
    track.Items()[4]->colour = 0;
    track.Items()[5]->colour = 0;
    AutoPlayer bot(*board);
    AutoPlayer::Shot shot = bot.BestShot(0, false, 560);
    EXPECT_NEAR(shot.x, track.Items()[4]->position.x, 53 * 2);
    EXPECT_GE(shot.value, 30);
    EXPECT_LE(bot.BestShot(5, false, 560).value, 0);
}

}  // namespace
