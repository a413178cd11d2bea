#pragma once
// Watches for a player who has walked away from the title or the main menu:
// after kIdleTicks update steps without input there the demonstration takes
// the screen, and the first input gives the screen back. The screen waits
// off the gadget tree meanwhile, so it comes back exactly as it was left;
// the random generator too is put back as it was, so the rest of the session
// goes as if no demonstration had played.

#include <cstdint>
#include <memory>

#include "core/Random.h"

class Demo;
class Gadget;
class PlimbZappetsApp;

class AttractMode {
public:
    static constexpr int32_t kIdleTicks = 3000;  // update steps: 30 s

    explicit AttractMode(PlimbZappetsApp& app);
    ~AttractMode();
    AttractMode(const AttractMode&) = delete;
    AttractMode& operator=(const AttractMode&) = delete;

    // Every window message passes here. True claims it: presses, keys and
    // wheel turns that end a demonstration go no further, while a pointer
    // move reaches the screen that comes back.
    bool OnWindowMessage(uint32_t message, uint32_t lparam);
    // Before each update step: counts idle steps, starts and ends the show.
    void BeforeUpdate();
    // Ends a running demonstration now; the screen it covered comes back.
    void Stop();

    bool IsRunning() const { return demo != nullptr; }
    const Demo* Show() const { return demo.get(); }
    int32_t IdleTicks() const { return idleTicks; }

private:
    void Start(Gadget& screen);
    // `announce`: the screen's return is logged like any screen change.
    void EndShow(bool announce);

    PlimbZappetsApp& app;
    int32_t idleTicks = 0;
    bool inputSeen = false;
    std::unique_ptr<Demo> demo;
    Gadget* covered = nullptr;  // off the tree while the demonstration runs
    Random savedRandom;
    int32_t demosShown = 0;
};
