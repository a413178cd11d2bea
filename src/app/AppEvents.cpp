// The window procedure and the input queue. Input is never handled where it
// arrives: it is queued under the render lock and replayed at the start of
// the next update step, in arrival order.
#include <algorithm>

#include "app/App.h"
#include "app/InputScriptPlayer.h"
#include "core/Log.h"
#include "media/Keyboard.h"
#include "platform/WindowMessages.h"

namespace {
constexpr uint32_t kFullScreenKey = VirtualKey::F1 + 10;  // F11, as Alt+Enter

bool IsPointerInput(uint32_t message) {
    switch (message) {
    case WindowMessage::MouseMove:
    case WindowMessage::LeftButtonUp:
    case WindowMessage::RightButtonUp:
    case WindowMessage::MiddleButtonUp:
    case WindowMessage::LeftButtonDoubleClick:
    case WindowMessage::RightButtonDoubleClick:
    case WindowMessage::MiddleButtonDoubleClick:
    case WindowMessage::MouseWheel:
        return true;
    default:
        return false;
    }
}

bool IsButtonDown(uint32_t message) {
    return message == WindowMessage::LeftButtonDown || message == WindowMessage::RightButtonDown ||
           message == WindowMessage::MiddleButtonDown;
}
}  // namespace

void App::DispatchWindowMessages() {
    if (mMutex.TakeNotify()) WindowProcedure(WindowEvent{mWindow.Id(), mNotifyMessage, 0, 0});
    WindowEvent event;
    while (!mQuit && mWindow.PollEvent(event)) WindowProcedure(event);
}

void App::WindowProcedure(const WindowEvent& event) {
    // Input while loading replays as soon as loading is over.
    if (mRecorder) mRecorder->Record(std::max(ScriptTick(), 0), event, MouseScaleX(), MouseScaleY());
    HandleWindowEvent(event);
}

void App::InjectInput(const WindowEvent& event) {
    if (mRecorder) mRecorder->Record(std::max(ScriptTick() - 1, 0), event, MouseScaleX(), MouseScaleY());
    HandleWindowEvent(event);
}

void App::HandleWindowEvent(const WindowEvent& event) {
    const uint32_t message = event.message;
    if (HandleWindowMessage(event.window, message, event.wparam, event.lparam)) return;
    if (message == mNotifyMessage && mNotifyMessage != 0) {
        mWindow.Raise();
        return;
    }
    switch (message) {
    case WindowMessage::Activate:
        if (Display().ready && !mQuit) OnFocusChange(event.wparam != ActivateInactive);
        break;
    case WindowMessage::ActivateApp:
        if (!mQuit) OnFocusChange(event.wparam != 0);
        break;
    case WindowMessage::Paint: {
        DisplayState display = Display();
        if (!display.ready || display.minimised || display.deviceLost || mQuit) break;
        Lock(true);
        BeginDraw();
        Draw();
        EndDraw();
        PresentFrame();
        Lock(false);
        break;
    }
    case WindowMessage::Close:
    case WindowMessage::EndSession:
        Quit();
        break;
    case WindowMessage::KeyDown:
        if (event.wparam == kFullScreenKey && !(event.lparam & KeyFlags::WasDown) && !SwitchDisplayMode()) Beep();
        QueueEvent(event.window, message, event.wparam, event.lparam);
        break;
    case WindowMessage::Char:
    case WindowMessage::PadButtonDown:
    case WindowMessage::PadButtonUp:
    case WindowMessage::PadAxisMotion: QueueEvent(event.window, message, event.wparam, event.lparam); break;
    case WindowMessage::KeyUp:
        if (event.wparam == VirtualKey::Snapshot) {
            // There is no picture clipboard to copy to: without Ctrl the
            // screen goes to a file as well.
            if (!GetKeyboard().IsDown(DIK_LCONTROL) && !GetKeyboard().IsDown(DIK_RCONTROL))
                Log::Line("Print Screen: no picture clipboard, saving a screenshot instead");
            TakeScreenshot();
        }
        QueueEvent(event.window, message, event.wparam, event.lparam);
        break;
    case WindowMessage::SysKeyDown:
        if (event.wparam == VirtualKey::Return) SwitchDisplayMode();
        break;
    case WindowMessage::SysKeyUp:
        mSwitchingMode = false;
        break;
    case WindowMessage::SysCommand:
        // Maximising means full screen; refused while loading or switching.
        if (event.wparam == SysCommand::Maximize && !SwitchDisplayMode()) Beep();
        break;
    default:
        if (IsPointerInput(message)) {
            if (!mActive) break;
            if (mWindow.HasMouseCapture()) UpdateCursor();
            QueueEvent(event.window, message, event.wparam, event.lparam);
        } else if (IsButtonDown(message)) {
            if (mActive) QueueEvent(event.window, message, event.wparam, event.lparam);
            else OnFocusChange(true);
        }
        break;
    }
}

bool App::SwitchDisplayMode() {
    if (!mLoaded || mSwitchingMode) return false;
    mSwitchingMode = true;
    ToggleFullScreen();
    mSwitchingMode = false;
    return true;
}

void App::QueueEvent(uint32_t window, uint32_t message, uint32_t wparam, uint32_t lparam) {
    if (mQuit) return;
    Lock(true);
    mEvents.push_back(WindowEvent{window, message, wparam, lparam});
    Lock(false);
}

void App::ProcessEvents() {
    while (!mQuit) {
        Lock(true);
        bool empty = mEvents.empty();
        WindowEvent event{};
        if (!empty) {
            event = mEvents.front();
            mEvents.pop_front();
        }
        Lock(false);
        if (empty) return;
        HandleEvent(event.window, event.message, event.wparam, event.lparam);
    }
}
