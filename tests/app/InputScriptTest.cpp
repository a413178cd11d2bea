#include <gtest/gtest.h>

#include "app/InputScript.h"
#include "platform/WindowMessages.h"

namespace {

TEST(InputScript, EveryActionParsesWithItsArguments) {
    InputScript script = InputScript::Parse(
        "seed 12345\n"
        "# a comment line\n"
        "120 move 400 550\n"
        "121 down left\n"
        "122 up right   # trailing comment\n"
        "130 click left 400 550\n"
        "200 key Return\n"
        "205 keydown Right\n"
        "206 key a\n"
        "210 text Tester Two\n"
        "260 keyup Right\n"
        "300 focus lost\n"
        "301 focus gained\n"
        "400 screenshot shots/menu.bmp\n"
        "450 press World 2-1\n"
        "500 close\n");
    ASSERT_TRUE(script.error.empty()) << script.error;
    EXPECT_TRUE(script.hasSeed);
    EXPECT_EQ(script.seed, 12345);
    ASSERT_EQ(script.lines.size(), 14u);
    EXPECT_EQ(script.lines[0].action, ScriptAction::Move);
    EXPECT_EQ(script.lines[0].x, 400);
    EXPECT_EQ(script.lines[0].line, 3);
    EXPECT_EQ(script.lines[2].button, 1);
    EXPECT_EQ(script.lines[4].key, VirtualKey::Return);
    EXPECT_EQ(script.lines[6].key, VirtualKey::LetterA);
    EXPECT_EQ(script.lines[7].text, "Tester Two");
    EXPECT_EQ(script.lines[10].action, ScriptAction::FocusGained);
    EXPECT_EQ(script.lines[11].text, "shots/menu.bmp");
    EXPECT_EQ(script.lines[12].text, "World 2-1");
    EXPECT_EQ(script.lines[13].action, ScriptAction::Close);
}

TEST(InputScript, AMalformedLineNamesItsNumberAndLeavesNothingToPlay) {
    const std::pair<const char*, const char*> cases[] = {
        {"10 move 1\n", "input script 1: move takes two coordinates"},
        {"10 move 1 2\nabc close\n", "input script 2: the tick must be a number"},
        {"10 fly\n", "input script 1: unknown action \"fly\""},
        {"10 down thumb\n", "input script 1: a button must be left, right or middle"},
        {"10 key NoSuchKey\n", "input script 1: unknown key \"NoSuchKey\""},
        {"20 close\n10 close\n", "input script 2: ticks must not go backwards"},
        {"10 close\nseed 4\n", "input script 2: the seed comes once"},
        {"10 press\n", "input script 1: press needs its text"},
        {"10 move 1 99999\n", "input script 1: move takes two coordinates"},
        {"-5 close\n", "input script 1: the tick must be a number"},
        {"10 pad z\n", "input script 1: pad takes a button"},
        {"10 pad a sideways\n", "input script 1: a pad button goes down or up"},
        {"10 pad axis rightx 5\n", "input script 1: a pad axis must be leftx or lefty"},
        {"10 pad axis leftx 40000\n", "input script 1: a pad axis value must be"},
    };
    for (const auto& [text, error] : cases) {
        InputScript script = InputScript::Parse(text);
        EXPECT_EQ(script.error.rfind(error, 0), 0u) << text << " gave: " << script.error;
        EXPECT_TRUE(script.lines.empty());
    }
}

TEST(InputScript, FormattedLinesParseBackToTheSameEvents) {
    InputScript script = InputScript::Parse(
        "5 move -3 700\n6 down middle\n7 keydown Left\n8 text x\n9 focus lost\n"
        "10 pad start\n11 pad left down\n12 pad LEFT up\n13 pad axis lefty -32768\n");
    ASSERT_TRUE(script.error.empty());
    std::string again;
    for (const ScriptLine& line : script.lines) again += FormatScriptLine(line) + "\n";
    InputScript reparsed = InputScript::Parse(again);
    ASSERT_EQ(reparsed.lines.size(), script.lines.size()) << again << reparsed.error;
    for (size_t i = 0; i < script.lines.size(); ++i) {
        EXPECT_EQ(reparsed.lines[i].action, script.lines[i].action);
        EXPECT_EQ(reparsed.lines[i].tick, script.lines[i].tick);
        EXPECT_EQ(reparsed.lines[i].x, script.lines[i].x) << again;
        EXPECT_EQ(reparsed.lines[i].key, script.lines[i].key);
        EXPECT_EQ(reparsed.lines[i].text, script.lines[i].text);
    }
}

TEST(InputScript, AMissingFileIsAnError) {
    InputScript script = InputScript::Load("/nonexistent/script.txt");
    EXPECT_FALSE(script.error.empty());
}

}  // namespace
