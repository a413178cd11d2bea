#pragma once
// What the command line asked for. CommandLine fills it; the application
// reads it in Initialize.

#include <cstdint>

#include "core/String.h"
#include "data/HardwareSwitches.h"

struct LaunchOptions {
    String commandLine;     // every argument after the program name, joined by spaces
    bool headless = false;  // no window on screen, no audio device, message boxes answer at once
    bool fast = false;      // virtual clock: one update step per loop tick, no sleeping
    int32_t ticks = -1;     // quit after this many update steps; -1 runs until closed
    bool hasSeed = false;
    int32_t seed = 0;            // random seed when hasSeed
    String userFolder;           // per-user data folder override; empty: the usual one
    String dataFolder;           // game data root override; empty: searched for
    String screenshotFile;       // last frame written here at exit; empty: none
    String inputFile;            // input script played into the window's queue; empty: none
    String recordFile;           // the player's input written here as a script; empty: none
    bool crash = false;          // "-crash": fault at start to exercise the crash report
    bool forceHardware = false;  // "-hardware"
    bool forceSoftware = false;  // "-software"
    bool hardwareTest = false;   // "-hwtest"
    String level;                // play this one level (a theme word); empty: the whole game
    String stage;                // play this one stage (a level group, "World 1-1"); empty: the whole game
    int32_t world = 1;           // the level's world, 1 .. 5
    int32_t playStyle = 0;       // 0 normal, 1 child, 2 apocalypse
    bool autoplay = false;       // a bot plays the boards through the player's inputs and goes on after each level
    bool autoplayKeys = false;   // "--autoplay-keys": the same bot, steering with the keyboard instead of the mouse
    bool showVersion = false;
    bool showHelp = false;

    // The switches as given, whole arguments only: a folder named
    // "my-hardware" forces nothing.
    HardwareSwitches Hardware() const { return {forceHardware, forceSoftware, hardwareTest}; }
};
