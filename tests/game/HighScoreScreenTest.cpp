// The high-score screen and the files behind it, inside the game application
// without a window or a catalogue: its rows, the highlighted new entry, the
// page slides, entering a score and the statistics file.
#include <gtest/gtest.h>

#include "core/IOBuffer.h"
#include "game/PlimbZappetsApp.h"
#include "game/ScratchFolder.h"
#include "game/menus/HSMenu.h"
#include "platform/MessageBox.h"
#include "platform/WindowMessages.h"
#include "support/TempDir.h"

namespace {

class HighScoreScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetHeadless(true);
        UseScratchFolder(app, folder.Path());
        app.highScores.SetSize(HighScoreList::kGameSize);
        app.highScores.Load(app.SharedFilePath("HighScoreJourney.SCORE"));
        OfferDefaultHighScores(app.highScores);
    }
    HSMenu& Show() {
        app.ShowHighScores();
        for (int32_t i = 0; i < app.mGadgets.Count(); ++i)
            if (auto* menu = dynamic_cast<HSMenu*>(static_cast<Gadget*>(app.mGadgets.At(i)))) return *menu;
        ADD_FAILURE() << "no high-score screen";
        std::abort();
    }
    void Click(const Button& button) {
        auto x = static_cast<int32_t>(button.mRect.x + 2), y = static_cast<int32_t>(button.mRect.y + 2);
        app.MouseMove(x, y);
        app.MouseDown(x, y, kLeftButton);
        app.MouseUp(x, y, kLeftButton);
    }

    TempDir folder;
    PlimbZappetsApp app;
};

TEST_F(HighScoreScreenTest, RowsShowRankNameAndScoreAndTheTenStatisticsInTheirOrder) {
    app.stats[2] = 77;   // plimbs popped, first row
    app.stats[13] = 3;   // extra lives earned, last row
    app.stats[12] = 99;  // lives lost are not shown
    HSMenu& menu = Show();
    ASSERT_EQ(menu.ScoreRows().size(), 10u);
    EXPECT_EQ(menu.ScoreRows()[0].left, "1.) - Bemo");
    EXPECT_EQ(menu.ScoreRows()[0].right, "200000");
    EXPECT_EQ(menu.ScoreRows()[9].left, "10.) - Gloomnob");
    ASSERT_EQ(menu.StatRows().size(), 10u);
    EXPECT_EQ(menu.StatRows()[0].left, "Plimbs Popped");
    EXPECT_EQ(menu.StatRows()[0].right, "77");
    EXPECT_EQ(menu.StatRows()[9].left, "Extra Lives Earned");
    EXPECT_EQ(menu.StatRows()[9].right, "3");
    for (const HSMenu::Row& row : menu.StatRows()) EXPECT_NE(row.right, "99");
}

TEST_F(HighScoreScreenTest, TheHighlightRunsRedToYellowAndBackIn200Ticks) {
    HSMenu& menu = Show();
    auto green = [&] { return menu.HighlightColour().g; };
    EXPECT_NEAR(green(), 0, 1e-4);
    for (int32_t i = 0; i < 50; ++i) menu.DoUpdate();
    EXPECT_NEAR(green(), 0.5f, 1e-3);
    for (int32_t i = 0; i < 50; ++i) menu.DoUpdate();
    EXPECT_NEAR(green(), 1, 1e-3);
    for (int32_t i = 0; i < 100; ++i) menu.DoUpdate();
    EXPECT_NEAR(green(), 0, 1e-3);
    EXPECT_EQ(menu.HighlightColour().r, 1);
    EXPECT_EQ(menu.HighlightColour().b, 0);
}

TEST_F(HighScoreScreenTest, ViewStatisticsPressedTwiceStartsOneSlideThatLandsExactly) {
    HSMenu& menu = Show();
    EXPECT_FALSE(menu.ScoresButton().IsEnabled());
    Click(menu.StatsButton());
    Click(menu.StatsButton());
    ASSERT_TRUE(menu.IsSliding());
    EXPECT_FALSE(menu.StatsButton().IsEnabled());
    menu.DoUpdate();
    EXPECT_EQ(menu.PageOffset(), HSMenu::kSlideStep);
    for (int32_t i = 0; i < 60; ++i) menu.DoUpdate();
    EXPECT_FALSE(menu.IsSliding());
    EXPECT_EQ(menu.PageOffset(), HSMenu::kPageWidth);
    EXPECT_TRUE(menu.ScoresButton().IsEnabled());
    EXPECT_FALSE(menu.StatsButton().IsEnabled());

    Click(menu.ScoresButton());
    for (int32_t i = 0; i < 60; ++i) menu.DoUpdate();
    EXPECT_EQ(menu.PageOffset(), 0);
    EXPECT_TRUE(menu.StatsButton().IsEnabled());
    EXPECT_FALSE(menu.ScoresButton().IsEnabled());
}

TEST_F(HighScoreScreenTest, AnEnteredScoreIsMarkedAndOnDiskAtOnce) {
    EXPECT_EQ(app.highScoreRank, -1);  // nothing entered yet: no row is highlighted
    app.score = 100000;                // ties Quib: goes below it
    app.EnterHighScore("Newcomer");
    EXPECT_EQ(app.highScoreRank, 3);
    EXPECT_EQ(app.highScores.At(3).name, "Newcomer");
    EXPECT_EQ(app.highScores.At(2).name, "Quib");

    HighScoreList reread;
    reread.SetSize(HighScoreList::kGameSize);
    reread.Load(app.SharedFilePath("HighScoreJourney.SCORE"));
    EXPECT_EQ(reread.At(3).name, "Newcomer");
    EXPECT_EQ(reread.At(3).score, 100000);
    EXPECT_EQ(reread.At(9).name, "Dorrik");
}

TEST_F(HighScoreScreenTest, StatisticsAreFourteenWordsAndAShortFileKeepsWhatItHas) {
    for (int32_t i = 0; i < PlimbZappetsApp::kStatCount; ++i) app.stats[static_cast<size_t>(i)] = 100 + i;
    app.SaveStats();
    IOBuffer file;
    ASSERT_TRUE(file.LoadFile(app.profiles.ProfileFilePath("Stats.DAT")));
    ASSERT_EQ(file.Size(), 14 * 4);
    EXPECT_EQ(file.Data()[0], 100);
    EXPECT_EQ(file.Data()[13 * 4], 113);

    // Cut after five and a half counters: five survive, the rest read as 0.
    IOBuffer cut;
    cut.SetData(file.Data(), 5 * 4 + 2);
    ASSERT_TRUE(cut.SaveFile(app.profiles.ProfileFilePath("Stats.DAT")));
    app.LoadStats();
    EXPECT_EQ(app.stats[4], 104);
    EXPECT_EQ(app.stats[5], 0);
    EXPECT_EQ(app.stats[13], 0);
}

}  // namespace
