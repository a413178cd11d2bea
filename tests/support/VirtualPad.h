#pragma once
// A simulated gamepad for tests: the platform's virtual joystick laid out as
// a game controller, plugged in on construction and pulled out on
// destruction. The controller layer must be started first.

#include <cstdint>

#include "platform/WindowMessages.h"

class VirtualPad {
public:
    VirtualPad();
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool IsPlugged() const { return joystick != nullptr; }
    void SetButton(PadButton button, bool down);
    void SetAxis(PadAxis axis, int32_t value);
    // Lets the platform see the new state (the events follow on the next poll).
    static void Update();
    // Pads speak only to a focused program, and the dummy video driver's
    // window never has the focus: this lets them speak anyway.
    static void AllowWithoutFocus();

private:
    int device = -1;
    void* joystick = nullptr;  // the platform's joystick, opened to set its state
};
