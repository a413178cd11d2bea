#pragma once
// Platform-internal: the SDL window behind a Window, for the renderer and the
// input services inside src/platform. Never include this outside src/platform.

#include <SDL.h>

#include "platform/Window.h"

// Null when the window has not been created.
SDL_Window* SdlWindowOf(const Window& window);
