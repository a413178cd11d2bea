#include "ui/GadgetManager.h"

#include <vector>

#include "ui/Gadget.h"
#include "ui/GadgetHost.h"

namespace {
// Where a pick lands when it must find nothing.
constexpr float kNowherePick = -1000.0f;
}  // namespace

GadgetManager::GadgetManager(Gadget* owner) : mOwner(owner) {}

GadgetManager::~GadgetManager() {
    DeleteKilled();
    // Killed gadgets still listed are ours to delete; the others belong to
    // whoever created them and only lose their link to this list.
    std::vector<Gadget*> listed;
    for (int32_t i = 0; i < mObjects.Count(); ++i) listed.push_back(GadgetAtIndex(i));
    mObjects.Clear();
    for (Gadget* gadget : listed) {
        gadget->mManager = nullptr;
        if (gadget->mParent == mOwner) gadget->mParent = nullptr;
    }
    for (Gadget* gadget : listed) {
        if (gadget->mKilled) delete gadget;
    }
}

Gadget* GadgetManager::GadgetAtIndex(int32_t index) const { return static_cast<Gadget*>(mObjects.At(index)); }

void GadgetManager::DeleteKilled() {
    std::vector<Gadget*> doomed;
    for (int32_t i = 0; i < mPending.Count(); ++i) doomed.push_back(static_cast<Gadget*>(mPending.At(i)));
    mPending.Clear();
    for (Gadget* gadget : doomed) {
        gadget->mManager = nullptr;
        delete gadget;
    }
}

template <class Step>
void GadgetManager::RunStep(const char* loopKey, Step step) {
    DeleteKilled();
    List::Cursor& cursor = mObjects.CursorFor(loopKey);
    for (cursor.position = 0; cursor.position < mObjects.Count();) {
        Gadget* gadget = GadgetAtIndex(cursor.position++);
        if (gadget->mPauseCount == 0 && !gadget->mKilled) step(gadget);
        if (gadget->mKilled) {
            OnRemoved(gadget);
            while (mObjects.Remove(gadget)) {
            }
            mPending.Add(gadget);
        }
    }
}

void GadgetManager::Update() {
    RunStep("GadgetManager::Update", [](Gadget* gadget) { gadget->DoUpdate(); });
}

void GadgetManager::FrameStep(float steps) {
    RunStep("GadgetManager::FrameStep", [steps](Gadget* gadget) { gadget->DoFrameStep(steps); });
}

void GadgetManager::Draw() {
    GadgetHost* host = GetGadgetHost();
    List::Cursor& cursor = mObjects.CursorFor("GadgetManager::Draw");
    for (cursor.position = 0; cursor.position < mObjects.Count();) {
        Gadget* gadget = GadgetAtIndex(cursor.position++);
        if (gadget->mKilled) continue;
        if (host) host->BeginGadgetDraw(gadget->ClipRect(), gadget->mRect.x, gadget->mRect.y);
        gadget->DoDraw();
        if (host) host->EndGadgetDraw();
    }
}

int32_t GadgetManager::Add(Object* object) {
    Gadget* gadget = dynamic_cast<Gadget*>(object);
    if (!gadget) return -1;
    int32_t index = mObjects.Find(gadget);
    if (index < 0) {
        if (gadget->mManager && gadget->mManager != this) gadget->mManager->Remove(gadget);
        mPending.Remove(gadget);
        index = mObjects.Add(gadget);
        gadget->mManager = this;
    }
    RecheckPick();
    return index;
}

void GadgetManager::Remove(Object* object) {
    Gadget* gadget = dynamic_cast<Gadget*>(object);
    if (!gadget || !mObjects.Contains(gadget)) return;
    // A held press ends while the gadget is still linked, so that its
    // release reaches the control holding it (a pressed button, a drag).
    GadgetHost* host = GetGadgetHost();
    if (gadget == mPick && host && host->mCaptureCount > 0 && IsInTree()) host->CancelMouse();
    // The keyboard stays where it is: moving a screen to the top is Remove
    // then Add. Keys only reach gadgets in the tree.
    Unlink(gadget, false);
    ObjectManager::Remove(gadget);
    if (gadget->mManager == this) gadget->mManager = nullptr;
}

void GadgetManager::RecheckPick() {
    GadgetHost* host = GetGadgetHost();
    if (!host || host->mCaptureCount <= 0 || !IsInTree()) return;
    ScreenPoint origin = mOwner ? mOwner->ScreenPosition() : ScreenPoint{};
    if (GadgetAt(host->mMouseX - origin.x, host->mMouseY - origin.y) != mPick) host->CancelMouse();
}

bool GadgetManager::IsInTree() const {
    GadgetHost* host = GetGadgetHost();
    if (!host) return false;
    if (this == &host->mGadgets) return true;
    const Gadget* top = mOwner;
    while (top && top->mParent) top = top->mParent;
    return top && top->mManager == &host->mGadgets;
}

void GadgetManager::OnRemoved(Gadget* gadget) {
    Unlink(gadget, true);
    gadget->mDisabled = true;
}

void GadgetManager::Unlink(Gadget* gadget, bool keyboardToo) {
    gadget->MouseLeave();
    if (gadget == mPick) Pick(kNowherePick, kNowherePick);
    if (GadgetHost* host = GetGadgetHost()) {
        if (host->mHoverGadget == gadget) host->mHoverGadget = nullptr;
        if (keyboardToo && host->mFocusGadget == gadget) host->mFocusGadget = nullptr;
        if (keyboardToo && host->mWheelGadget == gadget) host->mWheelGadget = nullptr;
        if (host->mCaptureGadget == gadget) {
            host->mCaptureGadget = nullptr;
            host->mLeftHeld = false;
        }
    }
    // The children keep their enabled state, so a screen shown again only has
    // to enable itself; they just stop being named anywhere.
    if (!gadget->mChildren) return;
    GadgetManager& children = *gadget->mChildren;
    for (int32_t i = 0; i < children.Count(); ++i) children.Unlink(children.GadgetAtIndex(i), keyboardToo);
}

Gadget* GadgetManager::GadgetAt(float x, float y) const {
    for (int32_t i = mObjects.Count() - 1; i >= 0; --i) {
        Gadget* gadget = GadgetAtIndex(i);
        if (!gadget->mKilled && !gadget->mInputTransparent && gadget->HitTest(x, y)) return gadget;
    }
    return nullptr;
}

Gadget* GadgetManager::Pick(float x, float y) {
    mPick = GadgetAt(x, y);
    return mPick;
}

void GadgetManager::Forget(Gadget* gadget) {
    while (mObjects.Remove(gadget)) {
    }
    mPending.Remove(gadget);
    if (mPick == gadget) mPick = nullptr;
}
