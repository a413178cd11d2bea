#pragma once
// Platform-internal: turns one SDL event into the window messages a Win32
// window would have received for it (none, one or several), appended to `out`.
// Events of other windows are dropped.

#include <SDL.h>

#include <deque>

#include "platform/WindowMessages.h"

void TranslateSdlEvent(const SDL_Event& event, uint32_t windowId, std::deque<WindowEvent>& out);

// The virtual-key code of an SDL key; 0 for keys that have none.
uint32_t VirtualKeyOf(SDL_Keycode key);
