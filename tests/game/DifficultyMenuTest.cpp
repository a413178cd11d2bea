// The journey map: door names and presses, the order stages open in, the
// journey's end, the map's record and how the application keeps the map.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>

#include "core/IOBuffer.h"
#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/ScratchFolder.h"
#include "game/journey/DifficultyMenu.h"
#include "game/journey/PickDiff.h"
#include "support/TempDir.h"

namespace {
constexpr int32_t kTickLimit = 5000;  // far more than any wait on the map
constexpr int32_t kExtraLivesStat = 13;
constexpr int32_t kRecordBytes = 4 + 2 * 12 + 3 + 7 * 4 + 4 * 4;

class DifficultyMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseScratchFolder(app, folder.Path());
        GetRandom().Seed(7);
    }
    // Updates until the door of the current stage has burst open.
    static void OpenNextDoor(DifficultyMenu& map) {
        for (int32_t tick = 0; tick < kTickLimit && map.IsStageDone(); ++tick) map.Update();
        ASSERT_FALSE(map.IsStageDone());
    }
    static void Press(DifficultyMenu& map, const Button& button) { map.Notify(const_cast<Button*>(&button)); }
    // Plays stages until the map stands at world index `world`.
    static void ClimbTo(DifficultyMenu& map, int32_t world) {
        OpenNextDoor(map);
        while (map.WorldIndex() < world) {
            map.CompleteStage();
            OpenNextDoor(map);
        }
    }
    static std::vector<uint8_t> Record(const DifficultyMenu& map) {
        IOBuffer out;
        map.Save(out);
        return {out.Data(), out.Data() + out.Size()};
    }

    TempDir folder;
    PlimbZappetsApp app;
};

TEST_F(DifficultyMenuTest, DoorsAreNamedMiddleFirstAndAPressPlaysThatStage) {
    EXPECT_EQ(DifficultyMenu::DoorStageName(1, 1), "World 2-1");
    EXPECT_EQ(DifficultyMenu::DoorStageName(1, 0), "World 2-2");
    EXPECT_EQ(DifficultyMenu::DoorStageName(1, 2), "World 2-3");
    DifficultyMenu map(app);
    EXPECT_EQ(map.Door(1, 0).mLabel, "World 2-2");
    EXPECT_EQ(map.FinalDoor().mLabel, "World 5-1");
    EXPECT_EQ(map.BackButton().mLabel, "Back");

    app.restartGroup = false;
    Press(map, map.Door(1, 2));
    EXPECT_EQ(app.currentGroup, "World 2-3");
    EXPECT_TRUE(app.restartGroup) << "a stage starts from its first level";
    ASSERT_TRUE(app.IsTransitionRunning());
    // While the screen changes, further presses do nothing.
    Press(map, map.Door(1, 1));
    Press(map, map.BackButton());
    EXPECT_EQ(app.currentGroup, "World 2-3");
}

TEST_F(DifficultyMenuTest, OnlyTheOpenedDoorOfTheCurrentStageCanBePressed) {
    DifficultyMenu map(app);
    EXPECT_FALSE(map.Door(0, 1).IsEnabled()) << "shut until it bursts open";
    OpenNextDoor(map);
    EXPECT_FALSE(map.IsDoorPending(0, 1));
    EXPECT_TRUE(map.Door(0, 1).IsEnabled());
    EXPECT_FALSE(map.Door(0, 0).IsEnabled());
    EXPECT_FALSE(map.Door(1, 1).IsEnabled());
    EXPECT_FALSE(map.FinalDoor().IsEnabled());
    map.CompleteStage();
    OpenNextDoor(map);
    EXPECT_TRUE(map.Door(0, 0).IsEnabled());
    EXPECT_FALSE(map.Door(0, 1).IsEnabled()) << "a played stage is not played again";
    EXPECT_TRUE(map.IsDoorPending(0, 2));
}

TEST_F(DifficultyMenuTest, WorldOnesStagesInTheOrderOneTwoThreeLeadToWorldTwo) {
    for (PlayStyle style : {PlayStyle::Normal, PlayStyle::Child, PlayStyle::Apocalypse}) {
        app.playStyle = static_cast<int32_t>(style);
        app.lives = 3;
        app.stats[kExtraLivesStat] = 0;
        app.worldReached = 0;
        DifficultyMenu map(app);
        OpenNextDoor(map);
        int32_t expectedStates[] = {0, 2, 1};
        for (int32_t stage = 0; stage < 3; ++stage) {
            map.CompleteStage();
            // A second report of the same stage changes nothing.
            map.CompleteStage();
            EXPECT_EQ(map.StageState(), expectedStates[stage]);
            EXPECT_EQ(app.lives, 4 + stage) << "one life per stage in style " << app.playStyle;
            OpenNextDoor(map);
        }
        EXPECT_EQ(map.WorldIndex(), 1);
        EXPECT_EQ(app.worldReached, 1) << "the levels now read Difficulty2.CFG";
        EXPECT_EQ(app.stats[kExtraLivesStat], 3);
        EXPECT_EQ(map.ScrollTarget(), -750);
        EXPECT_EQ(map.Scroll(), -750) << "the door opens only once the map has scrolled to it";
        EXPECT_FALSE(map.IsDoorPending(1, 1));
    }
}

TEST_F(DifficultyMenuTest, TheScrollWaitsWhenShownAndMovesThreePixelsATick) {
    DifficultyMenu map(app);
    OpenNextDoor(map);
    for (int32_t stage = 0; stage < 3; ++stage) {
        map.CompleteStage();
        if (stage < 2) OpenNextDoor(map);
    }
    map.ResetForDisplay();
    for (int32_t tick = 0; tick < DifficultyMenu::kShowDelay; ++tick) map.Update();
    EXPECT_EQ(map.Scroll(), -1000);
    map.Update();
    EXPECT_EQ(map.Scroll(), -997);
    EXPECT_EQ(map.Door(1, 1).mRect.y, 1100 - 997) << "doors follow the scroll";
    EXPECT_TRUE(map.IsDoorPending(1, 1));
}

TEST_F(DifficultyMenuTest, TheJourneyEndsOnTheSummitWithFlashesStrikesAndAContinueButton) {
    // A score that beats no entry: the name entry would wait for a player.
    app.score = 0;
    app.highScores.SetSize(HighScoreList::kGameSize);
    DifficultyMenu map(app);
    ClimbTo(map, DifficultyMenu::kFinalWorld);
    while (map.IsStriking()) map.Update();  // the final door's own bolt
    int32_t lives = app.lives;
    map.CompleteStage();
    EXPECT_TRUE(map.HasJourneyEnded());
    EXPECT_EQ(app.lives, lives) << "the journey's end gives no life";
    EXPECT_FALSE(map.FinalDoor().IsEnabled());
    bool struck = false;
    for (int32_t tick = 1; tick <= 1100; ++tick) {
        map.Update();
        if (tick == 100 || tick == 200 || tick == 250 || tick == 700) {
            EXPECT_FALSE(map.IsFlashing()) << tick;
        }
        if (tick == 101 || tick == 399 || tick == 600) {
            EXPECT_TRUE(map.IsFlashing()) << tick;
        }
        if (tick < 750) {
            EXPECT_FALSE(map.IsStriking()) << tick;
        }
        struck = struck || map.IsStriking();
        EXPECT_EQ(map.HasContinueButton(), tick >= 1000) << tick;
    }
    EXPECT_TRUE(struck);
    EXPECT_FLOAT_EQ(map.EndFade(), 1);
    EXPECT_EQ(map.Scroll(), 0);
    EXPECT_EQ(map.ContinueButton().mLabel, "ContinueButton");

    Press(map, map.ContinueButton());
    EXPECT_EQ(app.highScoreRank, -1);
    EXPECT_TRUE(app.IsTransitionRunning());
}

TEST_F(DifficultyMenuTest, ARecordComesBackFieldForFieldEndingFlagsIncluded) {
    DifficultyMenu map(app);
    ClimbTo(map, DifficultyMenu::kFinalWorld);
    map.CompleteStage();
    for (int32_t tick = 0; tick < 1050; ++tick) map.Update();
    std::vector<uint8_t> record = Record(map);
    ASSERT_EQ(static_cast<int32_t>(record.size()), kRecordBytes);

    DifficultyMenu loaded(app);
    IOBuffer in;
    in.SetData(record.data(), static_cast<int32_t>(record.size()));
    ASSERT_TRUE(loaded.Load(in));
    EXPECT_TRUE(loaded.HasJourneyEnded());
    EXPECT_TRUE(loaded.HasStrikesBegun());
    EXPECT_TRUE(loaded.HasContinueButton()) << "a finished journey comes back with its button";
    EXPECT_EQ(loaded.EndTicks(), map.EndTicks());
    EXPECT_EQ(loaded.EndAngle(), map.EndAngle());
    EXPECT_EQ(Record(loaded), record);
}

TEST_F(DifficultyMenuTest, RecordsWithNumbersOutOfRangeAreRefusedAndChangeNothing) {
    DifficultyMenu map(app);
    std::vector<uint8_t> good = Record(map);
    constexpr int32_t kIntsAt = 4 + 24 + 3;  // after the flags
    auto withInt = [&](int32_t index, int32_t value) {
        std::vector<uint8_t> bytes = good;
        std::memcpy(&bytes[kIntsAt + 4 * index], &value, 4);
        return bytes;
    };
    auto withFloat = [&](int32_t index, float value) {
        std::vector<uint8_t> bytes = good;
        std::memcpy(&bytes[kIntsAt + 28 + 4 * index], &value, 4);
        return bytes;
    };
    std::vector<std::vector<uint8_t>> bad = {
        withInt(5, 5),  // world index
        withInt(5, -1),
        withInt(6, 3),                                          // stage state
        withInt(0, -4),                                         // end ticks
        withInt(1, 1000000),                                    // lightning timer
        withInt(3, 51),                                         // pause
        withFloat(0, std::numeric_limits<float>::quiet_NaN()),  // end angle
        withFloat(1, 2),                                        // end fade
        withFloat(2, std::numeric_limits<float>::infinity()),   // scroll
        withFloat(3, -5000),                                    // scroll target
        std::vector<uint8_t>(good.begin(), good.end() - 1),     // cut short
    };
    // A finished journey below the summit cannot be.
    std::vector<uint8_t> endedLow = good;
    endedLow[0] = 1;
    bad.push_back(endedLow);
    for (size_t i = 0; i < bad.size(); ++i) {
        DifficultyMenu target(app);
        IOBuffer in;
        in.SetData(bad[i].data(), static_cast<int32_t>(bad[i].size()));
        EXPECT_FALSE(target.Load(in)) << "record " << i;
        EXPECT_EQ(Record(target), good) << "record " << i;
    }
}

TEST_F(DifficultyMenuTest, TheApplicationKeepsOneMapPerJourneyAndCompletesStagesOnIt) {
    app.ShowJourneyMap(false);
    DifficultyMenu* map = app.JourneyMap();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(app.lives, 3);
    OpenNextDoor(*map);
    app.lives = 1;
    app.CloseAllScreens();
    EXPECT_FALSE(map->IsInTree());
    app.ShowJourneyMap(true);
    EXPECT_EQ(app.JourneyMap(), map) << "the same map, kept while off the screen";
    EXPECT_EQ(app.lives, 2) << "the life of the finished stage, no fresh start";
    EXPECT_EQ(map->StageState(), 0);

    // A new journey in the chosen style throws the old map away.
    auto* choice = new PickDiff(app);
    app.score = 500;
    choice->Notify(const_cast<Button*>(&choice->Choice(0)));
    EXPECT_EQ(app.playStyle, static_cast<int32_t>(PlayStyle::Child));
    EXPECT_EQ(app.JourneyMap(), nullptr);
    EXPECT_TRUE(app.IsTransitionRunning());
    app.RunTransitionAction(TransitionKind::JourneyMap);
    ASSERT_NE(app.JourneyMap(), nullptr);
    EXPECT_EQ(app.JourneyMap()->WorldIndex(), 0);
    EXPECT_EQ(app.JourneyMap()->StageState(), 1);
    EXPECT_EQ(app.score, 0);
    EXPECT_EQ(app.lives, 3);
    delete choice;
}
}  // namespace
