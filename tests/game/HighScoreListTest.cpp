#include <gtest/gtest.h>

#include "data/Registry.h"
#include "game/HighScoreList.h"
#include "support/TempDir.h"

namespace {

HighScoreList FirstStartTable(const std::string& path) {
    HighScoreList list;
    list.SetSize(HighScoreList::kGameSize);
    list.Load(String(path));
    OfferDefaultHighScores(list);
    return list;
}

TEST(HighScoreList, AFirstStartWithoutAFileGivesTheDefaultTableInOrder) {
    TempDir folder;
    HighScoreList list = FirstStartTable(folder.File("HighScoreJourney.SCORE"));
    ASSERT_EQ(list.Size(), 10);
    EXPECT_EQ(list.At(0).name, "Bemo");
    EXPECT_EQ(list.At(0).score, 200000);
    EXPECT_EQ(list.At(4).name, "Vunk");
    EXPECT_EQ(list.At(9).name, "Gloomnob");
    EXPECT_EQ(list.At(9).score, 1000);
}

TEST(HighScoreList, ASavedNameInAnyCaseKeepsItsDefaultOut) {
    TempDir folder;
    std::string path = folder.File("HighScoreJourney.SCORE");
    {
        Registry store;
        store.Load(String(path));
        store.SetString("NAME0", "bemo");
        store.SetInt("SCORE0", 5);
        ASSERT_TRUE(store.Save());
    }
    HighScoreList list = FirstStartTable(path);
    int32_t bemos = 0;
    for (int32_t i = 0; i < list.Size(); ++i) bemos += list.At(i).name.EqualsIgnoreCase("Bemo") ? 1 : 0;
    EXPECT_EQ(bemos, 1);
    // The loaded entry is not sorted again; the defaults went in above it.
    EXPECT_EQ(list.At(0).name, "Lurra");
}

TEST(HighScoreList, OnlyAStrictlyHigherScoreQualifiesAndTiesKeepTheOlderEntryHigher) {
    HighScoreList list;
    list.SetSize(3);
    list.Insert("A", 300);
    list.Insert("B", 200);
    list.Insert("C", 100);
    EXPECT_FALSE(list.Qualifies(100));
    EXPECT_TRUE(list.Qualifies(101));
    list.Insert("D", 200);
    EXPECT_EQ(list.At(1).name, "B");
    EXPECT_EQ(list.At(2).name, "D");
    list.Insert("E", 50);  // does not qualify: nothing changes
    EXPECT_EQ(list.At(2).name, "D");
    EXPECT_TRUE(list.Contains("d"));
    EXPECT_FALSE(list.Contains("C"));  // dropped off the end
}

TEST(HighScoreList, SavedEntriesComeBackAsTheyWere) {
    TempDir folder;
    std::string path = folder.File("scores");
    HighScoreList saved = FirstStartTable(path);
    saved.Insert("Tester", 123456);
    ASSERT_TRUE(saved.Save());
    HighScoreList loaded;
    loaded.SetSize(HighScoreList::kGameSize);
    loaded.Load(String(path));
    for (int32_t i = 0; i < saved.Size(); ++i) {
        EXPECT_EQ(loaded.At(i).name, saved.At(i).name);
        EXPECT_EQ(loaded.At(i).score, saved.At(i).score);
    }
}

}  // namespace
