#pragma once
// The polled keyboard: SDL's key state translated into the program's key codes
// (KeyCodes.h). A state table has one byte per key code; bit 7 set means down.

#include <cstdint>

#include "platform/KeyCodes.h"

// Starts SDL's event subsystem (the key state lives there). False when it cannot.
bool OpenKeyboardDevice();
void CloseKeyboardDevice();
// Fills `state` from SDL's current key state; false (and `state` untouched)
// when the device is not open.
bool ReadKeyboardState(uint8_t (&state)[kKeyCodeCount]);
// The key code of an SDL scancode number; 0 when the key has none.
uint8_t KeyCodeOfScancode(int32_t scancode);
