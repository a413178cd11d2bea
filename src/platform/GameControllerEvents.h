#pragma once
// Platform-internal: the controller events of one SDL event as pad messages.

#include <SDL.h>

#include <deque>

#include "platform/WindowMessages.h"

class GameControllerEvents {
public:
    // False for events that are not about gamepads.
    static bool Translate(const SDL_Event& event, uint32_t window, std::deque<WindowEvent>& out);
};
