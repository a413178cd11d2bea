// Levels and stages played from the command line through the real game
// screen: the bot, the report lines, the journey trace in DEBUG.TXT, and what
// the heads-up display shows in the Child play style.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "process/GameProcess.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class PlayProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* data = std::getenv("PZ_TEST_DATA");
        if (!data || !*data) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
        dataRoot = fs::absolute(data).string();
    }
    // The built data root with its stages replaced by `levelOrder`, linked
    // file by file so that nothing is copied.
    std::string DataWithStages(const std::string& levelOrder) {
        std::string root = scratch.File("data");
        std::error_code error;
        fs::create_directories(root, error);
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dataRoot, error)) {
            fs::path to = fs::path(root) / fs::relative(entry.path(), dataRoot, error);
            if (entry.is_directory())
                fs::create_directories(to, error);
            else if (to.filename() != "LevelOrder.CFG")
                fs::create_symlink(entry.path(), to, error);
        }
        std::ofstream(root + "/Data/LevelOrder.CFG") << levelOrder;
        return root;
    }
    Outcome Run(const std::string& data, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--headless", "--fast", "--data", data, "--user-dir", user.Path()});
        return RunGame(scratch, arguments);
    }
    std::string Log() { return user.Read("DEBUG.TXT"); }

    std::string dataRoot;
    TempDir user;
    TempDir scratch;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; start = end + 1, end = text.find('\n', start))
        lines.push_back(text.substr(start, end - start));
    return lines;
}

const std::regex kLevelLine(
    "level=(\\w+) world=(\\d) style=(\\w+) outcome=(won|lost|running) ticks=(\\d+) score=(\\d+) popped=(\\d+) "
    "shots=(\\d+) lives=(\\d+)");

TEST_F(PlayProcessTest, TheBotPlaysAWholeStageLevelAfterLevel) {
    std::string data = DataWithStages(
        "<LevelOrder><group name=\"World 1-1\"><Level>Blue</Level><Level>blue</Level></group></LevelOrder>");
    // In the Child play style no life runs out, so the stage is played through.
    Outcome outcome = Run(data, {"--stage", "World 1-1", "--autoplay", "--style", "child", "--seed", "3"});
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0);
    std::vector<std::string> lines = Lines(outcome.output);
    ASSERT_EQ(lines.size(), 3u) << outcome.output;
    int32_t lastScore = 0;
    for (int32_t level = 0; level < 2; ++level) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(lines[level], match, kLevelLine)) << lines[level];
        EXPECT_EQ(match[1], level == 0 ? "Blue" : "blue");
        EXPECT_EQ(match[2], "1");
        EXPECT_EQ(match[3], "child");
        EXPECT_EQ(match[4], "won");
        EXPECT_GT(std::stoi(match[5]), 1000);
        // Each panel had the tallies of its own level, not a running sum.
        EXPECT_GT(std::stoi(match[7]), 100);
        EXPECT_GT(std::stoi(match[8]), 20);
        EXPECT_LT(std::stoi(match[8]), 400);
        EXPECT_GT(std::stoi(match[6]), lastScore) << "the score carries over and grows";
        lastScore = std::stoi(match[6]);
        EXPECT_EQ(match[9], "100");
    }
    EXPECT_EQ(lines[2], "stage=World 1-1 outcome=finished levels=2 score=" + std::to_string(lastScore) + " lives=100");
    std::string log = Log();
    EXPECT_NE(log.find("Level: Blue (World 1-1, world 1)"), std::string::npos) << log;
    EXPECT_NE(log.find("Level: blue (World 1-1, world 1)"), std::string::npos) << log;
    EXPECT_NE(log.find("Screen: DifficultyMenu"), std::string::npos) << "the stage ends on the journey map";
}

TEST_F(PlayProcessTest, StagesWithNothingToPlayEndCleanly) {
    std::string data = DataWithStages(
        "<LevelOrder><group name=\"World 1-1\"><Level>Nowhere</Level><Level>Blue</Level></group>"
        "<group name=\"World 1-2\"></group></LevelOrder>");
    for (const char* stage : {"World 1-1", "World 1-2", "World 4-4"}) {
        Outcome outcome = Run(data, {"--stage", stage, "--autoplay", "--ticks", "2000"});
        ASSERT_TRUE(outcome.exited);
        EXPECT_EQ(outcome.code, 0);
        EXPECT_EQ(Lines(outcome.output).at(0),
                  std::string("stage=") + stage + " outcome=finished levels=0 score=0 lives=3");
    }
}

TEST_F(PlayProcessTest, ALevelCutShortReportsItselfAsRunning) {
    Outcome outcome = Run(dataRoot, {"--level", "Blue", "--world", "2", "--style", "apocalypse", "--ticks", "500"});
    ASSERT_TRUE(outcome.exited);
    std::smatch match;
    std::string first = Lines(outcome.output).at(0);
    ASSERT_TRUE(std::regex_match(first, match, kLevelLine)) << first;
    EXPECT_EQ(match[2], "2");
    EXPECT_EQ(match[3], "apocalypse");
    EXPECT_EQ(match[4], "running");
    EXPECT_EQ(match[9], "3");
    EXPECT_NE(Log().find("Level: Blue (Blue, world 2)"), std::string::npos);
}

// The pixels of a 24-bit bottom-up BMP, as written by --screenshot.
struct Frame {
    int32_t width = 0, height = 0;
    std::vector<uint8_t> bgr;
    const uint8_t* At(int32_t x, int32_t y) const {
        int32_t stride = (width * 3 + 3) / 4 * 4;
        return &bgr[static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x) * 3];
    }
};

Frame ReadBmp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Frame frame;
    if (bytes.size() < 54) return frame;
    auto word = [&](size_t at) {
        return static_cast<int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24);
    };
    int32_t offset = word(10);
    frame.width = word(18);
    frame.height = word(22);
    frame.bgr.assign(bytes.begin() + offset, bytes.end());
    return frame;
}

TEST_F(PlayProcessTest, TheChildPlayStyleShowsNoLives) {
    auto shot = [&](const char* style) {
        std::string file = scratch.File(std::string(style) + ".bmp");
        Run(dataRoot, {"--level", "Blue", "--style", style, "--seed", "4", "--ticks", "60", "--screenshot", file});
        return ReadBmp(file);
    };
    Frame normal = shot("normal"), child = shot("child");
    ASSERT_EQ(normal.width, 800);
    ASSERT_EQ(child.width, 800);
    // The lives sit in the bottom right corner under a red heart; everything
    // else is the same picture (no chain has moved yet, no point is scored).
    auto red = [](const uint8_t* bgr) { return bgr[2] > 180 && bgr[1] < 90 && bgr[0] < 110; };
    int32_t normalHeart = 0, childHeart = 0, elsewhereChanged = 0;
    for (int32_t y = 0; y < 600; ++y)
        for (int32_t x = 0; x < 800; ++x) {
            if (x >= 740 && y >= 540) {
                normalHeart += red(normal.At(x, y)) ? 1 : 0;
                childHeart += red(child.At(x, y)) ? 1 : 0;
            } else if (!std::equal(normal.At(x, y), normal.At(x, y) + 3, child.At(x, y))) {
                ++elsewhereChanged;
            }
        }
    EXPECT_GT(normalHeart, 50);
    EXPECT_EQ(childHeart, 0);
    EXPECT_EQ(elsewhereChanged, 0);
}

}  // namespace
