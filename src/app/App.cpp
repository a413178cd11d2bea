#include "app/App.h"

#include "app/InputScriptPlayer.h"
#include "core/Random.h"
#include "media/Graphics.h"
#include "platform/Clock.h"
#include "platform/GameController.h"
#include "platform/System.h"

namespace {
App* gApp = nullptr;

constexpr int32_t kSessionIdLimit = 999999;  // session ids run 1 .. this
}  // namespace

App* GetApp() { return gApp; }

App::App() {
    gApp = this;
    SetObjectHost(this);
    mSessionId = GetRandom().Next(kSessionIdLimit) + 1;
    mStartTime = GetClock().Now();
    mLastDrawTime = mStartTime;
    SetName("Unnamed App");
    mVersion = ".01alpha";
    mCompany = "Korvane";
    mCursorCheckCountdown = kCursorCheckSteps;
    LoadSystemCursors();
    SetCursor(mArrowCursor);
}

App::~App() {
    if (mLoader.joinable()) mLoader.join();
    mMutex.Release();
    mGadgets.Clear();
    StopServices();
    GetGameControllers().Stop();
    mWindow.Destroy();
    FreeQueuedEvents();
    for (CursorHandle cursor : {mArrowCursor, mWaitCursor, mHandCursor, mTextCursor, mCustomCursor, mBlankCursor})
        FreeCursor(cursor);
    if (&GetClock() == &mFastClock) SetClock(nullptr);
    if (GetObjectHost() == this) SetObjectHost(nullptr);
    if (gApp == this) gApp = nullptr;
    mObjects.Clear();
}

void App::SetName(const String& text) {
    mName = text;
    SetTitle(text);
}

void App::SetTitle(const String& text) {
    mTitle = text;
    // The caption shows the title alone from now on, as the window keeps it.
    mWindow.SetTitle(mTitle);
}

void App::Quit() {
    if (mQuit) return;
    // The window stays (hidden) until the graphics service is shut down in
    // the destructor, which still draws into it.
    mWindow.CaptureMouse(false);
    mWindow.Hide();
    mQuit = true;
}

void App::Restart() {
    mRestart = true;
    Quit();
}

void App::SetCursor(CursorHandle cursor) {
    mCursor = mBusyCount > 0 ? mWaitCursor : cursor;
    CursorKind kind = mCursor == mWaitCursor   ? CursorKind::Wait
                      : mCursor == mHandCursor ? CursorKind::Hand
                      : mCursor == mTextCursor ? CursorKind::Text
                      : mCursor == mCustomCursor ? CursorKind::Custom
                                                 : CursorKind::Arrow;
    GetGraphics().SetCursorKind(kind);
    UpdateCursor();
}

void App::UpdateCursor() {
    Graphics& graphics = GetGraphics();
    int32_t x = 0, y = 0;
    bool inside = mWindow.MousePosition(x, y) && x >= 0 && y >= 0 && x < mWindow.Width() && y < mWindow.Height();
    // With custom cursors the graphics service draws the cursor in the frame
    // and the system one is hidden.
    bool drawn = graphics.Settings().customCursors && inside;
    graphics.SetDrawCursor(drawn);
    ShowCursor(drawn ? mBlankCursor : mCursor);
}

bool App::OpenURL(const String& text) {
    MouseUp(kOffScreen, kOffScreen, -1);
    MouseMove(kOffScreen, kOffScreen);
    return OpenUrl(text);
}

void App::Lock(bool on) {
    if (on) mEventLock.lock();
    else mEventLock.unlock();
}

void App::ClearHoverGadget(Gadget* gadget) {
    if (mHoverGadget == gadget) mHoverGadget = nullptr;
}

void App::FreeQueuedEvents() {
    Lock(true);
    mEvents.clear();
    Lock(false);
}
