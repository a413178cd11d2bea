#include <gtest/gtest.h>

#include <filesystem>

#include "data/ProfileManager.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {
struct Profiles {
    TempDir dir;
    ProfileManager manager;

    explicit Profiles(const std::string& config) {
        dir.Write("config.cfg", config);
        manager.Initialize(String(dir.File("config.cfg")), String(dir.Path()));
    }
    std::string Folder(const std::string& name) const { return dir.File("Profiles/" + name); }
};
}  // namespace

TEST(ProfileManager, ReadsTheListAndPicksTheFirstWhenNoneIsCurrent) {
    Profiles profiles("Profiles=Bo,Al\r\n");
    ASSERT_EQ(profiles.manager.Count(), 2);
    EXPECT_EQ(profiles.manager.NameAt(0).str(), "Bo");
    EXPECT_EQ(profiles.manager.NameAt(1).str(), "Al");
    EXPECT_EQ(profiles.manager.CurrentName().str(), "Bo");
    EXPECT_EQ(profiles.manager.CurrentIndex(), 0);
    EXPECT_EQ(profiles.manager.NameAt(2).str(), "");

    Profiles stopped("Profiles=Bo,,Al\r\n");
    EXPECT_EQ(stopped.manager.Count(), 1);

    Profiles none("");
    EXPECT_EQ(none.manager.Count(), 0);
    EXPECT_EQ(none.manager.CurrentIndex(), -1);
}

TEST(ProfileManager, NamesThatCouldEscapeTheProfilesFolderAreDropped) {
    Profiles profiles("Profiles=..,Bo,../../etc,a/b,c\\d,.,x\x01y,Co:lon,bo,Al\r\nCurrentProfile=../..\r\n");
    ASSERT_EQ(profiles.manager.Count(), 2);
    EXPECT_EQ(profiles.manager.NameAt(0).str(), "Bo");
    EXPECT_EQ(profiles.manager.NameAt(1).str(), "Al");
    EXPECT_EQ(profiles.manager.CurrentName().str(), "Bo");
    EXPECT_FALSE(profiles.manager.Create(".."));
    EXPECT_FALSE(profiles.manager.Create("a/b"));
    EXPECT_FALSE(profiles.manager.Create(""));
    EXPECT_EQ(profiles.manager.Count(), 2);
}

TEST(ProfileManager, CreateNumbersRepeatedNames) {
    Profiles profiles("Profiles=Anna,Anna2\r\n");
    ASSERT_TRUE(profiles.manager.Create("anna"));
    EXPECT_EQ(profiles.manager.NameAt(2).str(), "anna3");
    EXPECT_EQ(profiles.manager.CurrentName().str(), "anna3");

    Profiles single("Profiles=Bo\r\n");
    single.manager.Create("bo");
    EXPECT_EQ(single.manager.NameAt(1).str(), "bo2");
    EXPECT_TRUE(single.manager.Exists("BO2"));
}

TEST(ProfileManager, DeleteSelectAndNobody) {
    Profiles profiles("Profiles=Bo,Al\r\nCurrentProfile=Bo\r\n");
    std::string boFolder = profiles.manager.ProfileFolder().str();
    EXPECT_EQ(boFolder, profiles.Folder("Bo"));
    profiles.dir.Write("Profiles/Bo/Stats.DAT", "x");
    profiles.dir.Write("Profiles/Bo/deeper/file", "y");

    profiles.manager.Delete(0);
    EXPECT_FALSE(fs::exists(boFolder));
    EXPECT_EQ(profiles.manager.CurrentName().str(), "Al");

    profiles.manager.Delete(5);
    profiles.manager.Select(-1);
    EXPECT_EQ(profiles.manager.Count(), 1);

    profiles.manager.Delete(0);
    EXPECT_EQ(profiles.manager.CurrentName().str(), "");
    EXPECT_EQ(profiles.manager.ProfileFilePath("Stats.DAT").str(), profiles.Folder("Nobody") + "/Stats.DAT");
    EXPECT_TRUE(fs::is_directory(profiles.Folder("Nobody")));
    EXPECT_EQ(profiles.manager.Count(), 0);  // Nobody is never listed
}

TEST(ProfileManager, SelectChangesTheCurrentProfileAndItsFolder) {
    Profiles profiles("Profiles=Bo,Al\r\nCurrentProfile=al\r\n");
    // The list's spelling wins, so the folder is the same on a case-sensitive disk.
    EXPECT_EQ(profiles.manager.CurrentName().str(), "Al");
    profiles.manager.Select(0);
    EXPECT_EQ(profiles.manager.CurrentIndex(), 0);
    EXPECT_EQ(profiles.manager.ProfileFolder().str(), profiles.Folder("Bo"));

    Profiles stranger("Profiles=Bo\r\nCurrentProfile=Zed\r\n");
    EXPECT_EQ(stranger.manager.CurrentName().str(), "Zed");
    EXPECT_EQ(stranger.manager.CurrentIndex(), -1);
    EXPECT_EQ(stranger.manager.ProfileFolder().str(), stranger.Folder("Zed"));
}

TEST(ProfileManager, DeletingNeverFollowsSymbolicLinks) {
    Profiles profiles("Profiles=Bo\r\n");
    TempDir outside;
    outside.Write("precious.txt", "keep");
    std::string folder = profiles.manager.ProfileFolder().str();
    fs::create_directory_symlink(outside.Path(), folder + "/link");
    profiles.manager.Delete(0);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_EQ(outside.Read("precious.txt"), "keep");

    // A Profiles folder that is itself a link is left alone.
    Profiles linked("Profiles=Al\r\n");
    TempDir target;
    target.Write("Al/precious.txt", "keep");
    fs::create_directory_symlink(target.Path(), linked.dir.File("Profiles"));
    linked.manager.Delete(0);
    EXPECT_EQ(target.Read("Al/precious.txt"), "keep");
}

TEST(ProfileManager, SaveAndShutdownWriteTheListBack) {
    Profiles profiles("Other=1\r\nProfiles=Bo\r\n");
    profiles.manager.Create("Al");
    EXPECT_EQ(profiles.dir.Read("config.cfg"), "Other=1\r\nProfiles=Bo\r\n");  // Create does not save
    profiles.manager.Shutdown();
    EXPECT_EQ(profiles.dir.Read("config.cfg"), "Other=1\r\nProfiles=Bo,Al\r\nCurrentProfile=Al\r\n");
    EXPECT_EQ(profiles.manager.Count(), 0);

    // Not loaded: nothing is written.
    profiles.dir.Write("config.cfg", "x=1\r\n");
    profiles.manager.Save();
    EXPECT_EQ(profiles.dir.Read("config.cfg"), "x=1\r\n");
}

TEST(ProfileManager, NamesAreOneOrdinaryFolderOrRefused) {
    for (const char* good : {"Bo", "Anna Lee", "x", "12345678901234567890123456789012", "Con2", "COM0", "LPT10"})
        EXPECT_TRUE(ProfileManager::IsValidName(good)) << good;
    const std::string refused[] = {"",
                                   " Bo",
                                   "Bo ",
                                   "..",
                                   ".hidden",
                                   "a.b",
                                   "a,b",
                                   "a/b",
                                   "a\\b",
                                   "a:b",
                                   "a*b",
                                   "a?b",
                                   "a\"b",
                                   "a<b",
                                   "a>b",
                                   "a|b",
                                   "a~b",
                                   std::string("a\0b", 3),
                                   "tab\there",
                                   "bell\x07",
                                   "del\x7f",
                                   "caf\xc3\xa9",
                                   "123456789012345678901234567890123",
                                   "CON",
                                   "nul",
                                   "Aux",
                                   "prn",
                                   "COM1",
                                   "lpt9"};
    for (const std::string& bad : refused) EXPECT_FALSE(ProfileManager::IsValidName(bad)) << bad;
}

TEST(ProfileManager, HostileSettingsNeverReachOutsideTheProfilesFolder) {
    std::string list = "Profiles=Bo, Al,Cy ,.git,..,CON";
    for (int i = 0; i < 300; ++i) list += ",p" + std::to_string(i);
    list += std::string(10000, 'x') + "\r\nCurrentProfile=.\r\n";
    Profiles profiles(list);
    EXPECT_EQ(profiles.manager.Count(), ProfileManager::kMaxProfiles);
    EXPECT_EQ(profiles.manager.NameAt(0).str(), "Bo");
    EXPECT_EQ(profiles.manager.NameAt(1).str(), "p0");
    EXPECT_EQ(profiles.manager.CurrentName().str(), "Bo");
    EXPECT_FALSE(profiles.manager.Create("Zed")) << "the list is full";

    // Delete removes only its own folder, whatever else the data folder holds.
    profiles.dir.Write("outside.txt", "keep");
    profiles.dir.Write("Profiles/Other/file", "keep");
    profiles.manager.ProfileFolder();
    profiles.manager.Delete(0);
    EXPECT_FALSE(fs::exists(profiles.Folder("Bo")));
    EXPECT_EQ(profiles.dir.Read("outside.txt"), "keep");
    EXPECT_EQ(profiles.dir.Read("Profiles/Other/file"), "keep");
}

TEST(ProfileManager, CreateRefusesNamesThatATwinSuffixWouldMakeTooLong) {
    std::string longest(ProfileManager::kMaxNameLength, 'a');
    Profiles profiles("Profiles=" + longest + "\r\n");
    EXPECT_FALSE(profiles.manager.Create(String(longest)));
    EXPECT_FALSE(profiles.manager.Create(String(std::string(10000, 'b'))));
    EXPECT_FALSE(profiles.manager.Create("Bo "));
    EXPECT_EQ(profiles.manager.Count(), 1);
    EXPECT_EQ(profiles.manager.CurrentName().str(), longest);
    // A folder already on disk under a new profile's name is taken over, not duplicated.
    profiles.dir.Write("Profiles/Dee/Stats.DAT", "old");
    ASSERT_TRUE(profiles.manager.Create("Dee"));
    EXPECT_EQ(profiles.manager.ProfileFolder().str(), profiles.Folder("Dee"));
    EXPECT_EQ(profiles.manager.Count(), 2);
}
