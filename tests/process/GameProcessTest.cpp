// The built game run as its own process, headless, with a fresh user folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include "platform/SingleInstance.h"
#include "process/GameProcess.h"
#include "support/GameDataRoot.h"
#include "support/TempDir.h"

namespace {
constexpr const char* kGameName = "Plimb Zappets";

class GameProcessTest : public ::testing::Test {
protected:
    std::string UserFolder() const { return user.Path() + "/user"; }
    Outcome Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--headless", "--user-dir", UserFolder(), "--data", dataRoot});
        return RunGame(scratch, arguments);
    }
    TempDir user;
    TempDir scratch;
    // These runs are about the process, not its content: an empty data root
    // does, so they need no asset build.
    std::string dataRoot = WriteGameDataRoot(scratch, "data");
};

TEST_F(GameProcessTest, FastTickRunPrintsItsCountsAndFramesTheLog) {
    Outcome outcome = Run({"--fast", "--ticks", "250", "--seed", "3"});
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.output.rfind("updates=250 draws=", 0), 0u) << outcome.output;
    std::string log = user.Read("user/DEBUG.TXT");
    EXPECT_EQ(log.rfind("*** BEGIN KORVANE SESSION ***\r\n", 0), 0u) << log;
    const std::string end = "*** END KORVANE SESSION ***\r\n";
    ASSERT_GE(log.size(), end.size());
    EXPECT_EQ(log.substr(log.size() - end.size()), end);
    for (size_t at = log.find('\n'); at != std::string::npos; at = log.find('\n', at + 1))
        EXPECT_EQ(log[at - 1], '\r') << "line ending at " << at;
}

TEST_F(GameProcessTest, SecondCopyWakesTheFirstAndExitsZero) {
    // This test plays the running copy.
    std::string folder = UserFolder() + "/";
    Run({"--fast", "--ticks", "1"});  // creates the folder
    SingleInstance first;
    ASSERT_EQ(first.Acquire(folder, kGameName), SingleInstance::Result::First);
    const std::string runningLog = "*** BEGIN KORVANE SESSION ***\r\nthe running copy's line\r\n";
    user.Write("user/DEBUG.TXT", runningLog);
    user.Write("user/cached/cacheinfo.cfg", "Version=1\r\n");
    EXPECT_FALSE(first.TakeNotify());
    Outcome second = Run({"--fast", "--ticks", "100"});
    ASSERT_TRUE(second.exited);
    EXPECT_EQ(second.code, 0);
    EXPECT_EQ(second.output, "updates=0 draws=0\n");  // it never ran its loop
    EXPECT_TRUE(first.TakeNotify());
    EXPECT_FALSE(first.TakeNotify());
    // It left the running copy's files alone.
    EXPECT_EQ(user.Read("user/DEBUG.TXT"), runningLog);
    EXPECT_EQ(user.Read("user/cached/cacheinfo.cfg"), "Version=1\r\n");
}

// Two real copies: the second, started while the first runs, leaves at once
// with 0; the first runs on until it is closed.
TEST_F(GameProcessTest, ASecondStartWhileTheFirstRunsExitsZero) {
    TempDir firstOutput;
    pid_t first = SpawnGame(
        firstOutput, {"--headless", "--user-dir", UserFolder(), "--data", dataRoot, "--fast", "--ticks", "100000000"});
    ASSERT_GT(first, 0);
    // The running copy holds the instance before it writes its log.
    const std::string log = UserFolder() + "/DEBUG.TXT";
    int status = 0;
    bool running = true;
    while (running && access(log.c_str(), F_OK) != 0) {
        running = waitpid(first, &status, WNOHANG) == 0;
        sched_yield();
    }
    ASSERT_TRUE(running) << "the first copy ended before it ran";
    Outcome second = Run({"--fast", "--ticks", "100"});
    EXPECT_TRUE(second.exited);
    EXPECT_EQ(second.code, 0);
    EXPECT_EQ(second.output, "updates=0 draws=0\n");
    kill(first, SIGTERM);  // closed as its window would be
    Outcome closed = WaitForGame(firstOutput, first);
    EXPECT_TRUE(closed.exited);
    EXPECT_EQ(closed.code, 0);
    EXPECT_EQ(closed.output.rfind("updates=", 0), 0u) << closed.output;
}

TEST_F(GameProcessTest, CrashSwitchLeavesAReportAndFails) {
    Outcome outcome = Run({"-crash"});
    EXPECT_FALSE(outcome.exited && outcome.code == 0);
    std::string report = user.Read("user/CrashReport.txt");
    EXPECT_NE(report.find("PRODUCT: Plimb Zappets"), std::string::npos) << report;
    EXPECT_NE(report.find("RUNTIME: "), std::string::npos);
    EXPECT_NE(report.find("BACKTRACE:"), std::string::npos);
}

TEST_F(GameProcessTest, MalformedCommandLinesExitWithTwo) {
    for (std::vector<std::string> arguments :
         {std::vector<std::string>{"--ticks"}, {"--ticks", "x"}, {"--nonsense"}, {"stray"}}) {
        Outcome outcome = Run(arguments);
        EXPECT_TRUE(outcome.exited);
        EXPECT_EQ(outcome.code, 2) << arguments[0];
    }
}

TEST_F(GameProcessTest, UnwritableUserFolderFallsBackAndStillRuns) {
    // A file where the folder should be: nothing can be created inside it.
    scratch.Write("blocker", "x");
    std::vector<std::string> arguments = {
        "--headless", "--fast", "--ticks", "5", "--user-dir", scratch.File("blocker") + "/sub", "--data", dataRoot};
    Outcome outcome = RunGame(scratch, arguments);
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.output.rfind("updates=5 ", 0), 0u);
    EXPECT_NE(scratch.Read("My Game Information/DEBUG.TXT").find("starting"), std::string::npos);
}
}  // namespace
