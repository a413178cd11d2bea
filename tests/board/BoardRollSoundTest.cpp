// The rolling chains' loop: it plays while any piece of chain moves, at a
// volume and rate that follow the fastest piece, and falls silent when play
// stops and when the board goes.
#include "BoardTestSupport.h"
#include "media/Audio.h"
#include "media/SoundInstance.h"
#include "platform/MessageBox.h"
#include "platform/ResourcePaths.h"
#include "support/TempDir.h"
#include "support/WavWriter.h"

namespace {

constexpr int32_t kRate = 44100;      // Hz of the test loop
constexpr int16_t kLoopLevel = 8000;  // a steady level: any output means the loop is heard
constexpr int32_t kLoopFrames = 441;

// The process's audio service without a sound card, over a data root whose
// only sound is the roll loop.
class BoardRollSoundTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        SetHeadless(true);
        data.Write("Sounds/ROLL.wav", MakeWav(std::vector<int16_t>(kLoopFrames, kLoopLevel), 1, kRate));
        ResourcePaths::SetDataRoot(data.Path().c_str());
        GetAudio().InitializeOffline();
    }
    void TearDown() override {
        board.reset();
        GetAudio().Shutdown();
    }

    // Whether the mixer gives out anything over two lengths of the loop (the
    // service's own beep stays quiet).
    bool Heard() {
        constexpr int32_t kFrames = 2 * kLoopFrames;
        std::vector<int16_t> out(2 * kFrames);  // stereo
        GetAudio().GetMixer().Render(out.data(), kFrames);
        for (int16_t sample : out)
            if (sample != 0) return true;
        return false;
    }

    // Sets every piece of track 0 moving at `speed` and runs one tick.
    void RollAt(float speed) {
        for (ChainSegment* segment : board->TrackAt(0).Segments()) segment->speed = speed;
        Tick();
    }

    TempDir data;
};

TEST_F(BoardRollSoundTest, TheLoopFollowsTheFastestPieceOfChain) {
    Build();
    std::vector<Plimb*> balls = Lay(0, 8, 300);
    SoundInstance* loop = board->RollLoop();
    ASSERT_NE(loop, nullptr);
    EXPECT_FALSE(Heard());
    RollAt(3);
    EXPECT_TRUE(loop->IsPlaying());
    EXPECT_TRUE(loop->IsLooping());
    EXPECT_FLOAT_EQ(loop->GetVolume(), 3.0f / 15 + 0.25f);
    EXPECT_NEAR(loop->GetFrequency(), (3 * 0.125 + 0.65) * kRate, 1);
    EXPECT_TRUE(Heard());
    // Backwards counts the same.
    RollAt(-3);
    EXPECT_FLOAT_EQ(loop->GetVolume(), 3.0f / 15 + 0.25f);
    // Two pieces: the faster one sets the loop, up to its limits.
    board->TrackAt(0).RemoveBall(balls[4]);
    ASSERT_EQ(board->TrackAt(0).Segments().size(), 2u);
    board->TrackAt(0).Segments()[0]->speed = 1;
    board->TrackAt(0).Segments()[1]->speed = 12;
    Tick();
    EXPECT_FLOAT_EQ(loop->GetVolume(), 0.6f);
    EXPECT_NEAR(loop->GetFrequency(), 1.55 * kRate, 1);
    EXPECT_TRUE(Heard());
}

TEST_F(BoardRollSoundTest, StillChainsPlayAndGameOverSilenceIt) {
    Build();
    std::vector<Plimb*> balls = Lay(0, 8, 300);
    SoundInstance* loop = board->RollLoop();
    ASSERT_NE(loop, nullptr);
    RollAt(2);
    RollAt(0);
    EXPECT_FALSE(loop->IsPlaying());
    EXPECT_FALSE(Heard());
    // A lone ball sinking away at the end is not heard rolling.
    board->TrackAt(0).RemoveBall(balls[6]);
    ChainSegment* front = board->TrackAt(0).Segments().back();
    ASSERT_EQ(front->items.size(), 1u);
    front->First()->Sink();
    front->speed = 5;
    Tick();
    EXPECT_FALSE(loop->IsPlaying());
    front->First()->alphaStep = 0.05f;  // coming back, as after a rewind
    Tick();
    EXPECT_TRUE(loop->IsPlaying());

    board->paused = true;
    Tick();
    EXPECT_FALSE(loop->IsPlaying());
    EXPECT_FALSE(Heard());
    board->paused = false;
    Tick();
    EXPECT_TRUE(loop->IsPlaying());
    board->gameOver = true;
    Tick();
    EXPECT_FALSE(loop->IsPlaying());
}

TEST_F(BoardRollSoundTest, TheLoopEndsWithTheBoard) {
    Build();
    Lay(0, 8, 300);
    int32_t voicesWithoutBoard = 1;  // the service's beep
    RollAt(4);
    EXPECT_EQ(GetAudio().GetMixer().VoiceCount(), voicesWithoutBoard + 1);
    EXPECT_TRUE(Heard());
    board.reset();
    EXPECT_EQ(GetAudio().GetMixer().VoiceCount(), voicesWithoutBoard);
    EXPECT_FALSE(Heard());
}

}  // namespace
