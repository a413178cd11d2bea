// Finding the game data at start, through the real program: one clear message
// when there is none, and the game going on when there is.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "process/GameProcess.h"
#include "support/GameDataRoot.h"
#include "support/TempDir.h"

namespace {
namespace fs = std::filesystem;

constexpr const char* kStderrPrefix = "plimb-zappets: ";

size_t Count(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++count;
    return count;
}

// The log's lines that contain `needle`.
std::vector<std::string> LinesWith(const std::string& log, const std::string& needle) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = log.find("\r\n"); end != std::string::npos; start = end + 2, end = log.find("\r\n", start)) {
        std::string line = log.substr(start, end - start);
        if (line.find(needle) != std::string::npos) lines.push_back(line);
    }
    return lines;
}

class DataRootProcessTest : public ::testing::Test {
protected:
    Outcome Run(std::vector<std::string> arguments, const std::string& program = PZ_GAME_EXECUTABLE) {
        arguments.insert(arguments.begin(), {"--headless", "--fast", "--ticks", "5", "--user-dir", user.File("user")});
        return RunProgram(program, scratch, arguments);
    }
    std::string Log() const { return user.Read("user/DEBUG.TXT"); }

    // The one message: exit code 1 before the first step, the same text on
    // standard error and in the log, naming every place looked at.
    void ExpectMissingDataMessage(const Outcome& outcome, const std::vector<std::string>& places) {
        ASSERT_TRUE(outcome.exited);
        EXPECT_EQ(outcome.code, 1);
        EXPECT_EQ(outcome.output, "updates=0 draws=0\n");
        std::string log = Log();
        EXPECT_EQ(Count(log, "Message box ["), 1u) << log;
        ASSERT_EQ(outcome.errors.rfind(kStderrPrefix, 0), 0u) << outcome.errors;
        std::string text = outcome.errors.substr(std::string(kStderrPrefix).size());
        ASSERT_FALSE(text.empty());
        text.pop_back();  // its closing line end
        std::string logged;
        for (char c : text) logged += c == '\n' ? std::string("\r\n") : std::string(1, c);
        EXPECT_NE(log.find("Message box [Game Data Missing]: " + logged + "\r\n"), std::string::npos) << log;
        EXPECT_NE(text.find("--data DIR"), std::string::npos) << text;
        for (const std::string& place : places) EXPECT_NE(text.find(place + " ("), std::string::npos) << place;
        EXPECT_EQ(Count(text, " ("), places.size()) << text;
    }

    TempDir user;
    TempDir scratch;
};

TEST_F(DataRootProcessTest, WithoutDataBesideItOrInstalledTheGameNamesBothPlacesAndStops) {
    // The game on its own in a folder, as when copied somewhere by hand.
    fs::create_directories(scratch.File("games"));
    std::string program = scratch.File("games/plimb-zappets");
    std::error_code error;
    fs::create_hard_link(PZ_GAME_EXECUTABLE, program, error);
    if (error) fs::copy_file(PZ_GAME_EXECUTABLE, program);
    std::string top = fs::canonical(scratch.Path()).string();
    ExpectMissingDataMessage(Run({}, program), {top + "/games/data/", top + "/share/games/plimb-zappets/"});

    // Installed beside it, the same game starts.
    WriteGameDataRoot(scratch, "share/games/plimb-zappets");
    Outcome installed = Run({}, program);
    EXPECT_EQ(installed.code, 0) << installed.errors;
    EXPECT_EQ(installed.output.rfind("updates=5 ", 0), 0u);
    EXPECT_NE(Log().find("Game data \"" + top + "/share/games/plimb-zappets/\""), std::string::npos) << Log();
}

TEST_F(DataRootProcessTest, ANamedFolderThatIsMissingOrUnmarkedIsNotReplacedByAnother) {
    // The build tree has data beside the game; a named folder still wins.
    ExpectMissingDataMessage(Run({"--data", scratch.File("nowhere")}), {scratch.File("nowhere/")});
    std::string unmarked = WriteGameDataRoot(scratch, "unmarked");
    fs::remove(unmarked + "/" + DataMarkerFile());
    ExpectMissingDataMessage(Run({"--data", unmarked}), {unmarked + "/"});
    EXPECT_NE(Log().find("(no " + DataMarkerFile() + " file)"), std::string::npos);
}

TEST_F(DataRootProcessTest, DataOfAnotherVersionWarnsOnceAndTheGameGoesOn) {
    Outcome outcome = Run({"--data", WriteGameDataRoot(scratch, "old", "0.0.1-old")});
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.output.rfind("updates=5 ", 0), 0u);
    const std::string warning = "is version 0.0.1-old, but this game expects version " + BuiltDataVersion();
    EXPECT_EQ(Count(outcome.errors, warning), 1u) << outcome.errors;
    EXPECT_EQ(LinesWith(Log(), warning).size(), 1u) << Log();
    EXPECT_EQ(Count(Log(), "Game Data Missing"), 0u);
}

TEST_F(DataRootProcessTest, OneLostPictureInABuiltRootGivesItsOneMessage) {
    const char* built = std::getenv("PZ_TEST_DATA");
    if (!built || !*built) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    std::string root = scratch.File("data");
    fs::copy(built, root, fs::copy_options::recursive);
    const std::string picture = "Graphics/DialogBox/INFOBOX.png";
    ASSERT_TRUE(fs::exists(root + "/" + picture)) << "the built data lacks " << picture;

    Outcome whole = Run({"--data", root});
    ASSERT_EQ(whole.code, 0) << whole.errors;
    size_t boxesWhole = LinesWith(Log(), "Message box [").size();
    EXPECT_TRUE(LinesWith(Log(), "INFOBOX").empty()) << Log();

    fs::remove(root + "/" + picture);
    Outcome lost = Run({"--data", root});
    ASSERT_TRUE(lost.exited);
    EXPECT_EQ(lost.code, 0);
    EXPECT_EQ(lost.output.rfind("updates=5 ", 0), 0u);
    std::vector<std::string> messages = LinesWith(Log(), "INFOBOX");
    ASSERT_EQ(messages.size(), 1u) << Log();
    EXPECT_NE(messages[0].find("Message box [Image Load Error]"), std::string::npos) << messages[0];
    EXPECT_EQ(LinesWith(Log(), "Message box [").size(), boxesWhole + 1) << Log();
}
}  // namespace
