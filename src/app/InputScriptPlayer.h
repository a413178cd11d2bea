#pragma once
// Plays an input script into the application as if the window had sent it,
// one update step at a time, and records what the player does in the same
// notation. A "press" waits (at most kPressWaitTicks) for its gadget, and
// everything after it waits as long.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "app/InputScript.h"
#include "platform/WindowMessages.h"

class App;
class Gadget;

class InputScriptPlayer {
public:
    static constexpr int32_t kPressWaitTicks = 2000;
    static constexpr int32_t kExitNoGadget = 3;

    InputScriptPlayer(App& app, InputScript script);

    // Feeds what is due before update step `tick`. False when the script
    // cannot go on (its error is then set).
    bool Feed(int32_t tick);
    const std::string& Error() const { return error; }
    bool TakesScreenshots() const;

private:
    struct Pending {
        int32_t tick;
        uint32_t message, wparam, lparam;
    };
    void Send(uint32_t message, uint32_t wparam, uint32_t lparam);
    void Queue(int32_t tick, uint32_t message, uint32_t wparam, uint32_t lparam);
    // Move there now, press next tick, release the tick after.
    void QueueClick(int32_t tick, int32_t button, float x, float y);
    uint32_t Point(float x, float y) const;
    bool Play(const ScriptLine& line, int32_t tick);

    App& app;
    InputScript script;
    size_t next = 0;
    int32_t delay = 0;          // ticks every later line has moved back by
    int32_t waitingSince = -1;  // tick the current press began to wait for its gadget
    uint32_t lastPoint = 0;     // the last pointer position sent, packed
    std::vector<Pending> pending;
    std::string error;
};

// Finds the top-most visible, enabled gadget whose label is `name`.
Gadget* FindLabelledGadget(App& app, const std::string& name);

// Writes what the player did, one script line per event, the seed first.
class InputRecorder {
public:
    bool Open(const std::string& path, int32_t seed);
    // A window event at update step `tick` (mouse positions already logical).
    void Record(int32_t tick, const WindowEvent& event, float scaleX, float scaleY);

private:
    std::ofstream file;
};
