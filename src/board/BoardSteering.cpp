// Keys and the gamepad in play. They take the mouse's own ways in (the
// aim point, the fire and swap buttons), so a board plays the same whatever
// steers it, and a mouse move takes the aim back at once.
#include <algorithm>

#include "board/Board.h"
#include "board/BoardGame.h"
#include "platform/WindowMessages.h"

namespace {
constexpr uint32_t kKeyA = VirtualKey::LetterA + ('A' - 'A');
constexpr uint32_t kKeyD = VirtualKey::LetterA + ('D' - 'A');
constexpr uint32_t kKeyP = VirtualKey::LetterA + ('P' - 'A');

// -1 or 1 for the keys that slide the launcher, 0 for the others.
int32_t SlideSide(uint32_t key, SlideControl::Source& source) {
    source = key == kKeyA || key == kKeyD ? SlideControl::LetterKey : SlideControl::ArrowKey;
    if (key == VirtualKey::Left || key == kKeyA) return -1;
    if (key == VirtualKey::Right || key == kKeyD) return 1;
    return 0;
}
}  // namespace

void Board::Slide() {
    float step = slide.Step();
    if (step != 0) targetX = std::clamp(targetX + step, 0.0f, mRect.width);
}

void Board::OpenMenuByKey() {
    if (!GameIsOver() && !game.IsBusy()) game.OpenPauseMenu();
}

void Board::OnKeyDown(int32_t code) {
    uint32_t key = static_cast<uint32_t>(code);
    SlideControl::Source source;
    if (int32_t side = SlideSide(key, source)) {
        slide.Hold(side, source, true);
        return;
    }
    switch (key) {
        case kKeyP:
        case VirtualKey::Pause:
            if (!GameIsOver() && !game.IsBusy()) game.SetPaused(!game.IsPaused());
            break;
        case VirtualKey::Escape: OpenMenuByKey(); break;
        case VirtualKey::Space:
        case VirtualKey::Up: OnMouseButton(launcher.X(), launcher.Y(), kLeftButton); break;
        case VirtualKey::Down:
        case VirtualKey::Control: OnMouseButton(launcher.X(), launcher.Y(), kRightButton); break;
        default: break;
    }
}

void Board::OnKeyUp(int32_t code) {
    SlideControl::Source source;
    if (int32_t side = SlideSide(static_cast<uint32_t>(code), source)) slide.Hold(side, source, false);
}

bool Board::OnPadButton(PadButton button, bool down) {
    switch (button) {
        case PadButton::DPadLeft:
        case PadButton::DPadRight:
            slide.Hold(button == PadButton::DPadLeft ? -1 : 1, SlideControl::DPad, down);
            return true;
        case PadButton::A:
            if (down) OnMouseButton(launcher.X(), launcher.Y(), kLeftButton);
            return true;
        case PadButton::B:
        case PadButton::X:
            if (down) OnMouseButton(launcher.X(), launcher.Y(), kRightButton);
            return true;
        case PadButton::Start:
            if (down) OpenMenuByKey();
            return true;
        default: return false;
    }
}

bool Board::OnPadAxis(PadAxis axis, int32_t value) {
    if (axis != PadAxis::LeftX) return false;
    slide.SetStick(value);
    return true;
}
