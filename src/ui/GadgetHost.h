#pragma once
// The application side of the gadget tree: the root manager, the mouse,
// capture, hover, focus and wheel state the tree shares with the application,
// and the routing of replayed window input into the tree. The application
// derives from it and supplies the platform services below; tests use a small
// stand-in. One host at a time is installed (the constructor does it).

#include <cstdint>

#include "core/Rect.h"
#include "media/Graphics.h"
#include "platform/WindowMessages.h"
#include "ui/GadgetManager.h"

class Gadget;

// Mouse buttons as the routing passes them.
enum MouseButton : int32_t { kMiddleButton = 0, kRightButton = 1, kLeftButton = -1 };

class GadgetHost {
public:
    // Where the pointer is sent to end hovers and drags (window pixels).
    static constexpr int32_t kOffScreen = -9999;

    GadgetHost();
    virtual ~GadgetHost();
    GadgetHost(const GadgetHost&) = delete;
    GadgetHost& operator=(const GadgetHost&) = delete;

    // Replayed input; positions in window pixels.
    virtual void MouseMove(int32_t x, int32_t y);
    virtual void MouseDrag(int32_t x, int32_t y);
    virtual void MouseDown(int32_t x, int32_t y, int32_t button);
    virtual void MouseDoubleClick(int32_t x, int32_t y, int32_t button);
    virtual void MouseUp(int32_t x, int32_t y, int32_t button);
    virtual void MouseWheel(int32_t delta);
    // Ends any press or drag without letting it act: the release reaches its
    // gadget while notifications are dropped.
    virtual void CancelMouse();
    virtual void KeyDown(uint32_t key);
    virtual void KeyUp(uint32_t key);
    virtual void KeyChar(uint32_t ch);
    virtual void PadButtonChange(PadButton button, bool down);
    virtual void PadAxisChange(PadAxis axis, int32_t value);
    // Dispatches one queued window event (WindowMessages.h).
    virtual void HandleEvent(uint32_t window, uint32_t message, uint32_t wparam, uint32_t lparam);
    // Ends hovers when the pointer has left the window.
    void CheckMouseOutside();

    // The hovered gadget becomes `gadget` (null: none); the old one leaves.
    void SetHover(Gadget* gadget);
    // The focused gadget when keys reach it: enabled, shown, and nothing lies
    // over it; null otherwise.
    Gadget* KeyTarget() const;
    // A left release at kOffScreen that leaves the known pointer position alone.
    void ReleaseOffScreen();

    // Services of the application.
    virtual bool IsQuitting() const = 0;
    // One iteration of the main loop (modal dialogs run it until they end).
    virtual void RunLoopIteration() = 0;
    virtual void ShowCursorKind(CursorKind kind) = 0;
    // Window size over logical screen size.
    virtual float MouseScaleX() const { return 1.0f; }
    virtual float MouseScaleY() const { return 1.0f; }
    virtual void SetWindowMouseCapture(bool on) {}
    virtual bool IsPointerInWindow() const { return true; }
    virtual void Beep() {}
    // Drawing one gadget: clip (in the current origin's coordinates, combined
    // with the clip already in force), then move the origin by (x, y); the end
    // call restores both and the drawing state.
    virtual void BeginGadgetDraw(const Rect& clip, float x, float y) {}
    virtual void EndGadgetDraw() {}
    // Opaque white.
    virtual void ResetDrawColour() {}

    GadgetManager mGadgets;
    float mMouseX = 0, mMouseY = 0;          // logical units
    float mPrevMouseX = 0, mPrevMouseY = 0;  // before the last mouse event
    int32_t mCaptureCount = 0;               // buttons held (window capture while above 0)
    Gadget* mCaptureGadget = nullptr;        // owns the current press or drag
    bool mLeftHeld = false;                  // the left button is down on the capture gadget
    Gadget* mHoverGadget = nullptr;
    Gadget* mWheelGadget = nullptr;
    Gadget* mFocusGadget = nullptr;
    int32_t mPressCount = 0;                 // presses handed to gadgets and not yet released
    bool mCancellingMouse = false;
    // The hover was put where it is by keys or a pad, not by the pointer; the
    // pointer takes it back the moment it moves.
    bool mKeyHighlight = false;
    // The last input came from a gamepad (screens then offer on-screen letters).
    bool mPadInUse = false;
    // The character a key the highlight used would type next, dropped (0: none).
    uint32_t mSwallowChar = 0;
    bool mShiftHeld = false;  // for Shift+Tab
    // Where each stick was last pushed (-1, 0, 1), so that a held stick moves the highlight once.
    int32_t mStickPush[static_cast<size_t>(PadAxis::Count)] = {};
    uint32_t mCurrentMessage = 0;            // being dispatched by HandleEvent, else 0

private:
    void StoreMouse(int32_t x, int32_t y);
    void RouteMove();
    template <class Dispatch> void RoutePress(int32_t x, int32_t y, Dispatch dispatch);
};

GadgetHost* GetGadgetHost();

// The whole logical pixel a window pixel lies in, for a window `scale` times
// the logical size (a scale of 0 or less counts as 1).
float LogicalPixel(int32_t windowPixel, float scale);
