// The saved journey inside the game application, without a window or a
// catalogue: its byte order, when it is written, resuming on the map or in a
// paused level, and damaged files refused without harm.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <vector>

#include "board/AutoPlayer.h"
#include "board/Board.h"
#include "core/IOBuffer.h"
#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/ScratchFolder.h"
#include "game/journey/DifficultyMenu.h"
#include "game/play/Game.h"
#include "platform/MessageBox.h"
#include "platform/WindowMessages.h"
#include "support/TempDir.h"
#include "track/Track.h"

namespace {

constexpr const char* kStage = "Test Stage";

class SavedJourneyTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetHeadless(true);
        GetRandom().Seed(11);
        Prepare(app);
    }
    void Prepare(PlimbZappetsApp& target) {
        UseScratchFolder(target, folder.Path());
        target.singleLevel = LevelGroup{kStage, {"Blue", "Blue"}};
        target.playStyle = static_cast<int32_t>(PlayStyle::Normal);
    }
    std::string JourneyPath() { return std::string(app.profiles.ProfileFilePath("Journey.SAV").c_str()); }
    std::vector<uint8_t> JourneyBytes() {
        IOBuffer file;
        file.LoadFile(String(JourneyPath()));
        return {file.Data(), file.Data() + file.Size()};
    }
    void WriteJourney(const std::vector<uint8_t>& bytes) {
        IOBuffer file;
        file.SetData(bytes.data(), static_cast<int32_t>(bytes.size()));
        ASSERT_TRUE(file.SaveFile(String(JourneyPath())));
    }
    // A journey on its map, then into the second level of the stage for `ticks`.
    Game& PlayIntoLevel(int32_t ticks) { return PlayIntoLevel(app, ticks); }
    static Game& PlayIntoLevel(PlimbZappetsApp& target, int32_t ticks) {
        target.ShowJourneyMap(false);
        target.currentGroup = kStage;
        target.StartGame();
        Game& game = *target.CurrentGame();
        game.NextLevel();
        target.RunTransitionAction(TransitionKind::RestartLevel);
        for (int32_t i = 0; i < ticks; ++i) game.DoUpdate();
        return game;
    }
    // What the resume choice leads to once its transition covers the screen.
    static void FinishTransition(PlimbZappetsApp& target, TransitionKind kind) {
        target.SetTransitionSlot(nullptr);
        target.RunTransitionAction(kind);
    }

    TempDir folder;
    PlimbZappetsApp app;
};

TEST_F(SavedJourneyTest, AMapOnlyJourneyIsWrittenInItsFieldOrderAndResumesOnTheMap) {
    app.SaveJourney();  // nothing on the screen that could be saved
    EXPECT_TRUE(JourneyBytes().empty());
    app.ShowMainMenu();
    app.SaveJourney();
    EXPECT_TRUE(JourneyBytes().empty()) << "only the main menu is shown";

    app.ShowJourneyMap(false);
    app.currentGroup = "World 2-3";
    app.colourOrder = {7, 6, 5, 4, 3, 2, 1, 0};
    app.score = 4321;
    app.lives = 5;
    app.worldReached = 2;
    app.playStyle = static_cast<int32_t>(PlayStyle::Child);
    app.SaveJourney();

    IOBuffer file;
    ASSERT_TRUE(file.LoadFile(String(JourneyPath())));
    EXPECT_EQ(file.ReadString(), "1.00");
    EXPECT_EQ(file.ReadString(), "World 2-3");
    for (int32_t colour = 7; colour >= 0; --colour) EXPECT_EQ(file.ReadInt(), colour);
    EXPECT_EQ(file.ReadInt(), 4321);
    EXPECT_EQ(file.ReadInt(), 5);
    EXPECT_EQ(file.ReadInt(), 2);
    EXPECT_EQ(file.ReadInt(), static_cast<int32_t>(PlayStyle::Child));
    IOBuffer map;
    app.JourneyMap()->Save(map);
    std::vector<uint8_t> mapBytes(static_cast<size_t>(map.Size()));
    file.ReadBytes(mapBytes.data(), map.Size());
    EXPECT_TRUE(std::equal(mapBytes.begin(), mapBytes.end(), map.Data()));
    EXPECT_FALSE(file.ReadBool()) << "no level running";
    EXPECT_FALSE(file.ReadBool()) << "no game screen";
    EXPECT_FALSE(file.HasError());
    EXPECT_TRUE(file.AtEnd());

    PlimbZappetsApp resumed;
    Prepare(resumed);
    EXPECT_TRUE(resumed.LoadJourney());
    EXPECT_EQ(resumed.currentGroup, "World 2-3");
    EXPECT_EQ(resumed.colourOrder[0], 7);
    EXPECT_EQ(resumed.score, 4321);
    EXPECT_EQ(resumed.lives, 5);
    EXPECT_EQ(resumed.worldReached, 2);
    EXPECT_EQ(resumed.playStyle, static_cast<int32_t>(PlayStyle::Child));
    ASSERT_NE(resumed.JourneyMap(), nullptr);
    EXPECT_EQ(resumed.CurrentGame(), nullptr);
    ASSERT_TRUE(resumed.IsTransitionRunning());
    FinishTransition(resumed, TransitionKind::JourneyMap);
    EXPECT_EQ(resumed.JourneyMap()->WorldIndex(), app.JourneyMap()->WorldIndex());
}

TEST_F(SavedJourneyTest, ALevelSavedMidwayResumesPausedAndSavesBackTheSameBytes) {
    Game& game = PlayIntoLevel(150);
    game.AddScore(1234);
    game.CountTally(BoardTally::BonusesCaught);
    ASSERT_NE(game.CurrentBoard(), nullptr);
    app.SaveJourney();
    EXPECT_EQ(app.CurrentGame(), nullptr) << "saving ends play";
    std::vector<uint8_t> saved = JourneyBytes();
    ASSERT_FALSE(saved.empty());

    PlimbZappetsApp resumed;
    Prepare(resumed);
    ASSERT_TRUE(resumed.LoadJourney());
    FinishTransition(resumed, TransitionKind::StartGame);
    Game* back = resumed.CurrentGame();
    ASSERT_NE(back, nullptr);
    ASSERT_NE(back->CurrentBoard(), nullptr);
    EXPECT_TRUE(back->paused);
    EXPECT_TRUE(back->CurrentBoard()->paused);
    EXPECT_EQ(back->levelIndex, 1);
    EXPECT_EQ(back->scoreText, "1234");
    EXPECT_EQ(back->tallies[Game::BonusesCaught], 1);
    EXPECT_EQ(resumed.score, 1234);

    resumed.SaveJourney();
    EXPECT_EQ(JourneyBytes(), saved);
}

TEST_F(SavedJourneyTest, ResumedLevelsOfTheMirroredWorldsComeBackWithTheirPathsAsSaved) {
    // World 4 is always mirrored and world 5 draws each level's mirroring by
    // chance: a level resumed in a freshly started game must neither lose
    // the mirroring nor draw it again.
    struct World {
        const char* stage;
        int32_t index;
    };
    for (World world : {World{"World 4-1", 3}, World{"World 5-1", 4}}) {
        int32_t mirrored = 0;
        constexpr uint32_t kSeeds = 8;
        for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
            GetRandom().Seed(seed);
            app.singleLevel.name = world.stage;
            app.ShowJourneyMap(false);
            app.currentGroup = world.stage;
            app.StartGame();
            Game& game = *app.CurrentGame();
            for (int32_t i = 0; i < 50; ++i) game.DoUpdate();
            ASSERT_EQ(app.worldIndex, world.index);
            bool savedMirror = app.mirrorPaths;
            Vec2 savedStart = game.CurrentBoard()->TrackAt(0).PointAtDistance(0);
            mirrored += savedMirror ? 1 : 0;
            app.SaveJourney();

            PlimbZappetsApp resumed;
            Prepare(resumed);
            resumed.singleLevel.name = world.stage;
            GetRandom().Seed(seed * 977);
            ASSERT_TRUE(resumed.LoadJourney());
            FinishTransition(resumed, TransitionKind::StartGame);
            ASSERT_NE(resumed.CurrentGame(), nullptr);
            ASSERT_NE(resumed.CurrentGame()->CurrentBoard(), nullptr);
            EXPECT_EQ(resumed.mirrorPaths, savedMirror) << world.stage << " seed " << seed;
            Vec2 resumedStart = resumed.CurrentGame()->CurrentBoard()->TrackAt(0).PointAtDistance(0);
            EXPECT_FLOAT_EQ(resumedStart.x, savedStart.x) << world.stage << " seed " << seed;
            app.ShowMainMenu();
        }
        if (world.index == 3) {
            EXPECT_EQ(mirrored, static_cast<int32_t>(kSeeds));
        } else {
            EXPECT_GT(mirrored, 0) << "the seeds should show both choices";
            EXPECT_LT(mirrored, static_cast<int32_t>(kSeeds)) << "the seeds should show both choices";
        }
    }
}

TEST_F(SavedJourneyTest, ABotGameSavedAtARandomTickAndResumedPlaysOnAsIfNeverStopped) {
    // Two runs of one seed: one plays straight on, the other is saved to the
    // file, loaded into a fresh game and resumed. From the save on both draw
    // from the same random numbers and the pointer rests over the launcher
    // (where it points is the player's, not the journey's), so the boards
    // must stay equal.
    constexpr int32_t kAfterTicks = 1000;
    constexpr uint32_t kSeedAfterSave = 424242;
    auto play = [](Game& game, int32_t ticks) {
        AutoPlayer bot(*game.CurrentBoard());
        for (int32_t i = 0; i < ticks && game.CurrentBoard(); ++i) {
            bot.Tick();
            game.DoUpdate();
        }
    };
    auto pointAtLauncher = [](Game& game) { game.CurrentBoard()->SetTargetX(game.CurrentBoard()->GetLauncher().X()); };
    auto boardBytes = [](Game& game) {
        IOBuffer out;
        if (game.CurrentBoard()) game.CurrentBoard()->Save(out);
        return std::vector<uint8_t>(out.Data(), out.Data() + out.Size());
    };
    for (uint32_t seed : {21u, 22u, 23u}) {
        const int32_t saveTick = 200 + static_cast<int32_t>(seed * 37 % 400);
        PlimbZappetsApp unbroken;
        Prepare(unbroken);
        GetRandom().Seed(seed);
        Game& straight = PlayIntoLevel(unbroken, 0);
        play(straight, saveTick);
        pointAtLauncher(straight);
        GetRandom().Seed(kSeedAfterSave);
        play(straight, kAfterTicks);
        std::vector<uint8_t> expected = boardBytes(straight);

        PlimbZappetsApp interrupted;
        Prepare(interrupted);
        GetRandom().Seed(seed);
        Game& saved = PlayIntoLevel(interrupted, 0);
        play(saved, saveTick);
        interrupted.SaveJourney();
        PlimbZappetsApp resumed;
        Prepare(resumed);
        ASSERT_TRUE(resumed.LoadJourney());
        FinishTransition(resumed, TransitionKind::StartGame);
        Game& back = *resumed.CurrentGame();
        ASSERT_NE(back.CurrentBoard(), nullptr);
        back.ResumePlay();
        pointAtLauncher(back);
        GetRandom().Seed(kSeedAfterSave);
        play(back, kAfterTicks);
        EXPECT_EQ(resumed.score, unbroken.score) << "seed " << seed;
        EXPECT_TRUE(boardBytes(back) == expected) << "seed " << seed << ": the resumed board went its own way";
    }
}

TEST_F(SavedJourneyTest, EmptyAndOtherVersionFilesAreNoJourneyAndAreLeftEmpty) {
    WriteJourney({});
    EXPECT_FALSE(app.LoadJourney());
    EXPECT_TRUE(JourneyBytes().empty());
    EXPECT_FALSE(app.IsTransitionRunning());

    IOBuffer other;
    other.WriteString("0.99");
    other.WriteString(kStage);
    WriteJourney({other.Data(), other.Data() + other.Size()});
    EXPECT_FALSE(app.LoadJourney());
    EXPECT_TRUE(JourneyBytes().empty());

    app.ShowJourneyMap(false);
    app.SaveJourney();
    EXPECT_FALSE(JourneyBytes().empty());
    app.ClearJourney();
    EXPECT_TRUE(JourneyBytes().empty());
}

TEST_F(SavedJourneyTest, DamagedJourneysAreRefusedWithoutChangeOrEndOnANewMap) {
    PlayIntoLevel(60);
    app.SaveJourney();
    std::vector<uint8_t> saved = JourneyBytes();
    ASSERT_GT(saved.size(), 100u);

    auto tryLoad = [&](const std::vector<uint8_t>& bytes, size_t where) {
        WriteJourney(bytes);
        PlimbZappetsApp fresh;
        Prepare(fresh);
        fresh.score = 77;
        fresh.currentGroup = "Untouched";
        bool loaded = fresh.LoadJourney();
        if (fresh.CurrentGame()) {
            // Taken whole: a level to resume into.
            EXPECT_TRUE(loaded) << "at byte " << where;
            EXPECT_TRUE(fresh.CurrentGame()->paused || !fresh.CurrentGame()->CurrentBoard()) << "at byte " << where;
        } else if (fresh.JourneyMap() || fresh.IsTransitionRunning()) {
            // The journey was sound but its game was not: a new map follows.
            EXPECT_TRUE(fresh.IsTransitionRunning()) << "at byte " << where;
        } else {
            EXPECT_FALSE(loaded) << "at byte " << where;
            EXPECT_EQ(fresh.score, 77) << "at byte " << where;
            EXPECT_EQ(fresh.currentGroup, "Untouched") << "at byte " << where;
        }
    };
    // Every cut before the last byte is refused one way or the other.
    for (size_t cut = 0; cut + 1 < saved.size(); cut += 7) {
        tryLoad({saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(cut)}, cut);
    }
    for (size_t at = 0; at < saved.size(); at += 5) {
        std::vector<uint8_t> flipped = saved;
        flipped[at] ^= 0xA5;
        tryLoad(flipped, at);
    }
    // A forged colour order that repeats a colour is refused at once.
    std::vector<uint8_t> forged = saved;
    size_t firstColour = 4 + 5 + 4 + std::string(kStage).size() + 1;
    forged[firstColour + 4] = forged[firstColour];
    WriteJourney(forged);
    PlimbZappetsApp fresh;
    Prepare(fresh);
    EXPECT_FALSE(fresh.LoadJourney());
    EXPECT_EQ(fresh.JourneyMap(), nullptr);
}

}  // namespace

TEST_F(SavedJourneyTest, KillingTheGameWhileItSavesLeavesAJourneyThatLoads) {
    // A child saves one level after another and reports each save it begins;
    // it is killed while it is somewhere inside a later one. Whatever moment
    // that was, the file on disk must be a whole journey.
    PlayIntoLevel(40);
    app.SaveJourney();
    constexpr int32_t kKills = 12;
    for (int32_t round = 0; round < kKills; ++round) {
        int reports[2];
        ASSERT_EQ(pipe(reports), 0);
        pid_t saver = fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            close(reports[0]);
            for (int32_t ticks = 1;; ++ticks) {
                Game& game = PlayIntoLevel(ticks % 30);
                game.AddScore(ticks);
                char begun = 1;
                if (write(reports[1], &begun, 1) != 1) _exit(1);
                app.SaveJourney();
            }
        }
        close(reports[1]);
        // Later rounds let the child get further before the kill.
        for (int32_t seen = 0; seen < 1 + round % 4; ++seen) {
            char begun = 0;
            ASSERT_EQ(read(reports[0], &begun, 1), 1);
        }
        kill(saver, SIGKILL);
        int status = 0;
        waitpid(saver, &status, 0);
        close(reports[0]);

        PlimbZappetsApp resumed;
        Prepare(resumed);
        EXPECT_TRUE(resumed.LoadJourney()) << "round " << round;
        EXPECT_NE(resumed.JourneyMap(), nullptr) << "round " << round;
    }
}
