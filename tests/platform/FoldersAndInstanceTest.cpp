// The per-user data folder and the single-instance guard.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/Folders.h"
#include "platform/SingleInstance.h"
#include "support/TempDir.h"

namespace {
// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : mName(name) {
        const char* old = std::getenv(name);
        mHad = old != nullptr;
        if (old) mOld = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~ScopedEnv() {
        if (mHad) setenv(mName, mOld.c_str(), 1);
        else unsetenv(mName);
    }

private:
    const char* mName;
    bool mHad = false;
    std::string mOld;
};

TEST(DataFolderTest, XdgDataHomeThenHomeThenOverride) {
    TempDir temp;
    {
        ScopedEnv xdg("XDG_DATA_HOME", (temp.Path() + "/xdg").c_str());
        String folder = ChooseDataFolder("Plimb Zappets", "");
        EXPECT_EQ(folder, String(temp.Path() + "/xdg/Plimb Zappets/"));
        EXPECT_TRUE(IsWritableFolder(folder));
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", "relative/is/ignored");
        ScopedEnv home("HOME", temp.Path().c_str());
        EXPECT_EQ(ChooseDataFolder("Plimb Zappets", ""), String(temp.Path() + "/.local/share/Plimb Zappets/"));
    }
    EXPECT_EQ(ChooseDataFolder("Plimb Zappets", temp.File("mine/deep").c_str()), String(temp.File("mine/deep/")));
    EXPECT_TRUE(IsWritableFolder(temp.File("mine/deep/").c_str()));
}

TEST(DataFolderTest, UnusableFolderFallsBackToTheRelativeOne) {
    TempDir temp;
    temp.Write("file", "x");
    char* previous = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(temp.Path().c_str()), 0);
    String folder = ChooseDataFolder("Plimb Zappets", temp.File("file/sub").c_str());
    EXPECT_EQ(folder, String(kFallbackDataFolder));
    EXPECT_TRUE(IsWritableFolder(folder));
    ASSERT_EQ(chdir(previous), 0);
    std::free(previous);
}

TEST(DataFolderTest, DeleteFolderTreeRemovesEverythingInside) {
    TempDir temp;
    temp.Write("cached/a/b.png", "x");
    temp.Write("cached/c.cfg", "y");
    DeleteFolderTree(temp.File("cached").c_str());
    EXPECT_FALSE(FileExists(temp.File("cached").c_str()));
    EXPECT_TRUE(FileExists(temp.Path().c_str()));
}

TEST(SingleInstanceTest, SecondHolderKnocksAndTheFirstHearsIt) {
    TempDir temp;
    String folder = String(temp.Path() + "/");
    SingleInstance first;
    ASSERT_EQ(first.Acquire(folder, "Plimb Zappets"), SingleInstance::Result::First);
    EXPECT_TRUE(FileExists(folder + "Plimb Zappets.lock"));
    EXPECT_TRUE(FileExists(folder + "Plimb Zappets.notify"));
    EXPECT_FALSE(first.TakeNotify());
    SingleInstance second;
    EXPECT_EQ(second.Acquire(folder, "Plimb Zappets"), SingleInstance::Result::AlreadyRunning);
    EXPECT_EQ(second.Acquire(folder, "Plimb Zappets"), SingleInstance::Result::AlreadyRunning);
    EXPECT_TRUE(first.TakeNotify());  // both knocks at once
    EXPECT_FALSE(first.TakeNotify());
    first.Release();
    EXPECT_FALSE(FileExists(folder + "Plimb Zappets.notify"));
    EXPECT_EQ(second.Acquire(folder, "Plimb Zappets"), SingleInstance::Result::First);
}

TEST(SingleInstanceTest, LongFolderPathsStillCarryTheKnock) {
    TempDir temp;
    String folder = String(temp.Path() + "/" + std::string(120, 'd') + "/");
    CreateFolders(folder);
    SingleInstance first;
    ASSERT_EQ(first.Acquire(folder, "Plimb Zappets"), SingleInstance::Result::First);
    SingleInstance second;
    EXPECT_EQ(second.Acquire(folder, "Plimb Zappets"), SingleInstance::Result::AlreadyRunning);
    EXPECT_TRUE(first.TakeNotify());
}

TEST(SingleInstanceTest, StaleSocketFromACrashedCopyIsReplaced) {
    TempDir temp;
    String folder = String(temp.Path() + "/");
    temp.Write("Plimb Zappets.notify", "left behind");
    SingleInstance first;
    ASSERT_EQ(first.Acquire(folder, "Plimb Zappets"), SingleInstance::Result::First);
    SingleInstance second;
    EXPECT_EQ(second.Acquire(folder, "Plimb Zappets"), SingleInstance::Result::AlreadyRunning);
    EXPECT_TRUE(first.TakeNotify());
}

TEST(SingleInstanceTest, UnwritableFolderRunsUnguarded) {
    TempDir temp;
    SingleInstance only;
    EXPECT_EQ(only.Acquire(String(temp.Path() + "/missing/"), "Plimb Zappets"), SingleInstance::Result::Unguarded);
    EXPECT_FALSE(only.TakeNotify());
}
}  // namespace
