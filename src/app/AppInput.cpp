// Focus changes, the debug keys, screenshots, and what the gadget tree
// (GadgetHost) needs of the application: cursors, scale, window capture,
// whether the pointer is over the window, the drawing state and the beep.
#include "app/App.h"
#include "core/Log.h"
#include "media/Audio.h"
#include "media/Graphics.h"
#include "media/Keyboard.h"
#include "platform/CrashHandler.h"
#include "platform/Folders.h"

namespace {
// Debug speed keys, in percent of normal speed.
constexpr int32_t kNormalSpeedPercent = 100;
constexpr int32_t kSpeedJumpPercent = 100;   // End
constexpr int32_t kSpeedStepPercent = 10;    // Page Up / Page Down
constexpr int32_t kSlowestSpeedPercent = 10;
// Page Up and Page Down leave the speed a hair above the whole fraction, so
// that the loop's step count does not land exactly on a boundary.
constexpr float kFineSpeedNudge = 0.0002f;
// Screenshots never search past this many numbers.
constexpr int32_t kMaxScreenshotNumber = 1000000;

bool ControlHeld(const Keyboard& keys) { return keys.IsDown(DIK_LCONTROL) || keys.IsDown(DIK_RCONTROL); }
bool AltHeld(const Keyboard& keys) { return keys.IsDown(DIK_LMENU) || keys.IsDown(DIK_RMENU); }
}  // namespace

void App::OnFocusChange(bool active) {
    if (active && !mActive) ResetTiming();  // no catch-up for the time away
    if (active != mActive) {
        if (!active) {
            // Hovers and drags end as if the pointer had left.
            MouseMove(kOffScreen, kOffScreen);
            MouseUp(kOffScreen, kOffScreen, kLeftButton);
        }
        SetServicesActive(active);
        mActive = active;
        if (active) GetKeyboard().Clear();
    }
    // One more frame, so the window shows its inactive state.
    if (!mActive) WindowProcedure(WindowEvent{mWindow.Id(), WindowMessage::Paint, 0, 0});
}

void App::ShowCursorKind(CursorKind kind) {
    switch (kind) {
    case CursorKind::Arrow: SetCursor(mArrowCursor); break;
    case CursorKind::Wait: SetCursor(mWaitCursor); break;
    case CursorKind::Hand: SetCursor(mHandCursor); break;
    case CursorKind::Text: SetCursor(mTextCursor); break;
    case CursorKind::Custom: SetCursor(mCustomCursor); break;
    }
}

void App::BeginGadgetDraw(const Rect& clip, float x, float y) {
    Graphics& graphics = GetGraphics();
    graphics.PushColour();
    // Clips are kept in screen coordinates; the gadget's is in its parent's.
    graphics.PushClip({clip.x + graphics.OffsetX(), clip.y + graphics.OffsetY(), clip.width, clip.height});
    graphics.PushOffset(x, y);
}

void App::EndGadgetDraw() {
    Graphics& graphics = GetGraphics();
    graphics.PopOffset();
    graphics.PopClip();
    graphics.PopColour();
}

void App::ResetDrawColour() { GetGraphics().SetColour(Colour{}); }

bool App::SaveScreen(const String& path) { return GetGraphics().SaveScreenshot(path); }

void App::Beep() { MessageBeep(); }

bool App::IsPointerInWindow() const {
    int32_t x = 0, y = 0;
    if (!mWindow.MousePosition(x, y)) return true;  // unknown: leave the hover alone
    return x >= 0 && y >= 0 && x < mWindow.Width() && y < mWindow.Height();
}

void App::DebugKeys() {
    Keyboard& keys = GetKeyboard();
    if (ControlHeld(keys) && AltHeld(keys) && keys.WasPressed(DIK_Q)) {
        mCheatsEnabled = !mCheatsEnabled;
        Beep();
    }
    if (keys.WasPressed(DIK_F12)) {
        mShowFPS = !mShowFPS;
        mFramesThisSecond = 1;
        Beep();
    }
    if (keys.WasPressed(DIK_F11)) {
        mShowSwaps = !mShowSwaps;
        Beep();
    }
    if (!mCheatsEnabled) return;
    if (keys.WasPressed(DIK_HOME)) {
        mSpeedPercent = kNormalSpeedPercent;
        SetSpeed(1.0f);
        Beep();
    }
    if (keys.WasPressed(DIK_END)) {
        mSpeedPercent += kSpeedJumpPercent;
        SetSpeed(static_cast<float>(mSpeedPercent / 100));
        Beep();
    }
    if (keys.WasPressed(DIK_PRIOR) || keys.WasPressed(DIK_NEXT)) {
        mSpeedPercent += keys.WasPressed(DIK_PRIOR) ? kSpeedStepPercent : -kSpeedStepPercent;
        if (mSpeedPercent < kSlowestSpeedPercent) mSpeedPercent = kSlowestSpeedPercent;
        SetSpeed(static_cast<float>(mSpeedPercent) / 100.0f + kFineSpeedNudge);
        Beep();
    }
    if (ControlHeld(keys) && AltHeld(keys) && keys.WasPressed(DIK_C)) {
        Beep();
        RaiseAccessFault();
    }
    DebugKeysExtra();
}

String App::NextScreenshotPath() const {
    String folder = mDataFolder + "Screenshots/";
    for (int32_t number = 1; number <= kMaxScreenshotNumber; ++number) {
        String path = folder + String::Format("screenshot%d.bmp", number);
        if (!FileExists(path)) return path;
    }
    return String();
}

void App::TakeScreenshot() {
    CreateFolders(mDataFolder + "Screenshots/");
    String path = NextScreenshotPath();
    if (path.IsEmpty() || !SaveScreen(path)) {
        Log::Line("Screenshot could not be written");
        return;
    }
    Beep();
}
