// Input scripts and recordings through the real program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "process/BuiltGameTest.h"
#include "support/TempDir.h"

namespace {

class InputScriptProcessTest : public BuiltGameTest {
protected:
    std::string Config(const std::string& userName) { return user.Read(userName + "/config.cfg"); }
    // A player who has been here before: the profiles of `config` exist.
    void Returning(const std::string& userName, const std::string& config) {
        user.Write(userName + "/config.cfg", config);
    }
    // Runs `script` for `userName`, expecting it to end by itself.
    void Walk(const std::string& userName, const std::string& script) {
        Outcome outcome = Run(userName, {"--input", Script(userName + ".txt", script), "--ticks", "3000"});
        ASSERT_TRUE(outcome.exited);
        ASSERT_EQ(outcome.code, 0) << Log(userName);
    }
};

// The value of `key` in a settings file; empty when it is missing.
std::string Setting(const std::string& config, const std::string& key) {
    size_t at = config.find(key + "=");
    if (at == std::string::npos) return "";
    at += key.size() + 1;
    return config.substr(at, config.find('\r', at) - at);
}

TEST_F(InputScriptProcessTest, AScriptWalksFromTheTitleToTheMainMenuAndOn) {
    Returning("walk", "Profiles=Bo\r\n");
    std::string script = Script("walk.txt",
                                "seed 7\n"
                                "10 press Play\n"
                                "120 press HighScores\n"
                                "300 press BackToMainMenu\n"
                                "400 close\n");
    Outcome outcome = Run("walk", {"--input", script, "--ticks", "600"});
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0);
    // With a profile the menu never asks for one by itself.
    std::vector<std::string> expected = {"Screen: TitleScreen", "Screen: MainMenu", "Screen: HSMenu",
                                         "Screen: MainMenu"};
    EXPECT_EQ(ScreenLines(Log("walk")), expected) << Log("walk");
}

TEST_F(InputScriptProcessTest, AFirstStartCreatesAProfileStartsAJourneyAndSetsTheVolumes) {
    Walk("first",
         "seed 3\n"
         "10 press Play\n"
         "200 text Anna\n"
         "210 press CREATE\n"
         "240 press NewGame\n"
         "260 press Normal\n"
         "500 press Back\n"
         "750 press Options\n"
         // The sound knob starts at the right end, the music knob at three quarters.
         "780 move 570 272\n785 down left\n790 move 520 272\n795 move 470 272\n800 up left\n"
         "810 move 518 357\n815 down left\n820 move 420 357\n825 up left\n"
         "840 press Done\n"
         "860 close\n");
    std::string log = Log("first");
    std::vector<std::string> expected = {"Screen: TitleScreen",    "Screen: MainMenu", "Screen: UserMenu",
                                         "Screen: DifficultyMenu", "Screen: MainMenu", "Screen: OptionsMenu"};
    EXPECT_EQ(ScreenLines(log), expected) << log;
    EXPECT_FALSE(Has(log, "Message:")) << "no saved journey, so no question";
    std::string config = Config("first");
    EXPECT_EQ(Setting(config, "Profiles"), "Anna");
    EXPECT_EQ(Setting(config, "CurrentProfile"), "Anna");
    float sound = std::stof(Setting(config, "Audio::SoundVolume"));
    float music = std::stof(Setting(config, "Audio::MusicVolume"));
    EXPECT_NEAR(sound, 0.52f, 0.02f);
    EXPECT_NEAR(music, 0.28f, 0.02f);
    EXPECT_EQ(Setting(config, "DX::SafeMode"), "true") << "the hardware choice was not touched";
}

TEST_F(InputScriptProcessTest, TheFirstRunPromptHasNoWayOutButANewProfile) {
    Outcome stuck =
        Run("stuck", {"--input", Script("stuck.txt", "10 press Play\n200 press CANCEL\n"), "--ticks", "5000"});
    ASSERT_TRUE(stuck.exited);
    EXPECT_EQ(stuck.code, 3) << "the prompt's cancel button is not on screen";

    // Enter on blanks is ignored; the name is kept without its blanks.
    Walk("blank",
         "10 press Play\n200 key Space\n201 key Space\n205 key Return\n210 text Bo\n211 key Space\n212 key Space\n215 "
         "key Return\n"
         "240 press HighScores\n400 close\n");
    EXPECT_EQ(Setting(Config("blank"), "Profiles"), "Bo");
    EXPECT_TRUE(Has(Log("blank"), "Screen: HSMenu"));
}

TEST_F(InputScriptProcessTest, TheProfileMenuRefusesCaseTwinsAndCancelRestoresTheProfileOfOpening) {
    Returning("twins", "Profiles=Bo,Al,Cy\r\nCurrentProfile=Bo\r\n");
    Walk("twins",
         "10 press Play\n150 press User\n"
         "160 press CREATE\n170 text aL\n175 key Return\n190 press OK\n"
         "200 press CANCEL\n"                              // back to the list
         "210 press Al\n220 press Cy\n230 press CANCEL\n"  // and out, restoring Bo
         "300 close\n");
    std::string log = Log("twins");
    EXPECT_TRUE(Has(log, "Message: Already Exists!")) << log;
    std::string config = Config("twins");
    EXPECT_EQ(Setting(config, "Profiles"), "Bo,Al,Cy");
    EXPECT_EQ(Setting(config, "CurrentProfile"), "Bo");

    Returning("pick", "Profiles=Bo,Al\r\n");
    Walk("pick", "10 press Play\n150 press User\n160 press Al\n170 press SELECT\n250 close\n");
    EXPECT_EQ(Setting(Config("pick"), "CurrentProfile"), "Al");
}

TEST_F(InputScriptProcessTest, DeletingTheLastProfileRemovesItsFolderAndOpensTheCreatePage) {
    Returning("last", "Profiles=Bo\r\n");
    user.Write("last/Profiles/Bo/Stats.DAT", "x");
    user.Write("last/Profiles/Keep/Stats.DAT", "y");
    Walk("last",
         "10 press Play\n150 press User\n160 press DELETE\n180 press YES\n"
         "200 text Al\n210 press CREATE\n"  // the create page came up by itself
         "220 press SELECT\n300 close\n");
    std::string log = Log("last");
    EXPECT_TRUE(Has(log, "Message: Are you sure?")) << log;
    EXPECT_EQ(Setting(Config("last"), "Profiles"), "Al");
    EXPECT_FALSE(std::filesystem::exists(user.File("last/Profiles/Bo")));
    EXPECT_EQ(user.Read("last/Profiles/Keep/Stats.DAT"), "y") << "only the deleted profile's folder goes";
}

TEST_F(InputScriptProcessTest, ANewGameOverASavedJourneyAsksFirst) {
    Returning("saved", "Profiles=Bo\r\n");
    // The saved journey's first string: its length with the zero, then the version.
    user.Write("saved/Profiles/Bo/Journey.SAV", std::string("\x05\0\0\0"
                                                            "1.00\0",
                                                            9));
    Walk("saved",
         "10 press Play\n150 press NewGame\n170 press NO\n"
         "180 press NewGame\n200 press YES\n220 press Normal\n400 close\n");
    std::string log = Log("saved");
    size_t first = log.find("Message: Overwrite previous game?");
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_NE(log.find("Message: Overwrite previous game?", first + 1), std::string::npos);
}

TEST_F(InputScriptProcessTest, TheSameScriptAndSeedGiveTheSameRun) {
    std::string script = Script("same.txt", "seed 99\n5 move 300 200\n40 press Play\n70 screenshot mid.bmp\n");
    for (const char* name : {"one", "two"}) {
        Outcome outcome = Run(name, {"--input", script, "--ticks", "150", "--screenshot", std::string(name) + ".bmp"});
        ASSERT_EQ(outcome.code, 0);
    }
    EXPECT_EQ(ScreenLines(Log("one")), ScreenLines(Log("two")));
    EXPECT_TRUE(scratch.Read("one.bmp") == scratch.Read("two.bmp")) << "the final pictures differ";
    EXPECT_FALSE(scratch.Read("mid.bmp").empty());
}

TEST_F(InputScriptProcessTest, ARecordingReplaysToTheSamePicture) {
    std::string script = Script("play.txt", "seed 5\n20 move 420 540\n30 press Play\n90 move 100 100\n");
    ASSERT_EQ(Run("record", {"--input", script, "--record", scratch.File("rec.txt"), "--ticks", "200", "--screenshot",
                             "recorded.bmp"})
                  .code,
              0);
    std::string recording = scratch.Read("rec.txt");
    EXPECT_EQ(recording.rfind("seed 5\n", 0), 0u) << recording;
    ASSERT_EQ(
        Run("replay", {"--input", scratch.File("rec.txt"), "--ticks", "200", "--screenshot", "replayed.bmp"}).code, 0);
    EXPECT_TRUE(scratch.Read("recorded.bmp") == scratch.Read("replayed.bmp")) << "the replay ends on another picture";
    EXPECT_EQ(ScreenLines(Log("record")), ScreenLines(Log("replay")));
}

TEST_F(InputScriptProcessTest, BadScriptsStopWithTheirOwnExitCodes) {
    Outcome malformed = Run("bad", {"--input", Script("bad.txt", "10 move 1\n")});
    ASSERT_TRUE(malformed.exited);
    EXPECT_EQ(malformed.code, 2);
    Outcome missing = Run("missing", {"--input", Script("missing.txt", "10 press NoSuchButton\n"), "--ticks", "5000"});
    ASSERT_TRUE(missing.exited);
    EXPECT_EQ(missing.code, 3);
    EXPECT_NE(Log("missing").find("input script 1: no gadget NoSuchButton on screen"), std::string::npos);
}

}  // namespace
