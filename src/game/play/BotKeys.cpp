#include "game/play/BotKeys.h"

#include <cmath>

#include "app/App.h"
#include "board/Board.h"
#include "board/SlideControl.h"
#include "platform/WindowMessages.h"

namespace {
// Closer than this the aim stays: one step at the starting speed lands within it.
constexpr float kCloseEnough = SlideControl::kStartSpeed / 2;
constexpr uint32_t kKeyUpFlags = KeyFlags::RepeatOne | KeyFlags::WasDown | KeyFlags::Releasing;
}  // namespace

BotKeys::~BotKeys() = default;

void BotKeys::Send(uint32_t message, uint32_t key) {
    uint32_t flags = message == WindowMessage::KeyUp ? kKeyUpFlags : KeyFlags::RepeatOne;
    app.WindowProcedure(WindowEvent{app.mWindow.Id(), message, key, flags});
}

void BotKeys::Hold(uint32_t key) {
    if (key == held) return;
    if (held != 0) Send(WindowMessage::KeyUp, held);
    held = key;
    if (held != 0) Send(WindowMessage::KeyDown, held);
}

void BotKeys::EndTick() {
    if (!pointed) Hold(0);
}

void BotKeys::Point(float x) {
    pointed = true;
    float error = x - board.TargetX();
    if (std::fabs(error) <= kCloseEnough)
        Hold(0);
    else
        Hold(error < 0 ? VirtualKey::Left : VirtualKey::Right);
}

void BotKeys::Fire() {
    Send(WindowMessage::KeyDown, VirtualKey::Space);
    Send(WindowMessage::KeyUp, VirtualKey::Space);
}

void BotKeys::Swap() {
    Send(WindowMessage::KeyDown, VirtualKey::Down);
    Send(WindowMessage::KeyUp, VirtualKey::Down);
}
