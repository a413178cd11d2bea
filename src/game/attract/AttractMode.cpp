#include "game/attract/AttractMode.h"

#include <cstdlib>

#include "board/SlideControl.h"
#include "core/Log.h"
#include "game/PlimbZappetsApp.h"
#include "game/attract/Demo.h"
#include "platform/WindowMessages.h"

namespace {
bool IsPointerMove(uint32_t message) { return message == WindowMessage::MouseMove; }

bool IsPlayerInput(uint32_t message, uint32_t lparam) {
    switch (message) {
        case WindowMessage::KeyDown:
        case WindowMessage::KeyUp:
        case WindowMessage::Char:
        case WindowMessage::SysKeyDown:
        case WindowMessage::SysKeyUp:
        case WindowMessage::PadButtonDown:
        case WindowMessage::PadButtonUp: return true;
        // A stick at rest drifts a little; only a lean is the player's.
        case WindowMessage::PadAxisMotion: return std::abs(PadAxisValue(lparam)) > SlideControl::kStickDeadZone;
        default: return message >= WindowMessage::MouseMove && message <= WindowMessage::MouseWheel;
    }
}
}  // namespace

AttractMode::AttractMode(PlimbZappetsApp& owner) : app(owner) {}

// At the way out the screen only goes back to its list, to be deleted there.
AttractMode::~AttractMode() { EndShow(false); }

bool AttractMode::OnWindowMessage(uint32_t message, uint32_t lparam) {
    if (!IsPlayerInput(message, lparam)) return false;
    inputSeen = true;
    return demo && !IsPointerMove(message);
}

void AttractMode::BeforeUpdate() {
    bool input = inputSeen;
    inputSeen = false;
    if (demo) {
        if (input) Stop();
        return;
    }
    Gadget* screen = app.IdleScreen();
    if (!screen || input) {
        idleTicks = 0;
        return;
    }
    if (++idleTicks >= kIdleTicks) Start(*screen);
}

void AttractMode::Start(Gadget& screen) {
    idleTicks = 0;
    savedRandom = GetRandom();
    // Each show of a session picks afresh, yet all of them follow the seed.
    Random draw = savedRandom;
    GetRandom().Seed(draw.Raw() + demosShown++);
    covered = &screen;
    app.mGadgets.Remove(covered);
    demo = std::make_unique<Demo>(app);
    app.mGadgets.Add(demo.get());
    Log::Line("Screen: %s", demo->mName);
}

void AttractMode::Stop() { EndShow(true); }

void AttractMode::EndShow(bool announce) {
    if (!demo) return;
    app.mGadgets.Remove(demo.get());
    demo.reset();
    GetRandom() = savedRandom;
    app.mGadgets.Add(covered);
    if (announce) Log::Line("Screen: %s", covered->mName);
    covered = nullptr;
}
