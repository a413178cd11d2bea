#include "game/Transition.h"

#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "media/Sprite.h"

namespace {
constexpr const char* kCreaturePicture = "graphics\\Plimbs\\pl%d0";  // creature 1 ... 8
constexpr int32_t kGameOverCreature = 8;
constexpr const char* kCheerfulSound = "Sounds\\plimbsound";
constexpr const char* kGameOverSound = "Sounds\\plimbsoundskull";
constexpr float kCentreX = 400, kCentreY = 300;
}  // namespace

Transition::Transition(PlimbZappetsApp& owner, TransitionKind action) : app(owner), kind(action) {
    mName = "Transition";
    FillScreen();
    mInputTransparent = false;
    if (app.specialTransition) {
        app.specialTransition = false;
        creature = kGameOverCreature;
        app.PlaySound(kGameOverSound);
    } else {
        creature = GetRandom().Next(kCreatures) + 1;
        app.PlaySound(kCheerfulSound);
    }
    picture = app.Resources().FindSprite(String::Format(kCreaturePicture, creature).view());
}

void Transition::Update() {
    if (!shrinking) {
        scale += kGrowth;
        if (scale <= kFullScale) return;
        scale = kFullScale;
        shrinking = true;
        // The switch may close every screen; the slot is empty meanwhile so
        // that nothing takes this transition for a running one of its own.
        app.SetTransitionSlot(nullptr);
        app.RunTransitionAction(kind);
        app.SetTransitionSlot(this);
        app.mGadgets.Remove(this);
        app.mGadgets.Add(this);
        RunUntilDrawn();
        return;
    }
    scale -= kShrink;
    if (scale > 0) return;
    if (app.CurrentTransition() == this) app.SetTransitionSlot(nullptr);
    Kill();
}

void Transition::Draw() {
    if (picture) picture->DrawRotatedScaled(kCentreX, kCentreY, 0, scale);
}
