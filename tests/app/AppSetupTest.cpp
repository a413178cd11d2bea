// Start-up in a fresh user folder: folders, the image-cache version check and
// the single-instance refusal.
#include <gtest/gtest.h>

#include <string>

#include "app/App.h"
#include "app/ProcessEntry.h"
#include "platform/MessageBox.h"
#include "support/GameDataRoot.h"
#include "support/TempDir.h"

namespace {
LaunchOptions HeadlessIn(const TempDir& folder) {
    SetHeadless(true);
    LaunchOptions launch;
    launch.headless = true;
    launch.userFolder = folder.File("user").c_str();
    launch.dataFolder = WriteGameDataRoot(folder, "data").c_str();
    return launch;
}

TEST(AppSetupTest, FoldersAndConfigPathComeFromTheUserFolder) {
    TempDir temp;
    App app;
    app.Initialize(HeadlessIn(temp));
    EXPECT_EQ(app.GetDataFolder(), String(temp.File("user/")));
    EXPECT_EQ(app.GetConfigPath(), String(temp.File("user/config.cfg")));
    EXPECT_FALSE(app.IsSecondCopy());
    EXPECT_FALSE(app.mQuit);
}

TEST(AppSetupTest, ImageCacheIsKeptOnlyForTheSameVersion) {
    TempDir temp;
    temp.Write("user/cached/old.png", "stale");
    {
        App app;
        app.mUseCache = true;
        app.Initialize(HeadlessIn(temp));
    }
    // No version recorded: the folder was emptied and the version written.
    EXPECT_EQ(temp.Read("user/cached/old.png"), "");
    EXPECT_NE(temp.Read("user/cached/cacheinfo.cfg").find("Version=.01alpha"), std::string::npos);
    temp.Write("user/cached/kept.png", "fresh");
    {
        App app;
        app.mUseCache = true;
        app.Initialize(HeadlessIn(temp));
    }
    EXPECT_EQ(temp.Read("user/cached/kept.png"), "fresh");
    {
        App app;
        app.mUseCache = true;
        app.SetVersion("1.1");
        app.Initialize(HeadlessIn(temp));
    }
    EXPECT_EQ(temp.Read("user/cached/kept.png"), "");
    EXPECT_NE(temp.Read("user/cached/cacheinfo.cfg").find("Version=1.1"), std::string::npos);
    {
        App app;  // without the cache the folder goes
        app.Initialize(HeadlessIn(temp));
    }
    EXPECT_EQ(temp.Read("user/cached/cacheinfo.cfg"), "");
}

TEST(AppSetupTest, SecondCopyInTheSameFolderNeverRuns) {
    TempDir temp;
    App first;
    first.Initialize(HeadlessIn(temp));
    ASSERT_FALSE(first.IsSecondCopy());
    {
        App second;
        second.Initialize(HeadlessIn(temp));
        EXPECT_TRUE(second.IsSecondCopy());
        EXPECT_TRUE(second.mQuit);
        second.Run();  // returns at once
        EXPECT_EQ(second.mUpdateCount, 0);
    }
    EXPECT_TRUE(first.mMutex.TakeNotify());
}
}  // namespace

namespace {
// Asks for a restart in its first life only.
class RestartingApp : public App {
public:
    explicit RestartingApp(int life) : mLife(life) {}
    void AfterUpdate() override {
        if (mLife == 1) Restart();
        else Quit();
    }
    int mLife;
};

TEST(ProcessEntryTest, RestartBuildsANewApplicationInTheSameFolder) {
    TempDir temp;
    int lives = 0;
    EntryResult result = RunApplications([&] { return std::make_unique<RestartingApp>(++lives); }, HeadlessIn(temp));
    EXPECT_EQ(lives, 2);
    EXPECT_EQ(result.updates, 1);
    EXPECT_EQ(GetApp(), nullptr);
    // One session in the log across both lives.
    std::string log = temp.Read("user/DEBUG.TXT");
    EXPECT_EQ(log.find("*** BEGIN KORVANE SESSION ***"), 0u);
    EXPECT_EQ(log.find("*** BEGIN KORVANE SESSION ***", 1), std::string::npos);
}
}  // namespace
