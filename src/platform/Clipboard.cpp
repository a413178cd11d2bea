#include "platform/Clipboard.h"

#include <SDL.h>

#include <cstring>

String ReadClipboardText(int32_t maxBytes) {
    if (maxBytes <= 0 || SDL_WasInit(SDL_INIT_VIDEO) == 0 || !SDL_HasClipboardText()) return String();
    char* text = SDL_GetClipboardText();
    if (!text) return String();
    size_t length = strnlen(text, static_cast<size_t>(maxBytes));
    String result(text, length);
    SDL_free(text);
    return result;
}

bool WriteClipboardText(const String& text) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    return SDL_SetClipboardText(text.c_str()) == 0;
}
