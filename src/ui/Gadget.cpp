#include "ui/Gadget.h"

#include <cmath>

#include "media/Graphics.h"
#include "media/Image.h"
#include "media/Sprite.h"

namespace {
constexpr float kOpaqueAlpha = 255.0f;
// The clip of a gadget that does not clip: far beyond any screen.
constexpr Rect kNoClip{-10000, -10000, 30000, 30000};
}  // namespace

Gadget::Gadget() { mName = "gadget"; }

Gadget::~Gadget() {
    if (GadgetHost* host = GetGadgetHost()) {
        if (host->mHoverGadget == this) host->mHoverGadget = nullptr;
        if (host->mFocusGadget == this) host->mFocusGadget = nullptr;
        if (host->mWheelGadget == this) host->mWheelGadget = nullptr;
        if (host->mCaptureGadget == this) {
            host->mCaptureGadget = nullptr;
            host->mLeftHeld = false;
        }
    }
    mChildren.reset();
    // Leave the list that holds us, so no manager keeps a dangling pointer.
    if (mManager) mManager->Forget(this);
}

bool Gadget::BeginStep() {
    if (!mStarted) {
        OnFirstUpdate();
        mStarted = true;
    }
    if (mUpdateDelay > 0) {
        --mUpdateDelay;
        return false;
    }
    return true;
}

void Gadget::DoUpdate() {
    if (!BeginStep()) return;
    if (mChildren) mChildren->Update();
    Update();
    ++mUpdateTicks;
}

void Gadget::DoFrameStep(float steps) {
    if (!BeginStep()) return;
    if (mChildren) mChildren->FrameStep(steps);
    FrameStep(steps);
    ++mUpdateTicks;
}

void Gadget::DoDraw() {
    if (!mStarted) {
        OnFirstUpdate();
        mStarted = true;
    }
    if (!mHidden) {
        if (GadgetHost* host = GetGadgetHost()) host->ResetDrawColour();
        Draw();
        if (mChildren) mChildren->Draw();
        DrawOverlay();
    }
    if (mDrawOnce) EndModal(0);
}

void Gadget::SetRect(const Rect& rect) {
    mRect = rect;
    mShape = GadgetShape::Rectangle;
}

void Gadget::DispatchMouseMove(float x, float y) {
    if (mDisabled) return;
    GadgetHost* host = GetGadgetHost();
    if (mChildren) {
        if (Gadget* child = mChildren->Pick(x, y)) {
            if (mHovered) MouseLeave();
            if (child->mDisabled) {
                // Nothing is hovered over a disabled control.
                if (host) host->SetHover(nullptr);
                return;
            }
            child->DispatchMouseMove(x - child->mRect.x, y - child->mRect.y);
            return;
        }
    }
    if (host) {
        if (!mHovered || host->mHoverGadget != this) host->SetHover(this);
        host->ShowCursorKind(mHoverCursor);
    }
    OnMouseMove(x, y);
}

void Gadget::RoutePress(float x, float y, int32_t button, bool doubleClick) {
    if (mDisabled) return;
    if (mChildren) {
        if (Gadget* child = mChildren->Pick(x, y)) {
            float childX = x - child->mRect.x;
            float childY = y - child->mRect.y;
            if (doubleClick) {
                child->DispatchDoubleClick(childX, childY, button);
            } else {
                child->DispatchMouseDown(childX, childY, button);
            }
            return;
        }
    }
    if (GadgetHost* host = GetGadgetHost()) {
        ++host->mPressCount;
        if (button == kLeftButton && !host->mCaptureGadget) {
            host->mCaptureGadget = this;
            host->mLeftHeld = true;
            mDragging = false;
            mPressX = x;
            mPressY = y;
        }
    }
    if (doubleClick) {
        OnDoubleClick(x, y, button);
    } else {
        OnMouseDown(x, y, button);
    }
}

void Gadget::DispatchMouseDown(float x, float y, int32_t button) {
    if (button == kLeftButton && mDragging) return;
    RoutePress(x, y, button, false);
}

void Gadget::DispatchDoubleClick(float x, float y, int32_t button) { RoutePress(x, y, button, true); }

void Gadget::DispatchMouseUp(float x, float y, int32_t button) {
    if (mDisabled) return;
    if (mDragging && button == kLeftButton) {
        mDragging = false;
        OnDragEnd(x, y);
    }
    GadgetHost* host = GetGadgetHost();
    if (host && host->mPressCount > 0) --host->mPressCount;
    OnMouseUp(x, y, button);
}

void Gadget::DispatchMouseDrag(float x, float y) {
    GadgetHost* host = GetGadgetHost();
    if (mDisabled || !host || host->mCaptureGadget != this) return;
    if (!mDragging) {
        float dx = x - mPressX;
        float dy = y - mPressY;
        if (std::sqrt(dx * dx + dy * dy) <= static_cast<float>(mDragThreshold)) return;
        mDragCancelled = false;
        OnDragStart(x, y);
        if (mDragCancelled) {
            host->ReleaseOffScreen();
            return;
        }
        mDragging = true;
        host->ShowCursorKind(mHoverCursor);
    }
    OnDrag(x, y);
}

void Gadget::MouseEnter() {
    if (mDisabled) return;
    mHovered = true;
    if (GadgetHost* host = GetGadgetHost()) host->mHoverGadget = this;
    OnMouseEnter();
}

void Gadget::MouseLeave() {
    if (!mHovered) return;
    GadgetHost* host = GetGadgetHost();
    if (host && host->mHoverGadget == this) host->mHoverGadget = nullptr;
    mHovered = false;
    OnMouseLeave();
}

void Gadget::TakeWheel() {
    GadgetHost* host = GetGadgetHost();
    if (host && !mDisabled) host->mWheelGadget = this;
}

void Gadget::ReleaseWheel() {
    GadgetHost* host = GetGadgetHost();
    if (host && host->mWheelGadget == this) host->mWheelGadget = nullptr;
}

void Gadget::DispatchWheel(int32_t delta) {
    if (!mDisabled) OnMouseWheel(delta);
}

void Gadget::CancelMouse(int32_t reason) { mMouseCancelled = true; }

ScreenPoint Gadget::PointerPosition() const {
    ScreenPoint origin = ScreenPosition();
    GadgetHost* host = GetGadgetHost();
    if (!host) return {};
    return {host->mMouseX - origin.x, host->mMouseY - origin.y};
}

void Gadget::BeginDrag() {
    GadgetHost* host = GetGadgetHost();
    if (!host || host->mCaptureGadget) return;
    host->mCaptureGadget = this;
    host->mLeftHeld = true;
    mDragging = true;
    ScreenPoint pointer = PointerPosition();
    mPressX = pointer.x;
    mPressY = pointer.y;
    OnDragStart(pointer.x, pointer.y);
}

bool Gadget::Capture() {
    mDragging = true;
    if (GadgetHost* host = GetGadgetHost()) {
        host->mCaptureGadget = this;
        host->mLeftHeld = true;
    }
    return true;
}

bool Gadget::EndDrag() {
    bool wasDragging = mDragging;
    if (mDragging) {
        if (GadgetHost* host = GetGadgetHost()) host->mLeftHeld = false;
        mDragging = false;
        ScreenPoint pointer = PointerPosition();
        OnDragEnd(pointer.x, pointer.y);
    }
    mDragCancelled = true;
    return wasDragging;
}

void Gadget::DispatchKeyDown(int32_t key) {
    if (!mDisabled) OnKeyDown(key);
}

void Gadget::DispatchKeyUp(int32_t key) {
    if (!mDisabled) OnKeyUp(key);
}

void Gadget::DispatchChar(int32_t ch) {
    if (!mDisabled) OnChar(ch);
}

void Gadget::TakeFocus() {
    GadgetHost* host = GetGadgetHost();
    if (host && !mDisabled) host->mFocusGadget = this;
}

void Gadget::ReleaseFocus() {
    GadgetHost* host = GetGadgetHost();
    if (host && host->mFocusGadget == this) host->mFocusGadget = nullptr;
}

bool Gadget::HitTest(float x, float y) const {
    if (!mRect.Contains(x, y)) return false;
    switch (mShape) {
        case GadgetShape::Rectangle: return true;
        case GadgetShape::Circle: {
            float dx = x - (mRect.x + mRect.width * 0.5f);
            float dy = y - (mRect.y + mRect.height * 0.5f);
            return std::sqrt(dx * dx + dy * dy) <= mRadius;
        }
        case GadgetShape::ImageAlpha:
        case GadgetShape::SpriteAlpha: return AlphaAt(x - mRect.x, y - mRect.y) > mAlphaThreshold;
    }
    return false;
}

float Gadget::AlphaAt(float x, float y) const {
    int32_t px = static_cast<int32_t>(std::floor(x));
    int32_t py = static_cast<int32_t>(std::floor(y));
    if (mShape == GadgetShape::ImageAlpha && mShapeImage) {
        const uint32_t* pixel = mShapeImage->PixelAt(px, py);
        return pixel ? static_cast<float>(*pixel >> 24) / kOpaqueAlpha : 0.0f;
    }
    if (mShape == GadgetShape::SpriteAlpha && mShapeSprite)
        return static_cast<float>(mShapeSprite->AlphaAt(px, py)) / kOpaqueAlpha;
    return 0.0f;
}

void Gadget::SetImageShape(float x, float y, const Image* image) {
    float width = image && !image->IsEmpty() ? static_cast<float>(image->Width()) : 0.0f;
    float height = image && !image->IsEmpty() ? static_cast<float>(image->Height()) : 0.0f;
    mRect = {x, y, width, height};
    mShape = GadgetShape::ImageAlpha;
    mShapeImage = image;
}

void Gadget::SetSpriteShape(float x, float y, const Sprite* sprite) {
    mRect = {x, y, sprite ? sprite->Width() : 0.0f, sprite ? sprite->Height() : 0.0f};
    mShape = GadgetShape::SpriteAlpha;
    mShapeSprite = sprite;
}

void Gadget::PostNotify(Gadget* source) {
    GadgetHost* host = GetGadgetHost();
    if (host && host->mCancellingMouse) return;
    Notify(source);
}

void Gadget::AddChild(Gadget* child) {
    if (!child || child == this) return;
    if (!mChildren) mChildren = std::make_unique<GadgetManager>(this);
    child->mParent = this;
    mChildren->Add(child);
}

void Gadget::RemoveChild(Gadget* child) {
    if (!child || !mChildren) return;
    mChildren->Remove(child);
    if (child->mParent == this) child->mParent = nullptr;
}

void Gadget::SetListener(Gadget* listener, bool addAsChild) {
    mListener = listener;
    if (addAsChild && listener) listener->AddChild(this);
}

bool Gadget::IsInTree() const { return mManager && mManager->IsInTree(); }

void Gadget::FillScreen() {
    const Graphics& graphics = GetGraphics();
    SetRect({0, 0, static_cast<float>(graphics.Width()), static_cast<float>(graphics.Height())});
}

ScreenPoint Gadget::ScreenPosition() const {
    ScreenPoint point{mRect.x, mRect.y};
    for (const Gadget* parent = mParent; parent; parent = parent->mParent) {
        point.x += parent->mRect.x;
        point.y += parent->mRect.y;
    }
    return point;
}

int32_t Gadget::RunModal() {
    GadgetHost* host = GetGadgetHost();
    if (!host) return mModalResult;
    host->mGadgets.Add(this);
    // A press that opened the dialog ends here, while notifications are dropped,
    // so the control under the pointer does not act on its release.
    if (host->mPressCount > 0) {
        host->CancelMouse();
        host->mPressCount = 0;
    }
    mModal = true;
    while (!mKilled && !host->IsQuitting() && mModal) host->RunLoopIteration();
    mModal = false;
    return mModalResult;
}

void Gadget::EndModal(int32_t result) {
    mModal = false;
    mModalResult = result;
}

void Gadget::RunUntilDrawn() {
    mDrawOnce = true;
    RunModal();
    mDrawOnce = false;
}

Rect Gadget::ClipRect() const {
    Rect clip = mClip ? mRect : kNoClip;
    if (mParent && mParent->mClip) clip = clip.Intersect({0, 0, mParent->mRect.width, mParent->mRect.height});
    return clip;
}
