// The demonstration of an idle title or main menu, through the real program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "process/BuiltGameTest.h"
#include "support/TempDir.h"

namespace {

class AttractProcessTest : public BuiltGameTest {
protected:
    // `script` played for `ticks` steps by the per-user folder `userName`.
    Outcome Play(const std::string& userName, const std::string& script, int32_t ticks) {
        return Run(userName, {"--input", Script(userName + ".txt", script), "--ticks", std::to_string(ticks)});
    }
    // Every file of the player's folder but the log, by its path inside it.
    std::map<std::string, std::string> PlayerFiles(const std::string& userName) {
        std::map<std::string, std::string> files;
        std::filesystem::path root = user.File(userName);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            std::string inside = std::filesystem::relative(entry.path(), root).string();
            if (entry.is_regular_file() && inside != "DEBUG.TXT") files[inside] = user.Read(userName + "/" + inside);
        }
        return files;
    }
};

TEST_F(AttractProcessTest, TheTitleStartsTheShowThreeThousandStepsAfterTheLastInputAndNotOneBefore) {
    // The move at 10 is handled in step 11; the show starts in step 3011.
    const std::string script = "seed 4\n10 move 5 5\n";
    ASSERT_EQ(Play("short", script, 3010).code, 0);
    EXPECT_FALSE(Has(Log("short"), "Screen: Demo")) << Log("short");
    ASSERT_EQ(Play("long", script, 3011).code, 0);
    std::vector<std::string> expected = {"Screen: TitleScreen", "Screen: Demo"};
    EXPECT_EQ(ScreenLines(Log("long")), expected) << Log("long");
}

TEST_F(AttractProcessTest, TheShowFollowsTheSeedAndAKeyGivesTheTitleBackAsItWas) {
    // The show starts in step 3001 and ends in step 4001, where the title
    // takes the one step it would have taken after step 3000.
    for (const char* name : {"one", "two"})
        ASSERT_EQ(Play(name,
                       "seed 6\n3000 screenshot before.bmp\n3900 screenshot " + std::string(name) +
                           ".bmp\n4000 key A\n4001 screenshot after.bmp\n",
                       4100)
                      .code,
                  0);
    // The same title without the show: an inert key keeps it away.
    ASSERT_EQ(Play("kept", "seed 6\n2000 key A\n3001 screenshot kept.bmp\n", 3100).code, 0);
    EXPECT_FALSE(Has(Log("kept"), "Screen: Demo"));
    EXPECT_TRUE(scratch.Read("one.bmp") == scratch.Read("two.bmp")) << "the same seed plays the same show";
    EXPECT_FALSE(scratch.Read("one.bmp") == scratch.Read("before.bmp"));
    EXPECT_FALSE(scratch.Read("after.bmp").empty());
    EXPECT_TRUE(scratch.Read("after.bmp") == scratch.Read("kept.bmp")) << "the title came back as it was left";
    std::vector<std::string> expected = {"Screen: TitleScreen", "Screen: Demo", "Screen: TitleScreen"};
    EXPECT_EQ(ScreenLines(Log("two")), expected) << Log("two");
}

TEST_F(AttractProcessTest, TheShowOverTheMenuLeavesEveryFileOfThePlayerAsItWas) {
    user.Write("bo/config.cfg", "Profiles=Bo\r\n");
    // A journey saved in the middle of a level, statistics and settings.
    ASSERT_EQ(Play("bo",
                   "seed 2\n10 press Play\n100 press NewGame\n120 press Normal\n400 press World 1-1\n"
                   "900 click left 300 400\n1000 press Menu\n1050 press BackToMainMenu\n1100 close\n",
                   2000)
                  .code,
              0);
    std::map<std::string, std::string> before = PlayerFiles("bo");
    ASSERT_TRUE(before.count("Profiles/Bo/Journey.SAV")) << Log("bo");
    ASSERT_TRUE(before.count("Profiles/Bo/Stats.DAT"));
    // The menu idles into the show, the bot plays a while, a click ends it.
    ASSERT_EQ(Play("bo", "seed 3\n10 press Play\n5000 click left 700 100\n5100 close\n", 6000).code, 0);
    std::string log = Log("bo");
    std::vector<std::string> expected = {"Screen: TitleScreen", "Screen: MainMenu", "Screen: Demo", "Screen: MainMenu"};
    std::vector<std::string> screens = ScreenLines(log);
    ASSERT_GE(screens.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(screens.end() - 4, screens.end()), expected) << log;
    EXPECT_TRUE(PlayerFiles("bo") == before) << "the show wrote into the player's folder";
}

}  // namespace
