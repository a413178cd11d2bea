#include <gtest/gtest.h>

#include <filesystem>

#include "AudioTestKit.h"
#include "support/OggWriter.h"

namespace {
constexpr int32_t kFramesPerUpdate = 441;  // one 10 ms update step at the output rate

class MusicTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(kit.data.File("Music"));
        if (!WriteOggTone(kit.data.File("Music/Theme.ogg"), 44100, 2, 11025, 441.0f) ||
            !WriteOggTone(kit.data.File("Music/map.ogg"), 22050, 1, 22050, 220.0f))
            GTEST_SKIP() << "no Ogg Vorbis encoder";
        kit.Reindex();
        kit.audio.SetMusicVolume(1.0f);
    }

    // Runs `steps` update steps with their share of output; answers the loudest sample.
    int32_t Run(int32_t steps) {
        int32_t loudest = 0;
        for (int32_t i = 0; i < steps; ++i) {
            kit.audio.Update();
            for (int16_t s : kit.Render(kFramesPerUpdate))
                loudest = std::max(loudest, std::abs(static_cast<int32_t>(s)));
        }
        return loudest;
    }

    AudioTestKit kit;
};
}  // namespace

TEST_F(MusicTest, FadeInReachesFullVolumeAndFadeOutStopsTheChannel) {
    ASSERT_TRUE(kit.audio.PlayMusic("music\\theme", 10));
    MusicChannel* channel = kit.audio.GetCurrentMusic();
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->GetVolume(), 0.0f);
    Run(9);
    EXPECT_TRUE(channel->IsFadingIn());
    Run(1);
    EXPECT_FALSE(channel->IsFadingIn());
    EXPECT_EQ(channel->GetVolume(), 1.0f);
    EXPECT_GT(Run(5), 10000);

    kit.audio.StopMusic(4);
    EXPECT_EQ(kit.audio.GetCurrentMusic(), nullptr);
    EXPECT_TRUE(channel->IsFadingOut());
    Run(4);
    EXPECT_EQ(kit.audio.GetMusicChannelCount(), 0);
    EXPECT_EQ(Run(3), 0);
}

TEST_F(MusicTest, ANewPieceCrossFadesFromTheOldOne) {
    ASSERT_TRUE(kit.audio.PlayMusic("Music\\Theme", 0));
    MusicChannel* theme = kit.audio.GetCurrentMusic();
    EXPECT_EQ(theme->GetVolume(), 1.0f);
    EXPECT_TRUE(kit.audio.PlayMusic("MUSIC\\THEME", 20));  // already playing: nothing changes
    EXPECT_EQ(kit.audio.GetCurrentMusic(), theme);

    ASSERT_TRUE(kit.audio.PlayMusic("Music\\Map", 5));
    EXPECT_EQ(kit.audio.GetMusicChannelCount(), 2);
    EXPECT_TRUE(theme->IsFadingOut());
    EXPECT_TRUE(kit.audio.GetCurrentMusic()->IsFadingIn());
    Run(5);
    EXPECT_EQ(kit.audio.GetMusicChannelCount(), 1);
    EXPECT_EQ(kit.audio.GetCurrentMusic()->GetVolume(), 1.0f);
    EXPECT_FALSE(kit.audio.PlayMusic("Music\\Missing", 5));
}

TEST_F(MusicTest, LoopingStreamPlaysOnWithoutGaps) {
    ASSERT_TRUE(kit.audio.PlayMusic("Music\\Theme", 0));
    // Three times the piece's length, refilled once per update step.
    int32_t longestQuiet = 0;
    int32_t quiet = 0;
    for (int32_t step = 0; step < 75; ++step) {
        kit.audio.Update();
        for (int16_t s : kit.RenderLeft(kFramesPerUpdate)) {
            quiet = std::abs(static_cast<int32_t>(s)) < 200 ? quiet + 1 : 0;
            longestQuiet = std::max(longestQuiet, quiet);
        }
    }
    EXPECT_LT(longestQuiet, 10);
    EXPECT_TRUE(kit.audio.GetCurrentMusic()->IsPlaying());
}

TEST_F(MusicTest, OneShotChannelEndsAndPausesWithFocus) {
    MusicChannel* channel = kit.audio.OpenMusic("Music\\Map", false);
    ASSERT_NE(channel, nullptr);
    channel->Play();
    EXPECT_GT(Run(2), 1000);
    kit.audio.SetActive(false);
    EXPECT_EQ(Run(20), 0);
    EXPECT_TRUE(channel->IsPlaying());
    kit.audio.SetActive(true);
    EXPECT_GT(Run(2), 1000);
    Run(200);  // 2 s: the 1 s piece is over
    EXPECT_FALSE(channel->IsPlaying());
    EXPECT_EQ(kit.audio.GetMusicChannelCount(), 1);  // opened by hand: kept until closed
    kit.audio.CloseMusic(channel);
    EXPECT_EQ(kit.audio.GetMusicChannelCount(), 0);
}

TEST_F(MusicTest, MusicStartedWhileInTheBackWaitsForFocus) {
    kit.audio.SetActive(false);
    ASSERT_TRUE(kit.audio.PlayMusic("Music\\Theme", 0));
    EXPECT_EQ(Run(5), 0);
    kit.audio.SetActive(true);
    EXPECT_GT(Run(5), 10000);
}

TEST_F(MusicTest, MusicVolumeScalesEveryChannel) {
    ASSERT_TRUE(kit.audio.PlayMusic("Music\\Theme", 0));
    int32_t full = Run(10);
    kit.audio.SetMusicVolume(0.25f);
    int32_t quarter = Run(10);
    EXPECT_NEAR(quarter, full / 4, full / 20);
    kit.audio.SetMusicVolume(0.0f);
    EXPECT_EQ(Run(10), 0);
}

TEST_F(MusicTest, BrokenMusicFilesDoNotOpen) {
    kit.WriteData("Music/empty.ogg", "");
    kit.WriteData("Music/junk.ogg", "OggS\0\0\0\0 junk junk junk");
    std::string theme = kit.data.Read("Music/Theme.ogg");
    kit.WriteData("Music/cut.ogg", theme.substr(0, 200));
    EXPECT_EQ(kit.audio.OpenMusic("Music\\empty", true), nullptr);
    EXPECT_EQ(kit.audio.OpenMusic("Music\\junk", true), nullptr);
    EXPECT_EQ(kit.audio.OpenMusic("Music\\cut", true), nullptr);
    EXPECT_EQ(kit.audio.GetMusicChannelCount(), 0);
}

TEST_F(MusicTest, AStingPlaysOnceAndThenIsNoLongerTheCurrentPiece) {
    ASSERT_TRUE(kit.audio.PlayMusic("Music\\Theme", 0));
    ASSERT_TRUE(kit.audio.PlayMusic("Music\\Map", 0, false));
    EXPECT_EQ(kit.audio.GetMusicChannelCount(), 1);  // the loop stopped at once
    EXPECT_GT(Run(50), 1000);
    EXPECT_NE(kit.audio.GetCurrentMusic(), nullptr);
    Run(100);  // past the 1 s piece
    EXPECT_EQ(kit.audio.GetCurrentMusic(), nullptr);
    EXPECT_EQ(kit.audio.GetMusicChannelCount(), 0);
    EXPECT_EQ(Run(5), 0);
    ASSERT_TRUE(kit.audio.PlayMusic("Music\\Map", 10, false));  // and again, faded in
    EXPECT_GT(Run(20), 1000);
}

TEST_F(MusicTest, TheGamesPauseHoldsEveryPieceAlongsideFocusChanges) {
    ASSERT_TRUE(kit.audio.PlayMusic("Music\\Theme", 0));
    kit.audio.SetMusicPaused(true);
    kit.audio.SetMusicPaused(true);  // twice is still one pause
    EXPECT_EQ(Run(5), 0);
    ASSERT_TRUE(kit.audio.PlayMusic("Music\\Map", 4));  // started during the pause: waits too
    EXPECT_EQ(Run(10), 0);
    EXPECT_EQ(kit.audio.GetMusicChannelCount(), 1) << "the faded-out piece went even while paused";
    kit.audio.SetActive(false);
    kit.audio.SetMusicPaused(false);
    EXPECT_EQ(Run(5), 0) << "still in the back";
    kit.audio.SetActive(true);
    EXPECT_GT(Run(5), 1000);
    EXPECT_FALSE(kit.audio.IsMusicPaused());
}
