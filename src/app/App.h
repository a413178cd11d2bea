#pragma once
// The application: owns the program window, runs the fixed-rate update loop
// (100 steps of 10 ms game time per second) and the separate draw pass,
// queues window input and replays it to the gadget tree, tracks focus, keeps
// the per-user data folder and shuts everything down in order. A game derives
// one class from it and overrides a handful of the virtual operations.
//
// The files: App.cpp (construction, shutdown, small operations),
// AppSetup.cpp (Initialize and the window), AppLoop.cpp (Run, Tick, update
// and draw), AppEvents.cpp (window procedure and input queue), AppInput.cpp
// (mouse, keyboard and focus routing), AppReport.cpp (system report).

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "app/LaunchOptions.h"
#include "core/List.h"
#include "core/ObjectHost.h"
#include "core/ObjectManager.h"
#include "core/Random.h"
#include "core/String.h"
#include "platform/Clock.h"
#include "platform/Cursor.h"
#include "platform/SingleInstance.h"
#include "platform/Window.h"
#include "platform/WindowMessages.h"
#include "ui/GadgetHost.h"

class InputRecorder;
class InputScriptPlayer;

// The gadget tree, the mouse, capture, hover, focus and wheel state and the
// routing of replayed input come from GadgetHost.
class App : public ObjectHost, public GadgetHost {
public:
    static constexpr int32_t kCursorCheckSteps = 10;  // update steps between mouse-outside checks

    App();
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Virtual operations, in slot order.
    virtual void Update();
    virtual void AfterUpdate() {}
    virtual void BeginDraw();
    virtual void Draw();
    virtual void EndDraw();
    virtual void PreDraw() {}
    virtual void PostDraw() {}
    virtual void Initialize(const LaunchOptions& launch);
    virtual void SetName(const String& text);
    virtual void SetTitle(const String& text);
    virtual void SetVersion(const String& text) { mVersion = text; }
    virtual void CreateCursors();
    virtual void Quit();
    virtual void CreateAppWindow();
    virtual void SetCursor(CursorHandle cursor);
    virtual void UpdateCursor();
    virtual void OnFocusChange(bool active);
    virtual void LoadResources() {}  // runs on the loader thread
    virtual void OnLoadingComplete() {}
    // MouseMove, MouseDrag, MouseDown, MouseDoubleClick, MouseUp, MouseWheel,
    // CancelMouse, KeyDown, KeyUp and KeyChar: GadgetHost.
    virtual bool OpenURL(const String& text);
    // True claims the message: the window procedure then does nothing else with it.
    virtual bool HandleWindowMessage(uint32_t window, uint32_t message, uint32_t wparam, uint32_t lparam) {
        return false;
    }
    virtual String GetExtendedInfo() { return String(); }
    virtual void Restart();
    virtual void ProcessEvents();
    // HandleEvent: GadgetHost.
    virtual void DebugKeys();
    virtual void DebugKeysExtra() {}
    virtual void FrameStep(float steps) {}
    virtual void SetupFolders();

    // The loop.
    void Run();
    void Tick();
    void ResetTiming();
    void SetSpeed(float factor) { mTargetSpeed = factor; }
    void SetVSyncMode(bool on);
    void QueueEvent(uint32_t window, uint32_t message, uint32_t wparam, uint32_t lparam);
    // Enters (true) or leaves (false) the render lock.
    void Lock(bool on);
    String GetDataFolder() const { return mDataFolder; }
    String GetConfigPath() const { return mConfigPath; }
    // Game data root ("Graphics", "Sounds", ... live there), ending with '/'.
    String GetDataRoot() const { return mDataRoot; }
    // Writes the screen to the first free "Screenshots/screenshot%d.bmp" of
    // the data folder.
    void TakeScreenshot();
    // That path; empty when every number is taken.
    String NextScreenshotPath() const;
    // (key, text) pairs for the crash report.
    std::vector<std::pair<String, String>> BuildSystemReport();
    void SetHoverGadget(Gadget* gadget) { mHoverGadget = gadget; }
    void ClearHoverGadget(Gadget* gadget);
    // The window procedure: every translated window message passes here.
    void WindowProcedure(const WindowEvent& event);
    // Input made during an update step on the player's behalf (the bot of a
    // recorded session): handled in this step, so recorded as input that
    // came just before it.
    void InjectInput(const WindowEvent& event);
    // True when Initialize met a running copy: the entry point exits 0 at once.
    bool IsSecondCopy() const { return mSecondCopy; }

    // ObjectHost
    int32_t TakeNextObjectId() override { return mNextObjectId++; }
    int32_t UpdateCount() const override { return mUpdateCount; }

    // GadgetHost
    bool IsQuitting() const override { return mQuit; }
    void RunLoopIteration() override { Tick(); }
    void ShowCursorKind(CursorKind kind) override;
    void SetWindowMouseCapture(bool on) override { mWindow.CaptureMouse(on); }
    bool IsPointerInWindow() const override;
    void Beep() override;
    void BeginGadgetDraw(const Rect& clip, float x, float y) override;
    void EndGadgetDraw() override;
    void ResetDrawColour() override;

    // Fields, in the framework's declaration order.
    std::atomic<bool> mLoading{false};  // written by the loader thread
    std::atomic<bool> mQuit{false};     // the loader's work may read it as a stop request
    bool mShowSwaps = false;
    int32_t mUpdateCount = 0;
    int32_t mDrawCount = 0;
    uint32_t mStartTime = 0;
    std::atomic<bool> mThrottleForLoader{false};
    bool mShowFPS = false;
    int32_t mFramesThisSecond = 0;
    char mFPSText[16] = {};
    String mName;
    String mVersion;
    String mCompany;
    String mTitle;
    bool mActive = true;
    LaunchOptions mInstance;  // what the process was started with
    Window mWindow;
    CursorHandle mCursor = nullptr;
    CursorHandle mArrowCursor = nullptr;
    CursorHandle mWaitCursor = nullptr;
    CursorHandle mHandCursor = nullptr;
    CursorHandle mTextCursor = nullptr;
    CursorHandle mCustomCursor = nullptr;
    CursorHandle mBlankCursor = nullptr;
    int32_t mBusyCount = 0;
    int32_t mNextObjectId = 0;
    std::atomic<bool> mLoaded{false};
    std::atomic<bool> mLoadFinished{false};
    // mGadgets: GadgetHost.
    ObjectManager mObjects;
    bool mInUpdate = false;
    bool mInDraw = false;
    // The mouse state (mMouseX ... mFocusGadget): GadgetHost.
    int32_t mCursorCheckCountdown = 0;
    bool mRestart = false;
    bool mSwitchingMode = false;
    uint32_t mLastDrawTime = 0;
    // Window input waiting for the next update step, oldest first. A deque:
    // replay takes from the front, and a flood of events must not cost a
    // move of the whole queue per event.
    std::deque<WindowEvent> mEvents;
    std::recursive_mutex mEventLock;
    float mSpeed = 1.0f;
    float mTargetSpeed = 1.0f;
    int32_t mSpeedPercent = 100;
    bool mDebugKeysAllowed = true;
    bool mCheatsEnabled = false;
    bool mUseCache = false;
    bool mFramedWindow = false;
    String mCommandLine;
    int32_t mSessionId = 0;
    SingleInstance mMutex;
    uint32_t mNotifyMessage = 0;
    bool mVSyncMode = false;
    uint32_t mLastTime = 0;
    double mAccumulator = 0;
    int32_t mUpdateInterval = 10;
    int32_t mTicksSinceDraw = 0;
    bool mUpdatedSinceDraw = false;
    double mFraction = 0;
    bool mVSyncBroken = false;
    int32_t mVSyncStrikes = 0;
    uint32_t mVSyncCheckTime = 0;
    int32_t mVSyncCounter = 0;
    String mDataFolder;
    String mConfigPath;
    String mDataRoot;
    // What the process ends with: 0, or the code of a failed input script.
    int32_t mExitCode = 0;

protected:
    friend class InputScriptPlayer;  // draws a frame for a script's screenshot
    void UpdateStep();
    void DrawPass();

private:
    // What the loop needs of the graphics, audio and input services; all of
    // it lives in AppServices.cpp.
    struct DisplayState {
        bool ready = false;       // the graphics service has a device
        bool fullScreen = false;
        bool deviceLost = false;
        bool minimised = false;
        int32_t refreshRate = 0;  // frames per second of the display
        bool safeMode = false;    // software rendering
        int32_t width = 0, height = 0, colourDepth = 0;  // the display mode
    };
    DisplayState Display() const;
    bool StartServices();  // false when graphics could not start
    void UpdateServices();
    void StopServices();
    void PresentFrame();
    void DrawDebugText(int32_t x, int32_t y, const String& text);
    int32_t TextureSwapsThisFrame() const;
    void ToggleFullScreen();
    // Full screen <-> windowed, once loaded and not already switching.
    bool SwitchDisplayMode();
    // The audio and graphics services follow the window's focus.
    void SetServicesActive(bool active);
    bool SaveScreen(const String& path);
    void TurnOnDisplayVSync();

    void LoadSystemCursors();
    void LoaderThread();
    // The window procedure after the recording.
    void HandleWindowEvent(const WindowEvent& event);
    void DispatchWindowMessages();
    void CheckFrameLock(uint32_t now);
    void CheckImageCache();
    bool FindDataRoot();
    void FreeQueuedEvents();
    bool FrameLocked() const;
    void DrawDebugLines();

    // Reads --input and --record; false (and an exit code) for a bad script.
    bool StartInputScript();
    void FeedInputScript();
    // Scripts and recordings count update steps from the one in which loading
    // finished (the first on the virtual clock, where loading ends before the
    // loop), so that a session recorded on any machine replays the same on
    // any other: the step a script's line is fed before; -1 while loading.
    int32_t ScriptTick() const;

    int32_t mLoadedStep = 0;  // the update step in which loading finished; 0 before
    // The generator as loading began: the title screen draws from it while it
    // waits, as often as the machine is slow, and play must not inherit that.
    Random mRandomAtLoadStart;
    std::unique_ptr<InputScriptPlayer> mScriptPlayer;
    std::unique_ptr<InputRecorder> mRecorder;
    std::thread mLoader;
    VirtualClock mFastClock{1};  // --fast: one update step of time per loop tick
    uint32_t mNextSecond = 0;
    bool mSecondCopy = false;
    bool mNoGameData = false;  // no data root: Initialize stopped and Run never starts
    bool mWindowCreatedOnce = false;
};

// The running application; null outside its lifetime.
App* GetApp();
