// Construction defaults, the system report and the command line.
#include <gtest/gtest.h>

#include "app/App.h"
#include "app/CommandLine.h"
#include "platform/Clock.h"

namespace {
TEST(AppTest, ConstructionDefaultsAndTheGlobalPointer) {
    EXPECT_EQ(GetApp(), nullptr);
    {
        App app;
        EXPECT_EQ(GetApp(), &app);
        EXPECT_EQ(GetObjectHost(), &app);
        EXPECT_EQ(app.mName, "Unnamed App");
        EXPECT_EQ(app.mTitle, "Unnamed App");
        EXPECT_EQ(app.mVersion, ".01alpha");
        EXPECT_EQ(app.mCompany, "Korvane");
        EXPECT_EQ(app.mUpdateInterval, 10);
        EXPECT_EQ(app.mSpeedPercent, 100);
        EXPECT_EQ(app.mCursorCheckCountdown, 10);
        EXPECT_TRUE(app.mActive);
        EXPECT_TRUE(app.mDebugKeysAllowed);
        EXPECT_FALSE(app.mQuit);
        EXPECT_GE(app.mSessionId, 1);
        EXPECT_LE(app.mSessionId, 999999);
    }
    EXPECT_EQ(GetApp(), nullptr);
    EXPECT_EQ(GetObjectHost(), nullptr);
}

TEST(AppTest, SystemReportKeysInOrder) {
    VirtualClock clock(1000);
    SetClock(&clock);
    {
        App app;
        app.SetName("Plimb Zappets");
        clock.Advance(3723 * 1000 + 999);  // 1 h 2 min 3 s and a bit
        auto report = app.BuildSystemReport();
        const char* keys[] = {"PRODUCT", "VERSION", "RUNTIME", "FULLSCREEN", "SAFEMODE", "RESOLUTION", "OS", "DDRAW"};
        ASSERT_EQ(report.size(), 8u);
        for (size_t i = 0; i < report.size(); ++i) EXPECT_EQ(report[i].first, keys[i]);
        EXPECT_EQ(report[0].second, "Plimb Zappets");
        EXPECT_EQ(report[2].second, "01:02:03");
        EXPECT_EQ(report[3].second, "false");
    }
    SetClock(nullptr);
}

bool Parses(std::initializer_list<const char*> arguments, LaunchOptions* options = nullptr) {
    std::vector<const char*> argv = {"plimb-zappets"};
    argv.insert(argv.end(), arguments);
    CommandLine commandLine;
    bool ok = commandLine.Parse(static_cast<int>(argv.size()), argv.data());
    if (options) *options = commandLine.Options();
    EXPECT_EQ(ok, commandLine.Error().IsEmpty());
    return ok;
}

TEST(CommandLineTest, EverySwitchAndBothValueForms) {
    LaunchOptions o;
    ASSERT_TRUE(Parses({"--headless", "--fast", "--ticks", "300", "--seed=-7", "--user-dir", "/tmp/u", "--data=/d",
                        "-CRASH", "-software", "-hwtest"},
                       &o));
    EXPECT_TRUE(o.headless);
    EXPECT_TRUE(o.fast);
    EXPECT_EQ(o.ticks, 300);
    EXPECT_TRUE(o.hasSeed);
    EXPECT_EQ(o.seed, -7);
    EXPECT_EQ(o.userFolder, "/tmp/u");
    EXPECT_EQ(o.dataFolder, "/d");
    EXPECT_TRUE(o.crash);
    EXPECT_TRUE(o.forceSoftware);
    EXPECT_TRUE(o.hardwareTest);
    EXPECT_FALSE(o.forceHardware);
    EXPECT_EQ(o.commandLine,
              "--headless --fast --ticks 300 --seed=-7 --user-dir /tmp/u --data=/d -CRASH -software -hwtest");
    ASSERT_TRUE(Parses({"--seed", "4294967295"}, &o));
    EXPECT_EQ(o.seed, -1);
    ASSERT_TRUE(Parses({}, &o));
    EXPECT_EQ(o.ticks, -1);
    EXPECT_FALSE(o.hasSeed);
}

TEST(CommandLineTest, HardwareSwitchesAreWholeArgumentsOnly) {
    LaunchOptions o;
    ASSERT_TRUE(Parses({"--user-dir", "/home/p/my-hardware -software", "--data=/games/no-hwtest"}, &o));
    HardwareSwitches none = o.Hardware();
    EXPECT_FALSE(none.hardware || none.software || none.fullTest);
    ASSERT_TRUE(Parses({"-HARDWARE", "-hwtest"}, &o));
    HardwareSwitches given = o.Hardware();
    EXPECT_TRUE(given.hardware);
    EXPECT_FALSE(given.software);
    EXPECT_TRUE(given.fullTest);
}

TEST(CommandLineTest, MalformedCommandLinesAreRefused) {
    EXPECT_FALSE(Parses({"--bogus"}));
    EXPECT_FALSE(Parses({"level1"}));
    EXPECT_FALSE(Parses({"--ticks"}));
    EXPECT_FALSE(Parses({"--ticks", "ten"}));
    EXPECT_FALSE(Parses({"--ticks", "-1"}));
    EXPECT_FALSE(Parses({"--ticks", "12abc"}));
    EXPECT_FALSE(Parses({"--ticks", "99999999999"}));
    EXPECT_FALSE(Parses({"--seed", "4294967296"}));
    EXPECT_FALSE(Parses({"--user-dir="}));
    EXPECT_FALSE(Parses({"--headless=yes"}));
    EXPECT_FALSE(Parses({"--crash"}));
}

TEST(CommandLineTest, UsageNamesEverySwitch) {
    String usage = CommandLine::Usage();
    for (const char* name : {"--headless", "--fast", "--ticks N", "--seed N", "--user-dir DIR", "--data DIR",
                             "--version", "--help", "-crash"})
        EXPECT_TRUE(usage.Contains(name)) << name;
}
}  // namespace
