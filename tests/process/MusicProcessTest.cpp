// The music the real program chooses as its screens change, read from the
// "Music:" lines of DEBUG.TXT (a headless run chooses without a sound card).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "process/BuiltGameTest.h"
#include "support/TempDir.h"

namespace {

class MusicProcessTest : public BuiltGameTest {
protected:
    // The pieces chosen in one run, in order ("Calm", "LevelWon", ...).
    std::vector<std::string> Pieces(const std::string& userName, std::vector<std::string> arguments) {
        Outcome outcome = Run(userName, std::move(arguments));
        EXPECT_TRUE(outcome.exited && outcome.code == 0) << outcome.errors;
        std::string log = Log(userName);
        std::vector<std::string> pieces;
        const std::string mark = "Music: Sounds\\Music\\";
        for (size_t at = log.find(mark); at != std::string::npos; at = log.find(mark, at + 1)) {
            size_t start = at + mark.size();
            pieces.push_back(log.substr(start, log.find_first_of("\r\n", start) - start));
        }
        return pieces;
    }
};

TEST_F(MusicProcessTest, CalmOnTheWayInTheLivelyPiecesInTurnAndAStingAfterEachLevel) {
    user.Write("walk/config.cfg", "Profiles=Bo\r\n");
    std::string script = scratch.File("walk.txt");
    std::ofstream(script) << "10 press Play\n150 press NewGame\n170 press Normal\n400 press World 1-1\n900 close\n";
    EXPECT_EQ(Pieces("walk", {"--input", script, "--ticks", "3000"}),
              (std::vector<std::string>{"Calm", "Temple", "Lively"}));

    // In the Child play style no life runs out: the bot plays the first stage through.
    std::vector<std::string> stage = Pieces("stage", {"--stage", "World 1-1", "--autoplay", "--style", "child"});
    ASSERT_GE(stage.size(), 5u) << "two levels at least, each with its sting, then the map";
    ASSERT_EQ(stage.size() % 2, 1u);
    const char* lively[] = {"Lively", "Bounce", "Chase"};
    for (size_t level = 0; level < stage.size() / 2; ++level) {
        EXPECT_EQ(stage[2 * level], lively[level % 3]) << level;
        EXPECT_EQ(stage[2 * level + 1], "LevelWon") << level;
    }
    EXPECT_EQ(stage.back(), "Temple") << "the stage ends on the journey map";
}

}  // namespace
