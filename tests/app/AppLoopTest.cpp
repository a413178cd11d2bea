// The loop's timing on a virtual clock: step rate, catch-up after a stall,
// draws after batches, and the wait for the loader after Quit.
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <string>
#include <thread>

#include "app/App.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/QuitSignals.h"

namespace {
constexpr uint32_t kClockStart = 5000;  // any non-zero time: zero means "never advanced"

// Records the order of update steps ('U') and draws ('D').
class RecordingApp : public App {
public:
    void Update() override {
        trace += 'U';
        App::Update();
    }
    void Draw() override {
        trace += 'D';
        App::Draw();
    }
    std::string trace;
};

class AppLoopTest : public ::testing::Test {
protected:
    AppLoopTest() : clock(kClockStart) { SetClock(&clock); }
    ~AppLoopTest() override { SetClock(nullptr); }

    // Ticks until the virtual clock has moved `ms` further.
    void RunFor(App& app, uint32_t ms) {
        uint32_t end = clock.Now() + ms;
        while (static_cast<int32_t>(clock.Now() - end) < 0) app.Tick();
    }

    VirtualClock clock;
};

// Longest run of update steps without a draw in between.
size_t LongestBatch(const std::string& trace) {
    size_t longest = 0, run = 0;
    for (char c : trace) {
        run = c == 'U' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

TEST_F(AppLoopTest, HundredStepsPerSecondEachFollowedByADraw) {
    RecordingApp app;
    app.ResetTiming();
    RunFor(app, 500);
    int32_t before = app.mUpdateCount;
    uint64_t sleptBefore = clock.TotalSlept();
    RunFor(app, 1000);
    EXPECT_EQ(app.mUpdateCount - before, 100);
    EXPECT_EQ(app.trace.find("UU"), std::string::npos);  // every batch is drawn before the next
    EXPECT_EQ(app.mDrawCount, app.mUpdateCount);
    // The loop sleeps rather than spins: all of that second was slept.
    EXPECT_EQ(clock.TotalSlept() - sleptBefore, 1000u);
}

TEST_F(AppLoopTest, StallCatchesUpAtMostOneSecond) {
    RecordingApp app;
    app.ResetTiming();
    RunFor(app, 100);
    int32_t before = app.mUpdateCount;
    clock.Advance(5000);  // the window was dragged for five seconds
    RunFor(app, 300);
    int32_t caughtUp = app.mUpdateCount - before;
    // 1000 ms of owed time plus the 300 ms that passed afterwards.
    EXPECT_GE(caughtUp, 100);
    EXPECT_LE(caughtUp, 130);
    // Catching up still draws: at most ceil(speed x 10) - 1 steps per batch.
    EXPECT_LE(LongestBatch(app.trace), 9u);
    EXPECT_LE(app.mAccumulator, 10.0);
}

TEST_F(AppLoopTest, SpeedFactorScalesTheStepRate) {
    RecordingApp app;
    app.SetSpeed(2.0f);
    app.ResetTiming();
    RunFor(app, 1000);
    EXPECT_GE(app.mUpdateCount, 199);
    EXPECT_LE(app.mUpdateCount, 200);
}

TEST_F(AppLoopTest, TickLimitQuitsAfterDrawingTheLastFrame) {
    RecordingApp app;
    app.mInstance.ticks = 25;
    app.ResetTiming();
    while (!app.mQuit) app.Tick();
    EXPECT_EQ(app.mUpdateCount, 25);
    EXPECT_EQ(app.trace.back(), 'D');
}

TEST_F(AppLoopTest, UnseenFastRunsDrawOnlyTheLastFrame) {
    // Headless on the virtual clock: updates run back to back, and only the
    // frame a tick limit ends on is drawn. A screenshot brings the draws back.
    SetHeadless(true);
    for (bool screenshot : {false, true}) {
        RecordingApp app;
        app.mInstance.fast = true;
        app.mInstance.ticks = 300;
        if (screenshot) app.mInstance.screenshotFile = "shot.bmp";
        app.ResetTiming();
        while (!app.mQuit) {
            clock.Advance(static_cast<uint32_t>(app.mUpdateInterval));
            app.Tick();
        }
        EXPECT_EQ(app.mUpdateCount, 300);
        if (screenshot) {
            EXPECT_LE(LongestBatch(app.trace), 9u);
        } else {
            EXPECT_EQ(app.trace, std::string(300, 'U') + "D");
        }
    }
    SetHeadless(false);
}

// A loader that works until the test lets it finish, counting the loop's
// pauses after Quit.
class SlowLoaderApp : public App {
public:
    void LoadResources() override {
        while (!release) std::this_thread::yield();
        loaderDone = true;
    }
    void AfterUpdate() override {
        if (mUpdateCount == 20) Quit();
    }
    void OnLoadingComplete() override { completed = true; }
    std::atomic<bool> release{false};
    std::atomic<bool> loaderDone{false};
    bool completed = false;
};

class CountingClock : public VirtualClock {
public:
    using VirtualClock::VirtualClock;
    void Sleep(uint32_t ms) override {
        VirtualClock::Sleep(ms);
        if (app && app->mQuit && ++sleepsAfterQuit == 50) app->release = true;
    }
    SlowLoaderApp* app = nullptr;
    int sleepsAfterQuit = 0;
};

TEST(AppLoaderTest, LoopKeepsTickingAfterQuitUntilTheLoaderReturns) {
    CountingClock clock(kClockStart);
    SetClock(&clock);
    {
        SlowLoaderApp app;
        clock.app = &app;
        app.Run();
        EXPECT_TRUE(app.loaderDone);
        EXPECT_TRUE(app.mQuit);
        EXPECT_FALSE(app.mLoading);
        EXPECT_GE(clock.sleepsAfterQuit, 50);
        EXPECT_EQ(app.mUpdateCount, 20);  // nothing is updated after Quit
        EXPECT_FALSE(app.completed);      // nor completed
    }
    SetClock(nullptr);
}

class QuickLoaderApp : public App {
public:
    void OnLoadingComplete() override {
        completedAtStep = mUpdateCount;
        Quit();
    }
    int32_t completedAtStep = -1;
};

TEST_F(AppLoopTest, LoadingCompletesOnTheMainThreadInAnUpdateStep) {
    QuickLoaderApp app;
    app.Run();
    EXPECT_GE(app.completedAtStep, 1);
    EXPECT_TRUE(app.mLoaded);
    EXPECT_FALSE(app.mLoadFinished);
}

class SignalledApp : public App {
public:
    void AfterUpdate() override {
        if (mUpdateCount == 5) std::raise(SIGTERM);
    }
};

TEST_F(AppLoopTest, TerminationSignalQuitsCleanlyAtTheNextTick) {
    InstallQuitSignals();
    SignalledApp app;
    app.Run();
    EXPECT_TRUE(app.mQuit);
    EXPECT_EQ(app.mUpdateCount, 5);
}
}  // namespace
