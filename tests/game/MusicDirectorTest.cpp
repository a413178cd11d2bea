// The music follows the screens: calm on the menus and on the temple map, the
// lively pieces taking turns level by level, stings at a level's end and at
// the game's, cross-fades counted in update steps, the game's pause and the
// options screen's music volume. The audio service runs without a sound
// card over pieces made in the test, each its own tone.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/InputScriptPlayer.h"
#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/ScratchFolder.h"
#include "game/menus/Slider.h"
#include "game/play/Game.h"
#include "game/play/LevelUp.h"
#include "media/Audio.h"
#include "platform/MessageBox.h"
#include "platform/ResourcePaths.h"
#include "support/OggWriter.h"
#include "support/TempDir.h"

namespace {

constexpr int32_t kRate = 22050;             // Hz of the test pieces
constexpr int32_t kLoopFrames = kRate / 2;   // half a second, looped
constexpr int32_t kStingFrames = kRate / 2;  // half a second, played once
constexpr int32_t kFramesPerStep = 441;      // one update step at the output rate
constexpr int32_t kHeard = 1000;             // loudest sample of a piece that plays
constexpr int32_t kStingSteps = 60;          // past the end of a sting

class MusicDirectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetHeadless(true);
        GetRandom().Seed(11);
        std::filesystem::create_directories(data.File("Sounds/Music"));
        float hertz = 220;
        for (const char* piece : {"Calm", "Temple", "Lively", "Bounce", "Chase"})
            if (!WriteOggTone(data.File(std::string("Sounds/Music/") + piece + ".ogg"), kRate, 1, kLoopFrames,
                              hertz += 110))
                GTEST_SKIP() << "no Ogg Vorbis encoder";
        for (const char* sting : {"LevelWon", "GameOver"})
            WriteOggTone(data.File(std::string("Sounds/Music/") + sting + ".ogg"), kRate, 1, kStingFrames, 880);
        ResourcePaths::SetDataRoot(data.Path().c_str());
        Audio& audio = GetAudio();
        audio.SetUserFolder("");
        audio.InitializeOffline();
        // Other tests of this program leave the window's focus lost behind.
        while (audio.GetPauseCount() > 0) audio.SetActive(true);
        audio.SetMusicVolume(1.0f);
        UseScratchFolder(app, data.Path());
        app.worldIndex = 0;
    }
    void TearDown() override { GetAudio().Shutdown(); }

    // Update steps as the game runs them, with their share of output; the loudest sample.
    int32_t Steps(int32_t count) {
        int32_t loudest = 0;
        std::vector<int16_t> out(2 * kFramesPerStep);
        for (int32_t i = 0; i < count; ++i) {
            app.FollowMusic();
            GetAudio().Update();
            GetAudio().GetMixer().Render(out.data(), kFramesPerStep);
            for (int16_t s : out) loudest = std::max(loudest, std::abs(static_cast<int32_t>(s)));
        }
        return loudest;
    }
    // The current piece's name ("Calm"), or "" for none.
    static std::string Playing() {
        MusicChannel* channel = GetAudio().GetCurrentMusic();
        return channel ? std::filesystem::path(channel->GetPath().str()).stem().string() : "";
    }
    Game& Play(int32_t levels) {
        app.singleLevel = LevelGroup{"Test Stage", std::vector<String>(static_cast<size_t>(levels), "Blue")};
        app.currentGroup = "Test Stage";
        app.StartGame();
        return *app.CurrentGame();
    }
    // What the level-up panel's continue leads to, without waiting for the creature.
    void NextLevel(Game& game) {
        ++game.levelIndex;
        app.RunTransitionAction(TransitionKind::RestartLevel);
    }

    TempDir data;
    PlimbZappetsApp app;
};

TEST_F(MusicDirectorTest, MenusAreCalmAndEveryLevelTakesTheNextLivelyPieceInTurn) {
    app.ShowMainMenu();
    Steps(1);
    EXPECT_EQ(Playing(), "Calm");
    MusicChannel* calm = GetAudio().GetCurrentMusic();
    app.ShowHighScores();
    Steps(1);
    EXPECT_EQ(GetAudio().GetCurrentMusic(), calm) << "one calm piece plays on across the menus";
    app.ShowJourneyMap(false);
    Steps(1);
    EXPECT_EQ(Playing(), "Temple");

    Game& game = Play(5);
    Steps(1);
    EXPECT_EQ(Playing(), "Lively");
    std::vector<std::string> heard;
    for (int32_t level = 1; level < 5; ++level) {
        game.LevelComplete();
        Steps(1);
        EXPECT_EQ(Playing(), "LevelWon");
        Steps(kStingSteps);
        EXPECT_EQ(Playing(), "") << "the sting plays once";
        NextLevel(game);
        Steps(1);
        heard.push_back(Playing());
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"Bounce", "Chase", "Lively", "Bounce"}));
    // Pausing and losing a life are no new level.
    game.PausePlay();
    Steps(3);
    game.ResumePlay();
    Steps(3);
    EXPECT_EQ(Playing(), "Bounce");

    app.ShowMainMenu();
    Steps(1);
    EXPECT_EQ(Playing(), "Calm");
}

TEST_F(MusicDirectorTest, ACrossFadeTakesItsUpdateStepsExactlyAndAStingCutsInAtOnce) {
    app.ShowMainMenu();
    Steps(MusicDirector::kCrossFadeSteps);
    MusicChannel* calm = GetAudio().GetCurrentMusic();
    ASSERT_NE(calm, nullptr);
    EXPECT_FLOAT_EQ(calm->GetVolume(), 1.0f);

    Game& game = Play(2);
    Steps(1);
    MusicChannel* lively = GetAudio().GetCurrentMusic();
    ASSERT_NE(lively, calm);
    EXPECT_EQ(GetAudio().GetMusicChannelCount(), 2) << "both sound during the cross-fade";
    Steps(MusicDirector::kCrossFadeSteps / 2 - 1);
    EXPECT_NEAR(lively->GetVolume(), 0.5f, 1e-4f);
    EXPECT_NEAR(calm->GetVolume(), 0.5f, 1e-4f);
    Steps(MusicDirector::kCrossFadeSteps / 2 - 1);
    EXPECT_TRUE(lively->IsFadingIn());
    EXPECT_EQ(GetAudio().GetMusicChannelCount(), 2);
    Steps(1);
    EXPECT_FALSE(lively->IsFadingIn());
    EXPECT_EQ(GetAudio().GetMusicChannelCount(), 1) << "the calm piece went on the fade's last step";

    game.LevelComplete();
    Steps(1);
    EXPECT_FLOAT_EQ(GetAudio().GetCurrentMusic()->GetVolume(), 1.0f) << "no fade-in for a sting";
    EXPECT_EQ(GetAudio().GetMusicChannelCount(), 2);
    Steps(MusicDirector::kStingFadeSteps - 1);
    EXPECT_EQ(GetAudio().GetMusicChannelCount(), 1) << "the play piece made way";
}

TEST_F(MusicDirectorTest, ThePausedGameHoldsItsMusicAndTheWonLevelsStingIsHeardAnyway) {
    Game& game = Play(2);
    EXPECT_GT(Steps(MusicDirector::kCrossFadeSteps), kHeard);
    game.SetPaused(true);
    EXPECT_EQ(Steps(20), 0);
    EXPECT_TRUE(GetAudio().IsMusicPaused());
    game.SetPaused(false);
    EXPECT_GT(Steps(5), kHeard);
    game.OpenPauseMenu();
    EXPECT_EQ(Steps(5), 0);
    game.ResumePlay();
    EXPECT_GT(Steps(5), kHeard);

    // The level's end pauses the game under its panel: the sting still sounds.
    game.LevelComplete();
    EXPECT_GT(Steps(5), kHeard);
    EXPECT_FALSE(GetAudio().IsMusicPaused());
}

TEST_F(MusicDirectorTest, TheLastLifeFadesThePlayMusicAndTheGameOverStingPlaysOnce) {
    Game& game = Play(1);
    Steps(MusicDirector::kCrossFadeSteps);
    game.MarkGameOver();
    Steps(1);
    EXPECT_EQ(Playing(), "");
    Steps(MusicDirector::kLastLifeFadeSteps);
    EXPECT_EQ(GetAudio().GetMusicChannelCount(), 0);
    EXPECT_EQ(Steps(5), 0) << "silence while the chain drains";

    game.ShowLevelUp();
    Steps(1);
    EXPECT_EQ(Playing(), "GameOver");
    EXPECT_GT(Steps(5), kHeard);
    Steps(kStingSteps);
    EXPECT_EQ(Steps(50), 0) << "once, not again while the panel stays";
}

TEST_F(MusicDirectorTest, TheOptionsMusicSliderSetsTheLevelHeard) {
    app.ShowMainMenu();
    int32_t full = Steps(MusicDirector::kCrossFadeSteps + 10);
    app.ShowOptions();
    auto* slider = dynamic_cast<Slider*>(FindLabelledGadget(app, "MusicVolume"));
    ASSERT_NE(slider, nullptr);
    EXPECT_FLOAT_EQ(slider->Value(), 1.0f);
    slider->SetValue(0.25f);
    slider->mListener->Notify(slider);
    EXPECT_FLOAT_EQ(GetAudio().GetMusicVolume(), 0.25f);
    EXPECT_NEAR(Steps(10), full / 4, full / 20);
    EXPECT_EQ(Playing(), "Calm") << "the options over the menu change nothing else";
    slider->SetValue(0.0f);
    slider->mListener->Notify(slider);
    EXPECT_EQ(Steps(10), 0);
}

}  // namespace
