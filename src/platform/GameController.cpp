#include "platform/GameController.h"

#include <SDL.h>

#include "core/Log.h"
#include "platform/GameControllerEvents.h"

namespace {
GameControllers gControllers;

bool PadButtonOf(uint8_t button, PadButton& out) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A: out = PadButton::A; return true;
        case SDL_CONTROLLER_BUTTON_B: out = PadButton::B; return true;
        case SDL_CONTROLLER_BUTTON_X: out = PadButton::X; return true;
        case SDL_CONTROLLER_BUTTON_Y: out = PadButton::Y; return true;
        case SDL_CONTROLLER_BUTTON_BACK: out = PadButton::Back; return true;
        case SDL_CONTROLLER_BUTTON_START: out = PadButton::Start; return true;
        case SDL_CONTROLLER_BUTTON_DPAD_UP: out = PadButton::DPadUp; return true;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN: out = PadButton::DPadDown; return true;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT: out = PadButton::DPadLeft; return true;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: out = PadButton::DPadRight; return true;
        default: return false;
    }
}

bool PadAxisOf(uint8_t axis, PadAxis& out) {
    switch (axis) {
        case SDL_CONTROLLER_AXIS_LEFTX: out = PadAxis::LeftX; return true;
        case SDL_CONTROLLER_AXIS_LEFTY: out = PadAxis::LeftY; return true;
        default: return false;
    }
}
}  // namespace

GameControllers& GetGameControllers() { return gControllers; }

bool GameControllers::Start() {
    if (started) return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        Log::Line("No gamepads: %s", SDL_GetError());
        return false;
    }
    started = true;
    return true;
}

void GameControllers::Stop() {
    if (!started) return;
    // Quitting the layer closes every pad still open.
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started = false;
    openCount = 0;
}

bool GameControllerEvents::Translate(const SDL_Event& event, uint32_t window, std::deque<WindowEvent>& out) {
    GameControllers& pads = GetGameControllers();
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            // The controller stays open until the layer stops; the platform
            // closes it by itself when the device goes.
            if (SDL_GameControllerOpen(event.cdevice.which)) {
                ++pads.openCount;
                const char* name = SDL_GameControllerNameForIndex(event.cdevice.which);
                Log::Line("Gamepad connected: %s", name ? name : "(no name)");
            }
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (SDL_GameController* pad = SDL_GameControllerFromInstanceID(event.cdevice.which)) {
                SDL_GameControllerClose(pad);
                if (pads.openCount > 0) --pads.openCount;
                Log::Line("Gamepad disconnected");
            }
            return true;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            PadButton button;
            if (!PadButtonOf(event.cbutton.button, button)) return true;
            uint32_t message =
                event.type == SDL_CONTROLLERBUTTONDOWN ? WindowMessage::PadButtonDown : WindowMessage::PadButtonUp;
            out.push_back(WindowEvent{window, message, static_cast<uint32_t>(button), 0});
            return true;
        }
        case SDL_CONTROLLERAXISMOTION: {
            PadAxis axis;
            if (!PadAxisOf(event.caxis.axis, axis)) return true;
            out.push_back(WindowEvent{window, WindowMessage::PadAxisMotion, static_cast<uint32_t>(axis),
                                      PackAxisValue(event.caxis.value)});
            return true;
        }
        default: return false;
    }
}
