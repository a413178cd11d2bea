#include "ui/GadgetHost.h"

#include <cmath>
#include <cstdlib>

#include "platform/WindowMessages.h"
#include "ui/Gadget.h"
#include "ui/KeyNavigation.h"

namespace {
GadgetHost* gHost = nullptr;

float SafeScale(float scale) { return scale > 0 ? scale : 1.0f; }
}  // namespace

float LogicalPixel(int32_t windowPixel, float scale) {
    return std::floor(static_cast<float>(windowPixel) / SafeScale(scale));
}

namespace {
// Keys and the wheel reach only an enabled gadget on a shown screen: a
// removed screen keeps its focus for when it is shown again.
bool Reachable(const Gadget* gadget) { return gadget && !gadget->mDisabled && gadget->IsInTree(); }

// How far a stick must lean before it moves the highlight, and how far back
// before it can again.
constexpr int32_t kStickPushed = kPadAxisMost / 2;
constexpr int32_t kStickReleased = kPadAxisMost / 4;

// Keys that type a character as well: when the highlight used the key, its
// character must not reach a text field.
bool TypesCharacter(uint32_t key) {
    return key == VirtualKey::Return || key == VirtualKey::Space || key == VirtualKey::Tab || key == VirtualKey::Escape;
}

bool IsPointerMessage(uint32_t message) {
    return message >= WindowMessage::MouseMove && message <= WindowMessage::MouseWheel;
}
}  // namespace

GadgetHost* GetGadgetHost() { return gHost; }

GadgetHost::GadgetHost() { gHost = this; }

GadgetHost::~GadgetHost() {
    if (gHost == this) gHost = nullptr;
}

void GadgetHost::StoreMouse(int32_t x, int32_t y) {
    mPrevMouseX = mMouseX;
    mPrevMouseY = mMouseY;
    // Whole logical pixels: what a recording keeps of the pointer is then all
    // the game saw of it, in a scaled window too.
    mMouseX = LogicalPixel(x, MouseScaleX());
    mMouseY = LogicalPixel(y, MouseScaleY());
}

void GadgetHost::SetHover(Gadget* gadget) {
    if (mHoverGadget == gadget && (!gadget || gadget->mHovered)) return;
    if (Gadget* old = mHoverGadget; old && old != gadget) {
        old->MouseLeave();
        if (mHoverGadget == old) mHoverGadget = nullptr;
    }
    if (gadget && !gadget->mHovered) gadget->MouseEnter();
}

void GadgetHost::RouteMove() {
    Gadget* top = mGadgets.Pick(mMouseX, mMouseY);
    if (!top) {
        SetHover(nullptr);
        ShowCursorKind(CursorKind::Arrow);
        return;
    }
    if (top->mDisabled) {
        SetHover(nullptr);
        return;
    }
    top->DispatchMouseMove(mMouseX - top->mRect.x, mMouseY - top->mRect.y);
}

void GadgetHost::MouseMove(int32_t x, int32_t y) {
    StoreMouse(x, y);
    RouteMove();
}

void GadgetHost::MouseDrag(int32_t x, int32_t y) {
    StoreMouse(x, y);
    float mouseX = mMouseX;
    float mouseY = mMouseY;
    Gadget* owner = mCaptureGadget;
    if (owner && !owner->mDisabled) {
        ScreenPoint origin = owner->ScreenPosition();
        owner->DispatchMouseDrag(mouseX - origin.x, mouseY - origin.y);
    }
    // An exclusive drag keeps the hover where it is.
    if (owner && owner == mCaptureGadget && owner->mDragging && owner->mExclusiveDrag) return;
    mMouseX = mouseX;
    mMouseY = mouseY;
    RouteMove();
}

template <class Dispatch>
void GadgetHost::RoutePress(int32_t x, int32_t y, Dispatch dispatch) {
    StoreMouse(x, y);
    ++mCaptureCount;
    SetWindowMouseCapture(true);
    Gadget* top = mGadgets.Pick(mMouseX, mMouseY);
    if (top && !top->mDisabled) dispatch(top, mMouseX - top->mRect.x, mMouseY - top->mRect.y);
}

void GadgetHost::MouseDown(int32_t x, int32_t y, int32_t button) {
    RoutePress(x, y, [button](Gadget* gadget, float gx, float gy) { gadget->DispatchMouseDown(gx, gy, button); });
}

void GadgetHost::MouseDoubleClick(int32_t x, int32_t y, int32_t button) {
    RoutePress(x, y, [button](Gadget* gadget, float gx, float gy) { gadget->DispatchDoubleClick(gx, gy, button); });
}

void GadgetHost::MouseUp(int32_t x, int32_t y, int32_t button) {
    StoreMouse(x, y);
    --mCaptureCount;
    if (mCaptureCount < 0 && !mLeftHeld) {
        // A release without a press (the press happened outside the window).
        mCaptureCount = 0;
        SetWindowMouseCapture(false);
        return;
    }
    if (button == kLeftButton) mLeftHeld = false;
    if (mCaptureCount == 0) SetWindowMouseCapture(false);
    Gadget* target = nullptr;
    if (button == kLeftButton) {
        target = mCaptureGadget;
        mCaptureGadget = nullptr;
    } else {
        target = mCaptureGadget ? mCaptureGadget : mGadgets.GadgetAt(mMouseX, mMouseY);
    }
    if (target && !target->mDisabled) {
        ScreenPoint origin = target->ScreenPosition();
        target->DispatchMouseUp(mMouseX - origin.x, mMouseY - origin.y, button);
    }
    if (mCaptureCount < 0) {
        mCaptureCount = 0;
        SetWindowMouseCapture(false);
    }
}

void GadgetHost::ReleaseOffScreen() {
    float mouseX = mMouseX, mouseY = mMouseY, prevX = mPrevMouseX, prevY = mPrevMouseY;
    MouseUp(kOffScreen, kOffScreen, kLeftButton);
    mMouseX = mouseX;
    mMouseY = mouseY;
    mPrevMouseX = prevX;
    mPrevMouseY = prevY;
}

void GadgetHost::CancelMouse() {
    mCancellingMouse = true;
    if (mCaptureGadget) mCaptureGadget->CancelMouse(0);
    ReleaseOffScreen();
    mCancellingMouse = false;
    mCaptureGadget = nullptr;
    mLeftHeld = false;
    mCaptureCount = 0;
    mPressCount = 0;
    SetWindowMouseCapture(false);
}

void GadgetHost::MouseWheel(int32_t delta) {
    if (Reachable(mWheelGadget)) mWheelGadget->DispatchWheel(delta);
}

Gadget* GadgetHost::KeyTarget() const {
    if (!Reachable(mFocusGadget) || mFocusGadget->mHidden) return nullptr;
    return KeyNavigation::IsUncovered(*this, *mFocusGadget) ? mFocusGadget : nullptr;
}

void GadgetHost::KeyDown(uint32_t key) {
    mPadInUse = false;
    mSwallowChar = 0;
    if (key == VirtualKey::Shift) mShiftHeld = true;
    Gadget* target = KeyTarget();
    if (target && target->TakesKey(static_cast<int32_t>(key))) {
        target->DispatchKeyDown(static_cast<int32_t>(key));
        return;
    }
    NavigationMove move;
    if (KeyNavigation::MoveOfKey(key, mShiftHeld, move) && KeyNavigation::Move(*this, move)) {
        if (TypesCharacter(key)) mSwallowChar = key;
        return;
    }
    if (target) target->DispatchKeyDown(static_cast<int32_t>(key));
}

void GadgetHost::KeyUp(uint32_t key) {
    if (key == VirtualKey::Shift) mShiftHeld = false;
    // A release reaches the focus even under a dialog, so no key stays held.
    if (Reachable(mFocusGadget)) mFocusGadget->DispatchKeyUp(static_cast<int32_t>(key));
}

void GadgetHost::KeyChar(uint32_t ch) {
    bool swallowed = mSwallowChar != 0 && ch == mSwallowChar;
    mSwallowChar = 0;
    if (swallowed) return;
    if (Gadget* target = KeyTarget()) target->DispatchChar(static_cast<int32_t>(ch));
}

void GadgetHost::PadButtonChange(PadButton button, bool down) {
    mPadInUse = true;
    if (!down) {
        if (Reachable(mFocusGadget)) mFocusGadget->OnPadButton(button, false);
        return;
    }
    Gadget* target = KeyTarget();
    if (target && target->OnPadButton(button, true)) return;
    NavigationMove move;
    if (KeyNavigation::MoveOfPadButton(button, move)) KeyNavigation::Move(*this, move);
}

void GadgetHost::PadAxisChange(PadAxis axis, int32_t value) {
    size_t index = static_cast<size_t>(axis);
    if (index >= static_cast<size_t>(PadAxis::Count)) return;
    Gadget* target = KeyTarget();
    if (target && target->OnPadAxis(axis, value)) return;
    int32_t& push = mStickPush[index];
    if (std::abs(value) < kStickReleased) {
        push = 0;
        return;
    }
    int32_t side = value < 0 ? -1 : 1;
    if (std::abs(value) < kStickPushed || push == side) return;
    push = side;
    mPadInUse = true;
    NavigationMove move = axis == PadAxis::LeftX ? (side < 0 ? NavigationMove::Left : NavigationMove::Right)
                                                 : (side < 0 ? NavigationMove::Up : NavigationMove::Down);
    KeyNavigation::Move(*this, move);
}

void GadgetHost::CheckMouseOutside() {
    if (mHoverGadget && !mKeyHighlight && !IsPointerInWindow()) MouseMove(kOffScreen, kOffScreen);
}

void GadgetHost::HandleEvent(uint32_t window, uint32_t message, uint32_t wparam, uint32_t lparam) {
    if (IsQuitting()) return;
    mCurrentMessage = message;
    if (IsPointerMessage(message)) mKeyHighlight = false;
    int32_t x = PointX(lparam);
    int32_t y = PointY(lparam);
    switch (message) {
        case WindowMessage::KeyDown: KeyDown(wparam); break;
        case WindowMessage::KeyUp: KeyUp(wparam); break;
        case WindowMessage::Char: KeyChar(wparam); break;
        case WindowMessage::PadButtonDown:
        case WindowMessage::PadButtonUp:
            if (wparam < static_cast<uint32_t>(PadButton::Count))
                PadButtonChange(static_cast<PadButton>(wparam), message == WindowMessage::PadButtonDown);
            break;
        case WindowMessage::PadAxisMotion:
            if (wparam < static_cast<uint32_t>(PadAxis::Count))
                PadAxisChange(static_cast<PadAxis>(wparam), PadAxisValue(lparam));
            break;
        case WindowMessage::MouseMove:
            if (mCaptureGadget && (mCaptureCount > 0 || mLeftHeld)) {
                MouseDrag(x, y);
            } else {
                MouseMove(x, y);
            }
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
