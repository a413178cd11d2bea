#pragma once
// A rectangular, input-aware object: every screen, dialog, control and the
// board is one. Gadgets form a tree through their children managers; the tree
// orders updates and drawing, gives relative coordinates and clipping, routes
// mouse and keyboard input, and runs modal dialogs.
//
// Coordinates: mRect is in the parent's coordinates; every On... handler gets
// positions in the gadget's own coordinates (0, 0 = its top left corner).

#include <cstdint>
#include <memory>

#include "core/Object.h"
#include "core/Rect.h"
#include "core/String.h"
#include "platform/WindowMessages.h"
#include "ui/GadgetHost.h"
#include "ui/GadgetManager.h"

class Image;
class Sprite;

enum class GadgetShape : int32_t { Rectangle = 0, Circle = 1, ImageAlpha = 2, SpriteAlpha = 3 };

struct ScreenPoint {
    float x = 0, y = 0;
};

class Gadget : public Object {
public:
    Gadget();
    ~Gadget() override;

    // Update, FrameStep and Draw are Object's; Draw paints the gadget itself in
    // its own coordinates, its children are drawn after it.
    using Object::Notify;
    // A control reports to its listener through this; screens override it.
    virtual void Notify(Gadget* source) {}
    // Runs once, before the first update, frame step or draw.
    virtual void OnFirstUpdate() {}
    virtual void DoUpdate();
    virtual void DoFrameStep(float steps);
    virtual void DoDraw();
    // Drawn after the children.
    virtual void DrawOverlay() {}
    // Also makes the shape a rectangle.
    virtual void SetRect(const Rect& rect);

    // Routing from the parent or the application (own coordinates). All of
    // them do nothing while the gadget is disabled.
    virtual void DispatchMouseMove(float x, float y);
    virtual void DispatchMouseDown(float x, float y, int32_t button);
    virtual void DispatchDoubleClick(float x, float y, int32_t button);
    virtual void DispatchMouseUp(float x, float y, int32_t button);
    // Only for the application's capture gadget.
    virtual void DispatchMouseDrag(float x, float y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void TakeWheel();
    virtual void ReleaseWheel();
    virtual void DispatchWheel(int32_t delta);
    // The application cancelled the press this gadget held.
    virtual void CancelMouse(int32_t reason);

    virtual void OnMouseMove(float x, float y) {}
    virtual void OnMouseDown(float x, float y, int32_t button) {}
    virtual void OnDoubleClick(float x, float y, int32_t button) {}
    virtual void OnMouseUp(float x, float y, int32_t button) {}
    virtual void OnMouseWheel(int32_t delta) {}
    virtual void OnDragEnd(float x, float y) {}
    // May call EndDrag() to refuse the drag.
    virtual void OnDragStart(float x, float y) {}
    virtual void OnDrag(float x, float y) {}
    virtual void OnMouseEnter() {}
    virtual void OnMouseLeave() {}

    // Starts a drag without a press (only when nothing holds the mouse).
    virtual void BeginDrag();
    // Holds the mouse as a drag from now on; answers true.
    virtual bool Capture();
    // Ends a running drag (OnDragEnd at the pointer); answers whether one ran.
    virtual bool EndDrag();

    virtual void DispatchKeyDown(int32_t key);
    virtual void DispatchKeyUp(int32_t key);
    virtual void DispatchChar(int32_t ch);
    virtual void TakeFocus();
    virtual void ReleaseFocus();
    virtual void OnKeyDown(int32_t key) {}
    virtual void OnKeyUp(int32_t key) {}
    virtual void OnChar(int32_t ch) {}
    // The focused gadget gets the keys it takes; the others (and keys while
    // something lies over it) move the highlight among the screen's
    // controls (KeyNavigation.h).
    virtual bool TakesKey(int32_t key) const { return true; }
    // Gamepad input for the focused gadget; false leaves it to the highlight.
    virtual bool OnPadButton(PadButton button, bool down) { return false; }
    virtual bool OnPadAxis(PadAxis axis, int32_t value) { return false; }
    // A highlighted control stepped sideways by keys (-1 left, 1 right);
    // false when sideways means moving to the next control.
    virtual bool StepByKey(int32_t direction) { return false; }
    // Pressed by Enter, Space or A while highlighted; false: a click at its
    // middle presses it, as the pointer would.
    virtual bool PressByKey() { return false; }

    // (x, y) in the parent's coordinates.
    virtual bool HitTest(float x, float y) const;
    // Notify(source), except while the application cancels the mouse.
    virtual void PostNotify(Gadget* source);

    // The child list is created on the first child.
    void AddChild(Gadget* child);
    void RemoveChild(Gadget* child);
    void SetListener(Gadget* listener, bool addAsChild);
    // Hit only where `image` (or `sprite`) is opaque enough; the rectangle
    // becomes (x, y) and the picture's size. The picture is not owned.
    void SetImageShape(float x, float y, const Image* image);
    void SetSpriteShape(float x, float y, const Sprite* sprite);
    void SetArrowCursor() { mHoverCursor = CursorKind::Arrow; }
    void SetHandCursor() { mHoverCursor = CursorKind::Hand; }
    void SetTextCursor() { mHoverCursor = CursorKind::Text; }
    void SetWaitCursor() { mHoverCursor = CursorKind::Wait; }
    // The whole logical screen.
    void FillScreen();
    ScreenPoint ScreenPosition() const;
    // Adds this gadget on top of the screens and runs the application's loop
    // until EndModal, a kill or quitting; answers mModalResult.
    int32_t RunModal();
    void EndModal(int32_t result);
    // Runs modally until this gadget has been drawn once.
    void RunUntilDrawn();
    // The clip rectangle in the parent's coordinates.
    Rect ClipRect() const;
    bool IsEnabled() const { return !mDisabled; }
    // In a list reachable from the application's top-level screens.
    bool IsInTree() const;

    Rect mRect;
    GadgetShape mShape = GadgetShape::Rectangle;
    float mRadius = 0;
    const Image* mShapeImage = nullptr;    // for ImageAlpha; not owned
    const Sprite* mShapeSprite = nullptr;  // for SpriteAlpha; not owned
    float mAlphaThreshold = 0.25f;
    std::unique_ptr<GadgetManager> mChildren;
    Gadget* mParent = nullptr;
    Gadget* mListener = nullptr;
    CursorKind mHoverCursor = CursorKind::Arrow;
    bool mDisabled = false;
    bool mHidden = false;
    bool mInputTransparent = false;
    bool mClip = true;
    bool mHovered = false;
    bool mDragging = false;
    bool mDragCancelled = false;
    // While this gadget drags, mouse moves go to it alone (no hover changes elsewhere).
    bool mExclusiveDrag = false;
    float mPressX = 0, mPressY = 0;
    int32_t mDragThreshold = 2;  // pixels of travel before a press becomes a drag
    bool mMouseCancelled = false;
    bool mStarted = false;
    int32_t mUpdateDelay = 0;
    int32_t mUpdateTicks = 0;
    bool mModal = false;
    int32_t mModalResult = 0;
    bool mDrawOnce = false;
    // The name input scripts press it by ("press NAME"); empty: not pressable by name.
    String mLabel;

private:
    friend class GadgetManager;
    bool BeginStep();
    void RoutePress(float x, float y, int32_t button, bool doubleClick);
    ScreenPoint PointerPosition() const;
    // Opacity 0 .. 1 of the shape picture at (x, y) from the rectangle's corner.
    float AlphaAt(float x, float y) const;

    GadgetManager* mManager = nullptr;  // the list that holds this gadget
};
