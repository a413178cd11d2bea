#pragma once
// The ordered children of one gadget (or the application's top-level screens):
// the first is drawn first, the last is hit first. Killed gadgets leave the
// list in the step they die and are deleted at the start of the next step;
// gadgets that are not killed are never deleted here (controls are normally
// members of their screen).

#include <cstdint>

#include "core/ObjectManager.h"

class Gadget;

class GadgetManager : public ObjectManager {
public:
    // `owner` is the gadget whose children these are; null for the root.
    explicit GadgetManager(Gadget* owner = nullptr);
    ~GadgetManager() override;

    void Update() override;
    void FrameStep(float steps) override;
    void Draw() override;
    // Only gadgets are taken; one already present keeps its place.
    int32_t Add(Object* object) override;
    // Takes a gadget out without deleting it.
    void Remove(Object* object) override;
    virtual void DeleteKilled();
    // A killed gadget: unlinked (below) and disabled.
    virtual void OnRemoved(Gadget* gadget);

    // The top gadget at (x, y) in the owner's coordinates; null when none.
    Gadget* GadgetAt(float x, float y) const;
    // GadgetAt, remembered as this manager's pick.
    Gadget* Pick(float x, float y);
    Gadget* CurrentPick() const { return mPick; }
    Gadget* GadgetAtIndex(int32_t index) const;
    // A gadget being destroyed leaves every list here.
    void Forget(Gadget* gadget);
    // Whether this list is reachable from the application's root.
    bool IsInTree() const;

private:
    template <class Step>
    void RunStep(const char* loopKey, Step step);
    // Ends the hover, pick and capture that name `gadget` or its children,
    // and with `keyboardToo` their focus and wheel.
    void Unlink(Gadget* gadget, bool keyboardToo);
    // After the list changed under a held button: cancel a press whose target moved.
    void RecheckPick();

    Gadget* mOwner;
    Gadget* mPick = nullptr;
    List mPending{0, true};
};
