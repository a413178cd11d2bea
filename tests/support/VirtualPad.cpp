#include "support/VirtualPad.h"

#include <SDL.h>

namespace {
SDL_GameControllerButton ButtonOf(PadButton button) {
    switch (button) {
    case PadButton::A: return SDL_CONTROLLER_BUTTON_A;
    case PadButton::B: return SDL_CONTROLLER_BUTTON_B;
    case PadButton::X: return SDL_CONTROLLER_BUTTON_X;
    case PadButton::Y: return SDL_CONTROLLER_BUTTON_Y;
    case PadButton::Back: return SDL_CONTROLLER_BUTTON_BACK;
    case PadButton::Start: return SDL_CONTROLLER_BUTTON_START;
    case PadButton::DPadUp: return SDL_CONTROLLER_BUTTON_DPAD_UP;
    case PadButton::DPadDown: return SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    case PadButton::DPadLeft: return SDL_CONTROLLER_BUTTON_DPAD_LEFT;
    case PadButton::DPadRight: return SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    case PadButton::Count: break;
    }
    return SDL_CONTROLLER_BUTTON_INVALID;
}
}  // namespace

VirtualPad::VirtualPad() {
    device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                       SDL_CONTROLLER_BUTTON_MAX, 0);
    if (device >= 0) joystick = SDL_JoystickOpen(device);
}

VirtualPad::~VirtualPad() {
    if (joystick) SDL_JoystickClose(static_cast<SDL_Joystick*>(joystick));
    if (device >= 0) SDL_JoystickDetachVirtual(device);
}

void VirtualPad::SetButton(PadButton button, bool down) {
    if (joystick) SDL_JoystickSetVirtualButton(static_cast<SDL_Joystick*>(joystick), ButtonOf(button), down ? 1 : 0);
}

void VirtualPad::SetAxis(PadAxis axis, int32_t value) {
    SDL_GameControllerAxis which = axis == PadAxis::LeftX ? SDL_CONTROLLER_AXIS_LEFTX : SDL_CONTROLLER_AXIS_LEFTY;
    if (joystick) SDL_JoystickSetVirtualAxis(static_cast<SDL_Joystick*>(joystick), which, static_cast<Sint16>(value));
}

void VirtualPad::Update() { SDL_JoystickUpdate(); }

void VirtualPad::AllowWithoutFocus() { SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1"); }
