// Input scripts and recordings through the real program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "process/GameProcess.h"
#include "support/TempDir.h"

namespace {

class InputScriptProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* data = std::getenv("PZ_TEST_DATA");
        if (!data || !*data) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
        dataRoot = data;
    }
    std::string Script(const std::string& name, const std::string& text) {
        std::string path = scratch.File(name);
        std::ofstream(path) << text;
        return path;
    }
    Outcome Run(const std::string& userName, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(),
                         {"--headless", "--fast", "--data", dataRoot, "--user-dir", user.Path() + "/" + userName});
        return RunGame(scratch, arguments);
    }
    std::string Log(const std::string& userName) { return user.Read(userName + "/DEBUG.TXT"); }

    std::string dataRoot;
    TempDir user;
    TempDir scratch;
};

std::vector<std::string> ScreenLines(const std::string& log) {
    std::vector<std::string> lines;
    for (size_t at = log.find("Screen: "); at != std::string::npos; at = log.find("Screen: ", at + 1))
        lines.push_back(log.substr(at, log.find('\r', at) - at));
    return lines;
}

TEST_F(InputScriptProcessTest, AScriptWalksFromTheTitleToTheMainMenuAndBack) {
    std::string script = Script("walk.txt",
                                "seed 7\n"
                                "10 press Play\n"
                                "120 press MainMenu\n"
                                "140 close\n");
    Outcome outcome = Run("walk", {"--input", script, "--ticks", "600"});
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0);
    std::vector<std::string> expected = {"Screen: TitleScreen", "Screen: MainMenu", "Screen: TitleScreen"};
    EXPECT_EQ(ScreenLines(Log("walk")), expected) << Log("walk");
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
