// A player who ends the game from outside while a level runs (the desktop
// logging out, Ctrl+C in a terminal, a closed terminal) finds the level
// waiting for them at the next start, as after closing the window.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "process/BuiltGameTest.h"
#include "support/TempDir.h"

namespace {

class QuitSignalProcessTest : public BuiltGameTest {
protected:
    std::vector<std::string> Arguments(const std::string& userName, const std::string& script,
                                       const std::string& ticks) {
        std::vector<std::string> arguments = RunSwitches(userName);
        arguments.insert(arguments.end(), {"--input", Script(userName + ".txt", script), "--ticks", ticks});
        return arguments;
    }
};

TEST_F(QuitSignalProcessTest, EachQuitSignalDuringALevelSavesItAndTheNextStartResumesIntoIt) {
    const std::string intoLevel =
        "seed 3\n10 press Play\n200 text Anna\n210 press CREATE\n240 press NewGame\n260 press Normal\n"
        "300 press World 1-1\n";
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        std::string name = "quit" + std::to_string(signal);
        pid_t game = SpawnGame(scratch, Arguments(name, intoLevel, "100000000"));
        ASSERT_GT(game, 0);
        int status = 0;
        bool running = true;
        while (running && !Has(Log(name), "Level: ")) {
            running = waitpid(game, &status, WNOHANG) == 0;
            sched_yield();
        }
        ASSERT_TRUE(running) << "the game ended before its level began";
        kill(game, signal);
        Outcome ended = WaitForGame(scratch, game);
        ASSERT_TRUE(ended.exited) << "signal " << signal;
        EXPECT_EQ(ended.code, 0) << "signal " << signal;
        EXPECT_FALSE(user.Read(name + "/Profiles/Anna/Journey.SAV").empty()) << "signal " << signal;
        EXPECT_EQ(user.Read(name + "/Profiles/Anna/Stats.DAT").size(), 56u) << "signal " << signal;

        Outcome resumed = RunGame(scratch, Arguments(name, "10 press Play\n150 press ResumeGame\n", "600"));
        ASSERT_TRUE(resumed.exited);
        EXPECT_EQ(resumed.code, 0);
        std::string log = Log(name);
        std::string afterRestart = log.substr(log.rfind("Screen: TitleScreen"));
        EXPECT_TRUE(Has(afterRestart, "Screen: Game")) << afterRestart;
        EXPECT_FALSE(Has(afterRestart, "Screen: DifficultyMenu")) << "resumed on the map, not in the level";
    }
}

}  // namespace
