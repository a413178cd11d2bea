// Recorded sessions replayed through the real program: the stored ones in
// tests/replays end on the level line they were recorded with, and a fresh
// recording that goes through a saved journey replays to the same end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "process/BuiltGameTest.h"
#include "support/TempDir.h"

namespace {

class ReplayProcessTest : public BuiltGameTest {
protected:
    // A run for a returning player named `profile`, in a folder of its own.
    Outcome RunAs(const std::string& userName, const std::string& profile, std::vector<std::string> arguments) {
        user.Write(userName + "/config.cfg", "Profiles=" + profile + "\r\n");
        return Run(userName, std::move(arguments));
    }
};

// The last "level=" line the game printed; empty when none.
std::string LastLevelLine(const std::string& output) {
    std::string last;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("level=", 0) == 0) last = line;
    return last;
}

// The value of a "# key value" line of a stored replay.
std::string Header(const std::string& path, const std::string& key) {
    std::ifstream file(path);
    std::string prefix = "# " + key + " ";
    for (std::string line; std::getline(file, line);)
        if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
    return "";
}

TEST_F(ReplayProcessTest, EveryStoredReplayEndsOnItsRecordedLevelLineTwiceOver) {
    int32_t replays = 0;
    for (const auto& entry : std::filesystem::directory_iterator(PZ_REPLAY_DIR)) {
        if (entry.path().extension() != ".txt") continue;
        const std::string path = entry.path().string(), name = entry.path().stem().string();
        SCOPED_TRACE(name);
        const std::string expected = Header(path, "expect"), ticks = Header(path, "ticks");
        const std::string profile = Header(path, "profile");
        ASSERT_FALSE(expected.empty() || ticks.empty() || profile.empty()) << "headers missing";
        std::string pictures[2];
        for (int32_t run = 0; run < 2; ++run) {
            std::string user = name + std::to_string(run);
            pictures[run] = name + std::to_string(run) + ".bmp";
            Outcome outcome = RunAs(user, profile, {"--input", path, "--ticks", ticks, "--screenshot", pictures[run]});
            ASSERT_TRUE(outcome.exited);
            ASSERT_EQ(outcome.code, 0) << outcome.errors;
            EXPECT_EQ(LastLevelLine(outcome.output), expected);
        }
        std::string first = scratch.Read(pictures[0]);
        EXPECT_FALSE(first.empty());
        EXPECT_TRUE(first == scratch.Read(pictures[1])) << "two replays end on different pictures";
        ++replays;
    }
    EXPECT_GE(replays, 2);
}

TEST_F(ReplayProcessTest, ARecordingThroughASavedAndResumedJourneyReplaysToTheSameEnd) {
    std::string script = scratch.File("walk.txt");
    std::ofstream(script) << "seed 9\n10 press Play\n100 press NewGame\n120 press Normal\n400 press World 1-1\n"
                             "900 click left 250 400\n980 click left 520 400\n1060 click right 400 400\n"
                             "1100 press Menu\n1150 press BackToMainMenu\n1300 press ResumeGame\n"
                             "1500 click left 330 400\n1580 click left 610 400\n1660 click left 150 400\n";
    Outcome recorded = RunAs(
        "record", "Al",
        {"--input", script, "--record", scratch.File("rec.txt"), "--ticks", "2000", "--screenshot", "recorded.bmp"});
    ASSERT_EQ(recorded.code, 0) << recorded.errors;
    std::string log = user.Read("record/DEBUG.TXT");
    ASSERT_NE(log.find("Screen: MainMenu", log.find("Screen: Game")), std::string::npos) << "left for the menu";
    ASSERT_TRUE(std::filesystem::exists(user.File("record/Profiles/Al/Journey.SAV")));
    Outcome replayed =
        RunAs("replay", "Al", {"--input", scratch.File("rec.txt"), "--ticks", "2000", "--screenshot", "replayed.bmp"});
    ASSERT_EQ(replayed.code, 0) << replayed.errors;
    EXPECT_NE(LastLevelLine(recorded.output), "");
    EXPECT_EQ(LastLevelLine(replayed.output), LastLevelLine(recorded.output));
    EXPECT_TRUE(scratch.Read("recorded.bmp") == scratch.Read("replayed.bmp")) << "the replay ends on another picture";
}

}  // namespace
