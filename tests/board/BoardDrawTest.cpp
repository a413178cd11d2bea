#include <gtest/gtest.h>

#include "BoardTestSupport.h"
#include "board/BoardMedia.h"
#include "media/Graphics.h"
#include "media/SpriteStrip.h"
#include "platform/Renderer.h"
#include "support/TestPictures.h"

namespace {
constexpr uint32_t kTileRed = 0xFFFF0000, kBallBlue = 0xFF0000FF;
constexpr int32_t kBallPixels = 4;
constexpr int32_t kDarkenedRed = 128;
constexpr int32_t kDrawEvery = 5;  // ticks between looks: every phase lasts longer

// Draws real frames of a board with ball strips and red eater tiles through
// the software renderer.
class BoardDrawTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        Graphics& graphics = GetGraphics();
        graphics.SetResolution(800, 600);
        ASSERT_TRUE(graphics.Initialize(nullptr));
        for (const SpriteStrip*& strip : media.track.balls) strip = &balls;
    }
    void TearDown() override { GetGraphics().Shutdown(); }

    uint32_t PixelAt(Vec2 where) {
        std::vector<uint32_t> pixels;
        int32_t width = 0, height = 0;
        GetRenderer().ReadPixels(pixels, width, height);
        return pixels[static_cast<size_t>(where.y) * width + static_cast<size_t>(where.x)] | 0xFF000000;
    }

    // Both eaters' tiles in a frame drawn now; the rewind darkens them by
    // less than half.
    bool EatersDrawn() {
        Graphics& graphics = GetGraphics();
        graphics.BeginFrame();
        board->Draw();
        auto red = [](uint32_t pixel) { return static_cast<int32_t>((pixel >> 16) & 0xFF); };
        return red(PixelAt(EaterCentre(0))) > kDarkenedRed && red(PixelAt(EaterCentre(1))) > kDarkenedRed;
    }

    // Two paths; the chain of `losingTrack` reaches its eater first. Checks
    // every phase after the loss until `done` holds.
    void LoseLifeOn(int32_t losingTrack) {
        Build(2, &media, &tile);
        board->startDelay = 0;
        Lay(losingTrack, 6, 5);
        Lay(1 - losingTrack, 6, 600);
        int32_t ticks = 0;
        while (!board->losing && ticks++ < 1000) Tick();
        ASSERT_TRUE(board->losing);
        bool sawDrain = false, sawWait = false, sawRewind = false;
        for (; ticks < 5000 && (board->losing || board->rewinding) && !board->gameOver; ++ticks) {
            sawDrain = sawDrain || !board->drained;
            sawWait = sawWait || board->lossWait > 0;
            sawRewind = sawRewind || board->rewinding;
            if (ticks % kDrawEvery == 0) {
                ASSERT_TRUE(EatersDrawn()) << "tick " << ticks << (board->rewinding ? " rewinding" : " losing");
            }
            Tick();
        }
        EXPECT_TRUE(sawDrain && sawWait);
        EXPECT_TRUE(sawRewind || board->gameOver);
        EXPECT_TRUE(EatersDrawn());
    }

    SpriteStrip balls{TestPictures::Filled(kBallPixels * Plimb::kRollFrames, kBallPixels, kBallBlue),
                      Plimb::kRollFrames};
    Sprite tile{TestPictures::Filled(20, 20, kTileRed)};
    BoardMedia media;
};
}  // namespace

// Chains that sink into their eaters fade out; the eaters stay whole through
// the drain, the wait and the rewind, whichever path was lost.
TEST_F(BoardDrawTest, EatersStayDrawnWhileALifeIsLostOnEitherPath) {
    for (int32_t losingTrack : {0, 1}) {
        SCOPED_TRACE(losingTrack);
        game = FakeBoardGame();
        LoseLifeOn(losingTrack);
        EXPECT_TRUE(board->rewinding || !board->losing);
        EXPECT_FALSE(board->gameOver);
    }
}

TEST_F(BoardDrawTest, EatersStayDrawnAfterTheLastLifeOnEitherPath) {
    for (int32_t losingTrack : {0, 1}) {
        SCOPED_TRACE(losingTrack);
        game = FakeBoardGame();
        game.lives = 1;
        LoseLifeOn(losingTrack);
        EXPECT_TRUE(board->gameOver);
    }
}
