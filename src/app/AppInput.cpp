// Mouse, keyboard and focus routing to the gadget tree. The routing itself
// (capture, hover, drags, keyboard focus) arrives with the gadget tree; until
// then the application keeps the mouse state and the capture count.
#include "app/App.h"

void App::OnFocusChange(bool active) {
    if (active && !mActive) ResetTiming();  // no catch-up for the time away
    if (active != mActive) {
        if (!active) {
            MouseMove(kOffScreen, kOffScreen);
            MouseUp(kOffScreen, kOffScreen, -1);
        }
        mActive = active;
    }
    // One more frame, so the window shows its inactive state.
    if (!mActive) WindowProcedure(WindowEvent{mWindow.Id(), WindowMessage::Paint, 0, 0});
}

void App::MouseMove(int32_t x, int32_t y) {
    mPrevMouseX = mMouseX;
    mPrevMouseY = mMouseY;
    mMouseX = static_cast<float>(x);
    mMouseY = static_cast<float>(y);
}

void App::MouseDrag(int32_t x, int32_t y) { MouseMove(x, y); }

void App::MouseDown(int32_t x, int32_t y, int32_t button) {
    MouseMove(x, y);
    ++mCaptureCount;
    mWindow.CaptureMouse(true);
}

void App::MouseDoubleClick(int32_t x, int32_t y, int32_t button) { MouseDown(x, y, button); }

void App::MouseUp(int32_t x, int32_t y, int32_t button) {
    MouseMove(x, y);
    if (--mCaptureCount <= 0) {
        mCaptureCount = 0;
        mWindow.CaptureMouse(false);
    }
}

void App::MouseWheel(int32_t delta) {}

void App::CancelMouse() {
    mCancellingMouse = true;
    MouseUp(kOffScreen, kOffScreen, -1);
    mCancellingMouse = false;
    mCaptureGadget = nullptr;
    mLeftHeld = false;
    mCaptureCount = 0;
    mWindow.CaptureMouse(false);
}

void App::KeyDown(uint32_t key) {}

void App::KeyUp(uint32_t key) {}

void App::KeyChar(uint32_t ch) {}

void App::CheckMouseOutside() {
    int32_t x = 0, y = 0;
    if (!mHoverGadget || !mWindow.MousePosition(x, y)) return;
    if (x < 0 || y < 0 || x >= mWindow.Width() || y >= mWindow.Height()) MouseMove(kOffScreen, kOffScreen);
}

void App::DebugKeys() {}

void App::TakeScreenshot() {}
