#pragma once
// The polled keyboard: the state of every key (KeyCodes.h) in the current and
// the previous update step, and the printable key names. One per process
// (GetKeyboard()). Without a keyboard device every key reads as up.

#include <cstdint>

#include "platform/KeyCodes.h"

class Keyboard {
public:
    Keyboard();

    // Needs the input service started first; answers whether keys can be read.
    bool Initialize();
    void Shutdown();
    // Once per update step: reads the device into the other table.
    void Update();
    // The step Update() takes with a given device state (null: the read failed,
    // which clears both tables). Tests feed states through here.
    void Step(const uint8_t* deviceState);
    // Both tables to "up": nothing reads as held until pressed again.
    void Clear();

    bool IsDown(int32_t code) const { return Down(mTables[mCurrent], code); }
    bool WasDown(int32_t code) const { return Down(mTables[1 - mCurrent], code); }
    // Down now and up in the previous step.
    bool WasPressed(int32_t code) const { return IsDown(code) && !WasDown(code); }
    // "???" for codes without a name (and for anything outside 0 .. 255).
    const char* KeyName(int32_t code) const;

private:
    static bool Down(const uint8_t (&table)[kKeyCodeCount], int32_t code);

    uint8_t mTables[2][kKeyCodeCount] = {};
    int32_t mCurrent = 0;
    bool mDeviceOpen = false;
    const char* mNames[kKeyCodeCount];
};

Keyboard& GetKeyboard();
