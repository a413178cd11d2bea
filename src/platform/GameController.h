#pragma once
// Gamepads through the platform's game-controller layer: pads are opened as
// they are plugged in and closed as they go, and their buttons and left stick
// arrive as the game's own pad messages (WindowMessages.h). One per process.

#include <cstdint>

class GameControllers {
public:
    // Starts the controller layer; pads plugged in already announce themselves
    // as the first events. Answers whether pads can be read at all.
    bool Start();
    void Stop();
    int32_t OpenCount() const { return openCount; }

private:
    friend class GameControllerEvents;
    bool started = false;
    int32_t openCount = 0;
};

GameControllers& GetGameControllers();
