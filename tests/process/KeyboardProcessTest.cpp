// The game without a mouse, through the real program: every screen walked
// and its buttons pressed by scripted keys alone, a game won by the bot
// steering with keys, and the pad driving the menus and the launcher.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "process/BuiltGameTest.h"
#include "support/TempDir.h"

namespace {

// A script built a step at a time: each line some ticks after the last.
class KeyScript {
public:
    KeyScript& After(int32_t ticks, const std::string& action) {
        tick += ticks;
        text += std::to_string(tick) + " " + action + "\n";
        return *this;
    }
    KeyScript& Key(const std::string& name, int32_t times = 1) {
        for (int32_t i = 0; i < times; ++i) After(kKeyGap, "key " + name);
        return *this;
    }
    // Tab `times` from nothing lit, then Enter.
    KeyScript& Choose(int32_t times) { return Key("Tab", times).Key("Return"); }
    KeyScript& Wait(int32_t ticks) {
        tick += ticks;
        return *this;
    }
    const std::string& Text() const { return text; }

    static constexpr int32_t kKeyGap = 10;
    static constexpr int32_t kScreenChange = 300;  // ticks for a transition to finish

private:
    int32_t tick = 0;
    std::string text;
};

class KeyboardProcessTest : public BuiltGameTest {
protected:
};

TEST_F(KeyboardProcessTest, EveryScreenIsWalkedAndItsButtonsPressedByKeysAlone) {
    KeyScript walk;
    walk.After(10, "key Return")  // the title's play button takes Enter
        .Wait(KeyScript::kScreenChange)
        .After(0, "text Ann")
        .Key("Return")  // the first profile
        .Wait(KeyScript::kScreenChange)
        .Choose(6)  // Options
        .Wait(KeyScript::kScreenChange)
        .Key("Tab", 3)
        .Key("Right")  // the sound volume steps down from its right end ... and back
        .Key("Left")
        .Key("Right")
        .Key("Escape")  // Done
        .Wait(KeyScript::kScreenChange)
        .Choose(4)  // High scores
        .Wait(KeyScript::kScreenChange)
        .Key("Tab", 2)
        .Key("Return")  // the statistics page
        .Wait(KeyScript::kScreenChange)
        .Key("Escape")  // back to the main menu
        .Wait(KeyScript::kScreenChange)
        .Choose(5)  // the profiles
        .Wait(KeyScript::kScreenChange)
        .Choose(1)      // create one ...
        .Key("Escape")  // ... or not
        .Key("Escape")  // and out
        .Wait(KeyScript::kScreenChange)
        .Choose(2)  // a new game
        .Wait(KeyScript::kScreenChange)
        .Key("Right")
        .Key("Return")  // the normal play style
        .Wait(2 * KeyScript::kScreenChange)
        .Choose(1)  // the first door
        .Wait(2 * KeyScript::kScreenChange)
        .After(0, "keydown Right")
        .After(30, "keyup Right")
        .Key("Space")
        .Key("Escape")  // the in-game menu
        .Wait(KeyScript::kScreenChange)
        .Choose(4)  // its options
        .Wait(KeyScript::kScreenChange)
        .Key("Escape")  // Done
        .Key("Escape")  // back to the game
        .Key("P", 2)    // a pause and on
        .Key("Escape")  // the menu again
        .Choose(3)      // back to the main menu
        .Wait(2 * KeyScript::kScreenChange)
        .Choose(3)  // resume the journey
        .Wait(2 * KeyScript::kScreenChange)
        .Key("Escape")
        .Choose(2)  // back to the temple
        .Wait(2 * KeyScript::kScreenChange)
        .Key("Escape")  // its main-menu button
        .Wait(KeyScript::kScreenChange)
        .Choose(2)  // a new game over the saved one asks first
        .Wait(KeyScript::kScreenChange)
        .Key("Escape")  // no
        .Wait(KeyScript::kScreenChange)
        .Choose(1);  // the way out
    Outcome outcome = Run("walk", {"--input", Script("walk.txt", walk.Text()), "--ticks", "20000"});
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0);
    std::string log = Log("walk");
    std::vector<std::string> expected = {"Screen: TitleScreen",    "Screen: MainMenu",       "Screen: UserMenu",
                                         "Screen: OptionsMenu",    "Screen: HSMenu",         "Screen: MainMenu",
                                         "Screen: UserMenu",       "Screen: DifficultyMenu", "Screen: Game",
                                         "Screen: OptionsMenu",    "Screen: MainMenu",       "Screen: Game",
                                         "Screen: DifficultyMenu", "Screen: MainMenu"};
    EXPECT_EQ(ScreenLines(log), expected) << log;
    EXPECT_TRUE(Has(log, "Message: ")) << "the new game's question";
    // The screen saver waits while a level is played and only then.
    EXPECT_TRUE(Has(log, "Screen saver held off")) << log;
    size_t allowed = log.rfind("Screen saver allowed");
    ASSERT_NE(allowed, std::string::npos);
    EXPECT_GT(allowed, log.rfind("Screen saver held off"));
}

TEST_F(KeyboardProcessTest, TheBotWinsALevelSteeringWithKeysAlone) {
    std::string recording = scratch.File("keys.txt");
    Outcome outcome =
        Run("bot", {"--level", "Blue", "--autoplay-keys", "--seed", "1", "--record", recording, "--ticks", "40000"});
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0);
    EXPECT_TRUE(Has(outcome.output, "outcome=won")) << outcome.output;
    std::ifstream file(recording);
    std::string keys((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(Has(keys, "keydown Left"));
    EXPECT_TRUE(Has(keys, "keydown Right"));
    EXPECT_TRUE(Has(keys, "keydown Space"));
    EXPECT_FALSE(Has(keys, " down left")) << "no mouse button";
    EXPECT_FALSE(Has(keys, " move ")) << "no pointer";
}

TEST_F(KeyboardProcessTest, ThePadDrivesTheMenusAndTheLauncher) {
    KeyScript pad;
    auto press = [&pad](const char* button, int32_t times) {
        for (int32_t i = 0; i < times; ++i) pad.After(KeyScript::kKeyGap, std::string("pad ") + button);
    };
    pad.After(10, "pad a");  // the title
    pad.Wait(KeyScript::kScreenChange);
    // The first-run prompt: down past the field and its button to the letters' second row.
    press("down", 4);
    press("a", 2);
    press("up", 1);
    press("a", 1);
    pad.After(KeyScript::kKeyGap, "screenshot " + scratch.File("letters.bmp"));
    press("down", 1);
    press("right", 16);  // the second row's last key, OK
    press("a", 1);
    pad.Wait(KeyScript::kScreenChange);
    press("up", 3);  // the main menu's exit button, from wherever the highlight was
    press("left", 2);
    press("a", 1);  // a new game
    pad.Wait(KeyScript::kScreenChange);
    press("left", 2);
    press("right", 1);
    press("a", 1);  // the normal play style
    pad.Wait(2 * KeyScript::kScreenChange);
    press("up", 1);
    press("a", 1);  // the first door
    pad.Wait(2 * KeyScript::kScreenChange);
    pad.After(0, "pad axis leftx 32767").After(40, "pad axis leftx 0");
    press("a", 1);      // fire
    press("start", 1);  // the in-game menu
    press("b", 1);      // back to the game
    press("start", 1);
    press("down", 1);
    press("right", 1);
    press("a", 1);  // back to the main menu
    pad.Wait(2 * KeyScript::kScreenChange).After(0, "close");
    Outcome outcome = Run("pad", {"--input", Script("pad.txt", pad.Text()), "--ticks", "20000"});
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0);
    std::string log = Log("pad");
    std::vector<std::string> expected = {"Screen: TitleScreen",    "Screen: MainMenu", "Screen: UserMenu",
                                         "Screen: DifficultyMenu", "Screen: Game",     "Screen: MainMenu"};
    EXPECT_EQ(ScreenLines(log), expected) << log;
    EXPECT_TRUE(Has(user.Read("pad/config.cfg"), "Profiles=")) << "a profile spelt on the letters";
}

}  // namespace
