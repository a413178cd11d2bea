#include "platform/ScreenSaver.h"

#include <SDL.h>

void AllowScreenSaver(bool allowed) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
    if (allowed)
        SDL_EnableScreenSaver();
    else
        SDL_DisableScreenSaver();
}
