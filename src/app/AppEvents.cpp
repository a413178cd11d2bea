// The window procedure and the input queue. Input is never handled where it
// arrives: it is queued under the render lock and replayed at the start of
// the next update step, in arrival order.
#include "app/App.h"
#include "platform/WindowMessages.h"

namespace {
constexpr int32_t kLeftButton = -1, kRightButton = 1, kMiddleButton = 0;

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
    case WindowMessage::Char:
        QueueEvent(event.window, message, event.wparam, event.lparam);
        break;
    case WindowMessage::KeyUp:
        if (event.wparam == VirtualKey::Snapshot) TakeScreenshot();
        QueueEvent(event.window, message, event.wparam, event.lparam);
        break;
    case WindowMessage::SysKeyDown:
        if (event.wparam == VirtualKey::Return && mLoaded && !mSwitchingMode) {
            mSwitchingMode = true;
            ToggleFullScreen();
            mSwitchingMode = false;
        }
        break;
    case WindowMessage::SysKeyUp:
        mSwitchingMode = false;
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

void App::QueueEvent(uint32_t window, uint32_t message, uint32_t wparam, uint32_t lparam) {
    if (mQuit) return;
    Lock(true);
    mEvents.Add(new WindowEvent{window, message, wparam, lparam});
    Lock(false);
}

void App::ProcessEvents() {
    while (!mQuit) {
        Lock(true);
        WindowEvent* event = mEvents.IsEmpty() ? nullptr : mEvents.AtAs<WindowEvent>(0);
        if (event) mEvents.RemoveAt(0);
        Lock(false);
        if (!event) return;
        HandleEvent(event->window, event->message, event->wparam, event->lparam);
        delete event;
    }
}

void App::HandleEvent(uint32_t window, uint32_t message, uint32_t wparam, uint32_t lparam) {
    if (mQuit) return;
    mCurrentMessage = message;
    const int32_t x = PointX(lparam), y = PointY(lparam);
    switch (message) {
    case WindowMessage::KeyDown: KeyDown(wparam); break;
    case WindowMessage::KeyUp: KeyUp(wparam); break;
    case WindowMessage::Char: KeyChar(wparam); break;
    case WindowMessage::MouseMove:
        if (mCaptureGadget && (mCaptureCount > 0 || mLeftHeld)) MouseDrag(x, y);
        else MouseMove(x, y);
        break;
    case WindowMessage::LeftButtonDown: MouseDown(x, y, kLeftButton); break;
    case WindowMessage::RightButtonDown: MouseDown(x, y, kRightButton); break;
    case WindowMessage::MiddleButtonDown: MouseDown(x, y, kMiddleButton); break;
    case WindowMessage::LeftButtonUp: MouseUp(x, y, kLeftButton); break;
    case WindowMessage::RightButtonUp: MouseUp(x, y, kRightButton); break;
    case WindowMessage::MiddleButtonUp: MouseUp(x, y, kMiddleButton); break;
    case WindowMessage::LeftButtonDoubleClick: MouseDoubleClick(x, y, kLeftButton); break;
    case WindowMessage::RightButtonDoubleClick: MouseDoubleClick(x, y, kRightButton); break;
    case WindowMessage::MiddleButtonDoubleClick: MouseDoubleClick(x, y, kMiddleButton); break;
    case WindowMessage::MouseWheel: MouseWheel(HighWordSigned(wparam)); break;
    default: break;
    }
    mCurrentMessage = 0;
}
