// The loop: loader thread, timing, update steps and draw passes.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/App.h"
#include "core/Random.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/System.h"

namespace {
constexpr double kMaxAccumulatorMs = 1000;     // catch-up after a stall is capped at this much game time
constexpr float kTicksPerDrawAtSpeedOne = 10;  // loop ticks allowed between draws, times the speed
constexpr uint32_t kFpsPeriodMs = 1000;
constexpr double kLockedBatchShare = 0.75;   // frame-locked: a batch may start this much of a frame early
constexpr double kLockedFrameSlackMs = 0.2;  // frame-locked: extra time taken off per batch
constexpr uint32_t kLockCheckMinMs = 750;    // frame-locked: a check period shorter than this is a strike
constexpr int32_t kLockStrikesToBreak = 3;
constexpr uint32_t kLoaderSleepCapMs = 250;  // longest sleep that leaves the loader processor time
constexpr uint32_t kQuitWaitMs = 1;          // pause per tick while waiting for the loader after Quit
constexpr int32_t kMsPerSecond = 1000;

// True once `now` has reached `moment` (the clock wraps after 49 days).
bool Reached(uint32_t now, uint32_t moment) { return static_cast<int32_t>(now - moment) >= 0; }
}  // namespace

void App::Run() {
    if (mSecondCopy || mNoGameData) return;
    mLoading = true;  // set before the thread starts, so the loop below cannot miss it
    mRandomAtLoadStart = GetRandom();
    // On the virtual clock a run must be the same every time, so loading
    // cannot race the first ticks: it finishes before the loop starts.
    if (mInstance.fast)
        LoaderThread();
    else
        mLoader = std::thread(&App::LoaderThread, this);
    mLastDrawTime = GetClock().Now();
    RaiseThreadPriority(true);
    ResetTiming();
    while (!mQuit || mLoading) {
        Tick();
        if (mQuit && mLoading) GetClock().Sleep(kQuitWaitMs);
    }
    if (mLoader.joinable()) mLoader.join();
}

void App::LoaderThread() {
    mLoading = true;
    mLoaded = false;
    mThrottleForLoader = true;
    LoadResources();
    mThrottleForLoader = false;
    mLoading = false;
    mLoaded = true;
    mLoadFinished = true;
}

void App::ResetTiming() {
    mLastTime = GetClock().Now();
    mLastDrawTime = mLastTime;
    mAccumulator = 0;
    mFraction = 0;
    mTicksSinceDraw = 0;
}

bool App::FrameLocked() const { return mVSyncMode && !mVSyncBroken && Display().fullScreen; }

void App::Tick() {
    // --fast: every tick (the modal loop's too) is one update step of game time.
    if (mInstance.fast && !mQuit) mFastClock.Advance(static_cast<uint32_t>(mUpdateInterval));
    Clock& clock = GetClock();
    const uint32_t tickStart = clock.Now();
    uint32_t slept = 0;

    mSpeed = mTargetSpeed;
    const bool locked = FrameLocked();

    if ((mShowFPS || !mLoaded) && Reached(tickStart, mNextSecond)) {
        if (mShowFPS) std::snprintf(mFPSText, sizeof mFPSText, "%d", mFramesThisSecond);
        mFramesThisSecond = 0;
        mNextSecond = tickStart + kFpsPeriodMs;
    }

    DispatchWindowMessages();

    double frameTime = mUpdateInterval / mSpeed;
    double stepsPerFrame = 1;
    if (locked) {
        int32_t refresh = Display().refreshRate > 0 ? Display().refreshRate : 1;
        frameTime = static_cast<double>(kMsPerSecond) / refresh / mSpeed;
        stepsPerFrame = static_cast<double>(kMsPerSecond) / (mUpdateInterval * refresh);
    }

    if (mQuit) return;

    uint32_t now = clock.Now();
    if (!locked) {
        if (mLastTime != 0) {
            mAccumulator += now - mLastTime;
            if (mAccumulator >= kMaxAccumulatorMs) mAccumulator = kMaxAccumulatorMs;
        }
        mLastTime = now;
    }

    ++mTicksSinceDraw;
    // A headless run on the virtual clock that keeps no screenshot is seen by
    // nobody: it only plays, as fast as the game logic goes.
    const bool unseen = mInstance.fast && IsHeadless() && mInstance.screenshotFile.IsEmpty() && !mScriptPlayer;
    bool mayBatch = unseen || mTicksSinceDraw < std::ceil(mSpeed * kTicksPerDrawAtSpeedOne) || mLoading;
    bool batchDue = locked ? (!mUpdatedSinceDraw || std::floor(kLockedBatchShare * frameTime) <= mAccumulator)
                           : frameTime <= mAccumulator;
    if (mayBatch && batchDue) {
        CheckFrameLock(now);
        UpdateStep();
        mFraction += stepsPerFrame - 1;
        while (mFraction >= 1) {
            UpdateStep();
            mFraction -= 1;
        }
        if (locked) {
            mInUpdate = true;
            FrameStep(static_cast<float>(stepsPerFrame));
            mGadgets.FrameStep(static_cast<float>(stepsPerFrame));
            mInUpdate = false;
            mAccumulator = std::max(0.0, mAccumulator - (frameTime + kLockedFrameSlackMs));
        } else {
            mAccumulator -= frameTime;
        }
        mUpdatedSinceDraw = true;
        if (mInstance.ticks >= 0 && mUpdateCount >= mInstance.ticks && !mQuit) {
            // The last frame is drawn, so a screenshot at exit shows it.
            DrawPass();
            Quit();
        }
    } else {
        mTicksSinceDraw = 0;
        if (mUpdatedSinceDraw) {
            DrawPass();
        } else {
            double wait = std::floor(frameTime - mAccumulator);
            if (wait > 0) {
                clock.Sleep(static_cast<uint32_t>(wait));
                slept += static_cast<uint32_t>(wait);
            }
        }
    }

    if (mThrottleForLoader) {
        int64_t worked = static_cast<int64_t>(clock.Now() - tickStart) - slept;
        int64_t pause = 2 * worked - slept;
        if (pause > kLoaderSleepCapMs)
            clock.Sleep(kLoaderSleepCapMs);
        else if (pause >= 0)
            clock.Sleep(static_cast<uint32_t>(pause));
    }
}

void App::CheckFrameLock(uint32_t now) {
    if (mSpeed != 1.0f || !mVSyncMode) return;
    if (++mVSyncCounter < (mUpdateInterval + 999) / mUpdateInterval) return;
    if (now - mVSyncCheckTime <= kLockCheckMinMs) {
        if (++mVSyncStrikes >= kLockStrikesToBreak) {
            mVSyncBroken = true;
            SetVSyncMode(false);
        }
    } else {
        mVSyncStrikes = 0;
    }
    mVSyncCheckTime = now;
    mVSyncCounter = 0;
}

void App::SetVSyncMode(bool on) {
    mVSyncMode = on;
    ResetTiming();
    if (on) TurnOnDisplayVSync();
}

void App::UpdateStep() {
    FeedInputScript();
    ++mUpdateCount;
    mInUpdate = true;
    Update();
    AfterUpdate();
    mInUpdate = false;
    mInDraw = false;
}

void App::Update() {
    if (mLoadFinished) {
        RaiseThreadPriority(false);
        mLoadFinished = false;
        mLoadedStep = mUpdateCount;
        GetRandom() = mRandomAtLoadStart;
        OnLoadingComplete();
        ReleaseFreedMemory();
    }
    if (--mCursorCheckCountdown <= 0) {
        CheckMouseOutside();
        mCursorCheckCountdown = kCursorCheckSteps;
    }
    ProcessEvents();
    UpdateServices();
    if (mDebugKeysAllowed) DebugKeys();
    mGadgets.Update();
    mObjects.Update();
}

void App::DrawPass() {
    ++mDrawCount;
    mUpdatedSinceDraw = false;
    if (mQuit) return;
    DisplayState display = Display();
    if (display.minimised || (!mActive && display.fullScreen)) return;
    ++mFramesThisSecond;
    if (!display.deviceLost) {
        Lock(true);
        mInUpdate = false;
        mInDraw = true;
        mLastDrawTime = GetClock().Now();
        BeginDraw();
        Draw();
        EndDraw();
        mInUpdate = false;
        mInDraw = false;
        Lock(false);
    }
    PresentFrame();
    mLastDrawTime = GetClock().Now();
}

void App::Draw() {
    DisplayState display = Display();
    if (display.deviceLost || display.minimised || (display.fullScreen && !mActive)) return;
    PreDraw();
    mGadgets.Draw();
    PostDraw();
    DrawDebugLines();
}

void App::DrawDebugLines() {
    constexpr int32_t kDebugX = 5;
    constexpr int32_t kFirstLineY = 5;
    constexpr int32_t kLineHeight = 16;
    int32_t y = kFirstLineY;
    if (mCheatsEnabled) {
        DrawDebugText(kDebugX, y, "Cheats Enabled");
        y += kLineHeight;
        DrawDebugText(kDebugX, y, String::Format("Update: %d%%", static_cast<int32_t>(mSpeed * 100)));
        y += kLineHeight;
    }
    if (mShowFPS) {
        DrawDebugText(kDebugX, y, String::Format("FPS: %s", mFPSText));
        y += kLineHeight;
    }
    if (mShowSwaps) DrawDebugText(kDebugX, y, String::Format("SWAPS: %d", TextureSwapsThisFrame()));
}
