#include "platform/KeyNames.h"

#include <SDL.h>

#include "platform/SdlEventTranslation.h"

uint32_t VirtualKeyFromName(std::string_view name) {
    std::string text(name);
    SDL_Keycode key = SDL_GetKeyFromName(text.c_str());
    return key == SDLK_UNKNOWN ? 0 : VirtualKeyOf(key);
}

std::string NameOfVirtualKey(uint32_t virtualKey) {
    if (virtualKey == 0) return "";
    // Letters and digits are their own names; the keymap of a keyboard that
    // has not been opened yet still knows every other key by its scancode.
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return std::string(1, static_cast<char>(virtualKey));
    for (int32_t code = 0; code < SDL_NUM_SCANCODES; ++code) {
        SDL_Keycode key = SDL_SCANCODE_TO_KEYCODE(static_cast<SDL_Scancode>(code));
        if (VirtualKeyOf(key) == virtualKey) return SDL_GetKeyName(key);
    }
    for (SDL_Keycode key : {SDLK_RETURN, SDLK_ESCAPE, SDLK_BACKSPACE, SDLK_TAB, SDLK_SPACE})
        if (VirtualKeyOf(key) == virtualKey) return SDL_GetKeyName(key);
    return "";
}
