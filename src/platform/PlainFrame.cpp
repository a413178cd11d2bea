#include "platform/PlainFrame.h"

#include "platform/MessageBox.h"
#include "platform/SdlWindow.h"

void PresentPlainFrame(const Window& window) {
    SDL_Window* sdl = SdlWindowOf(window);
    if (!sdl) return;
    SDL_Renderer* renderer = SDL_GetRenderer(sdl);
    if (!renderer) renderer = SDL_CreateRenderer(sdl, -1, IsHeadless() ? SDL_RENDERER_SOFTWARE : 0);
    if (!renderer) return;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(renderer);
    SDL_RenderPresent(renderer);
}
