#include <gtest/gtest.h>

#include <filesystem>

#include "core/Random.h"
#include "data/Registry.h"
#include "support/TempDir.h"

TEST(Registry, SplitsAtTheFirstEqualsAndSkipsLinesWithoutOne) {
    Registry store;
    store.ReadText("a=b=c\r\nno equals here\r\nempty=\r\n");
    EXPECT_EQ(store.GetString("a").str(), "b=c");
    EXPECT_TRUE(store.Has("empty"));
    EXPECT_EQ(store.EntryCount(), 2);
}

TEST(Registry, LfOnlyLinesAndBlankLinesKeepEveryEntry) {
    Registry store;
    store.ReadText("one=1\ntwo=2\n\n\nthree=3\r\n\r\nfour=4");
    EXPECT_EQ(store.GetInt("one"), 1);
    EXPECT_EQ(store.GetInt("two"), 2);
    EXPECT_EQ(store.GetInt("three"), 3);
    EXPECT_EQ(store.GetInt("four"), 4);
    EXPECT_EQ(store.WriteText().str(), "one=1\r\ntwo=2\r\nthree=3\r\nfour=4\r\n");
}

TEST(Registry, KeysIgnoreCaseAndTheFirstMatchWins) {
    Registry store;
    store.ReadText("Profiles=first\r\nPROFILES=second\r\n");
    EXPECT_EQ(store.GetString("profiles").str(), "first");
    store.SetString("pRoFiLeS", "changed");
    EXPECT_EQ(store.WriteText().str(), "Profiles=changed\r\nPROFILES=second\r\n");
    store.SetInt("New", 5);
    EXPECT_EQ(store.WriteText().str(), "Profiles=changed\r\nPROFILES=second\r\nNew=5\r\n");
}

TEST(Registry, ValueForms) {
    Registry store;
    store.ReadText("DX::Fullscreen=Yes\r\nTwo=2\r\nOn=ON\r\nNum=42abc\r\nText=abc\r\n");
    EXPECT_TRUE(store.GetBool("DX::Fullscreen"));
    EXPECT_FALSE(store.GetBool("Two"));
    EXPECT_TRUE(store.GetBool("On"));
    EXPECT_FALSE(store.GetBool("missing"));
    EXPECT_EQ(store.GetInt("Num"), 42);
    EXPECT_EQ(store.GetInt("Text"), 0);
    EXPECT_EQ(store.GetInt("missing"), 0);
    EXPECT_EQ(store.GetFloat("missing"), 0.0f);
    EXPECT_EQ(store.GetString("missing").str(), "");

    store.SetFloat("Volume", 0.75f);
    EXPECT_EQ(store.GetString("Volume").str(), "0.750000");
    EXPECT_FLOAT_EQ(store.GetFloat("Volume"), 0.75f);
    store.SetBool("Flag", false);
    EXPECT_EQ(store.GetString("Flag").str(), "false");

    const int8_t bytes[4] = {-128, 0, 7, 127};
    store.SetBytes("Bytes", bytes, 4);
    EXPECT_EQ(store.GetString("Bytes").str(), "-128,0,7,127");
    int8_t back[8] = {};
    EXPECT_EQ(store.GetBytes("Bytes", back, 3), 3);
    EXPECT_EQ(back[0], -128);
    EXPECT_EQ(back[2], 7);
    EXPECT_EQ(back[3], 0);
    EXPECT_EQ(store.GetBytes("missing", back, 8), 0);
}

TEST(Registry, RandomBoolsGiveBothAnswers) {
    Registry store;
    store.ReadText("Coin=Random");
    bool seenTrue = false;
    bool seenFalse = false;
    for (int i = 0; i < 200 && !(seenTrue && seenFalse); ++i) (store.GetBool("Coin") ? seenTrue : seenFalse) = true;
    EXPECT_TRUE(seenTrue);
    EXPECT_TRUE(seenFalse);
}

TEST(Registry, RandomBoolsLeaveTheGamesSequenceAlone) {
    constexpr int32_t kSeed = 2024;
    Registry store;
    store.ReadText("Coin=Random");
    GetRandom().Seed(kSeed);
    for (int i = 0; i < 10; ++i) store.GetBool("Coin");
    Random untouched;
    untouched.Seed(kSeed);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(GetRandom().Raw(), untouched.Raw());
}

TEST(Registry, LoadedStoresAreWrittenBackWhenTheyGoAway) {
    TempDir dir;
    std::string path = dir.Write("config.cfg", "Keep=1\nOther=x\n");
    {
        Registry store;
        store.Load(String(path));
        store.SetInt("Added", 3);
    }
    EXPECT_EQ(dir.Read("config.cfg"), "Keep=1\r\nOther=x\r\nAdded=3\r\n");

    // Loading a second file first writes the first one back.
    std::string second = dir.Write("second.cfg", "");
    Registry store;
    store.Load(String(path));
    store.SetInt("Keep", 9);
    store.Load(String(second));
    EXPECT_EQ(store.EntryCount(), 0);
    EXPECT_EQ(dir.Read("config.cfg").substr(0, 8), "Keep=9\r\n");

    // A missing file gives an empty store that is created when it closes.
    Registry fresh;
    fresh.Load(String(dir.File("new.cfg")));
    EXPECT_EQ(fresh.EntryCount(), 0);
    fresh.Close();
    EXPECT_TRUE(std::filesystem::exists(dir.File("new.cfg")));
    // A store never loaded writes nothing.
    Registry unloaded;
    unloaded.SetInt("x", 1);
    EXPECT_FALSE(unloaded.Save());
}

TEST(Registry, SavingNeverLeavesATemporaryFileBehind) {
    TempDir dir;
    Registry store;
    store.Load(String(dir.File("config.cfg")));
    store.SetString("Profiles", "Bo,Al");
    ASSERT_TRUE(store.Save());
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
    EXPECT_EQ(dir.Read("config.cfg"), "Profiles=Bo,Al\r\n");
}
