#pragma once
// The event records the window produces. They carry the message numbers,
// virtual-key codes and packed coordinates of the Win32 window procedure the
// application's input routing was written for, so that code never sees SDL.

#include <cstdint>

// One queued window message: 16 bytes, as the window procedure received it.
struct WindowEvent {
    uint32_t window = 0;   // id of the window (WindowId)
    uint32_t message = 0;  // a WindowMessage number
    uint32_t wparam = 0;   // first parameter
    uint32_t lparam = 0;   // second parameter
};

namespace WindowMessage {
constexpr uint32_t Size = 0x0005;          // wparam: SizeRestored / SizeMinimized
constexpr uint32_t Activate = 0x0006;      // wparam: ActivateInactive / Active / ClickActive
constexpr uint32_t Paint = 0x000F;
constexpr uint32_t Close = 0x0010;
constexpr uint32_t EndSession = 0x0016;    // wparam 1: the session ends
constexpr uint32_t ActivateApp = 0x001C;   // wparam != 0: the application became active
constexpr uint32_t SetCursor = 0x0020;
constexpr uint32_t NcLeftButtonDoubleClick = 0x00A3;
constexpr uint32_t KeyDown = 0x0100;       // wparam: virtual-key code; lparam: KeyFlags
constexpr uint32_t KeyUp = 0x0101;
constexpr uint32_t Char = 0x0102;          // wparam: character code (0 .. 255)
constexpr uint32_t SysKeyDown = 0x0104;    // keys pressed while Alt is held, and Alt itself
constexpr uint32_t SysKeyUp = 0x0105;
constexpr uint32_t SysCommand = 0x0112;    // wparam: a SysCommand code
constexpr uint32_t MouseMove = 0x0200;     // wparam: MouseKeys flags; lparam: PackPoint(x, y)
constexpr uint32_t LeftButtonDown = 0x0201;
constexpr uint32_t LeftButtonUp = 0x0202;
constexpr uint32_t LeftButtonDoubleClick = 0x0203;
constexpr uint32_t RightButtonDown = 0x0204;
constexpr uint32_t RightButtonUp = 0x0205;
constexpr uint32_t RightButtonDoubleClick = 0x0206;
constexpr uint32_t MiddleButtonDown = 0x0207;
constexpr uint32_t MiddleButtonUp = 0x0208;
constexpr uint32_t MiddleButtonDoubleClick = 0x0209;
constexpr uint32_t MouseWheel = 0x020A;    // wparam high 16 bits: signed delta, WheelNotch per notch
// Gamepad input, in the game's own terms (never sent by Windows): wparam a
// PadButton, or a PadAxis with lparam its signed position (PadAxisValue).
constexpr uint32_t PadButtonDown = 0x0400;
constexpr uint32_t PadButtonUp = 0x0401;
constexpr uint32_t PadAxisMotion = 0x0402;
// The message a second copy of the program sends to the running one so that
// it comes to the front (registered messages live from 0xC000 up).
constexpr uint32_t InstanceNotify = 0xC000;
}  // namespace WindowMessage

constexpr uint32_t ActivateInactive = 0;
constexpr uint32_t ActivateActive = 1;
constexpr uint32_t ActivateClickActive = 2;
constexpr uint32_t SizeRestored = 0;
constexpr uint32_t SizeMinimized = 1;
constexpr int32_t WheelNotch = 120;  // wheel delta of one notch

namespace SysCommand {
constexpr uint32_t Minimize = 0xF020;
constexpr uint32_t Maximize = 0xF030;
constexpr uint32_t MonitorPower = 0xF170;
}  // namespace SysCommand

// Button and modifier flags in wparam of mouse messages.
namespace MouseKeys {
constexpr uint32_t Left = 0x0001;
constexpr uint32_t Right = 0x0002;
constexpr uint32_t Shift = 0x0004;
constexpr uint32_t Control = 0x0008;
constexpr uint32_t Middle = 0x0010;
}  // namespace MouseKeys

// lparam of key messages: repeat count 1 in the low word, then these bits.
namespace KeyFlags {
constexpr uint32_t RepeatOne = 0x00000001;
constexpr uint32_t WasDown = 0x40000000;     // the key was already down (auto-repeat, and every release)
constexpr uint32_t Releasing = 0x80000000;   // set on key-up messages
}  // namespace KeyFlags

// Virtual-key codes. Letters and digits are their upper-case ASCII codes.
namespace VirtualKey {
constexpr uint32_t Back = 0x08;
constexpr uint32_t Tab = 0x09;
constexpr uint32_t Return = 0x0D;
constexpr uint32_t Shift = 0x10;
constexpr uint32_t Control = 0x11;
constexpr uint32_t Menu = 0x12;  // Alt
constexpr uint32_t Pause = 0x13;
constexpr uint32_t Capital = 0x14;
constexpr uint32_t Escape = 0x1B;
constexpr uint32_t Space = 0x20;
constexpr uint32_t Prior = 0x21;  // Page Up
constexpr uint32_t Next = 0x22;   // Page Down
constexpr uint32_t End = 0x23;
constexpr uint32_t Home = 0x24;
constexpr uint32_t Left = 0x25;
constexpr uint32_t Up = 0x26;
constexpr uint32_t Right = 0x27;
constexpr uint32_t Down = 0x28;
constexpr uint32_t Snapshot = 0x2C;  // Print Screen
constexpr uint32_t Insert = 0x2D;
constexpr uint32_t Delete = 0x2E;
constexpr uint32_t Digit0 = 0x30;  // .. 0x39
constexpr uint32_t LetterA = 0x41; // .. 0x5A
constexpr uint32_t LeftWindows = 0x5B;
constexpr uint32_t RightWindows = 0x5C;
constexpr uint32_t Apps = 0x5D;
constexpr uint32_t Numpad0 = 0x60;  // .. 0x69
constexpr uint32_t Multiply = 0x6A;
constexpr uint32_t Add = 0x6B;
constexpr uint32_t Subtract = 0x6D;
constexpr uint32_t Decimal = 0x6E;
constexpr uint32_t Divide = 0x6F;
constexpr uint32_t F1 = 0x70;  // .. F24 = 0x87
constexpr uint32_t NumLock = 0x90;
constexpr uint32_t Scroll = 0x91;
constexpr uint32_t Semicolon = 0xBA;  // OEM_1
constexpr uint32_t Plus = 0xBB;
constexpr uint32_t Comma = 0xBC;
constexpr uint32_t Minus = 0xBD;
constexpr uint32_t Period = 0xBE;
constexpr uint32_t Slash = 0xBF;       // OEM_2
constexpr uint32_t BackQuote = 0xC0;   // OEM_3
constexpr uint32_t LeftBracket = 0xDB; // OEM_4
constexpr uint32_t Backslash = 0xDC;   // OEM_5
constexpr uint32_t RightBracket = 0xDD;// OEM_6
constexpr uint32_t Quote = 0xDE;       // OEM_7
}  // namespace VirtualKey

// Gamepad buttons and sticks as the game names them (a standard layout:
// A at the bottom of the face buttons, B right, X left, Y top).
enum class PadButton : uint32_t { A, B, X, Y, Back, Start, DPadUp, DPadDown, DPadLeft, DPadRight, Count };
enum class PadAxis : uint32_t { LeftX, LeftY, Count };
constexpr int32_t kPadAxisMost = 32767;  // a stick pushed all the way
constexpr uint32_t PackAxisValue(int32_t value) { return static_cast<uint32_t>(value); }
constexpr int32_t PadAxisValue(uint32_t lparam) { return static_cast<int32_t>(lparam); }

// Mouse coordinates travel as two signed 16-bit halves of one parameter.
constexpr uint32_t PackPoint(int32_t x, int32_t y) {
    return (static_cast<uint32_t>(x) & 0xFFFFu) | ((static_cast<uint32_t>(y) & 0xFFFFu) << 16);
}
constexpr int32_t PointX(uint32_t packed) { return static_cast<int16_t>(packed & 0xFFFFu); }
constexpr int32_t PointY(uint32_t packed) { return static_cast<int16_t>(packed >> 16); }
// The signed high half of a parameter (wheel delta).
constexpr int32_t HighWordSigned(uint32_t value) { return static_cast<int16_t>(value >> 16); }
