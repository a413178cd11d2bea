#include "media/Keyboard.h"

#include "core/Log.h"
#include "media/InputManager.h"
#include "platform/KeyboardDevice.h"

namespace {
constexpr uint8_t kDownBit = 0x80;
constexpr const char* kUnnamedKey = "???";

struct KeyNameEntry {
    int32_t code;
    const char* name;
};

constexpr KeyNameEntry kKeyNames[] = {
    {DIK_ESCAPE, "ESC"}, {DIK_1, "1"}, {DIK_1 + 1, "2"}, {DIK_1 + 2, "3"}, {DIK_1 + 3, "4"}, {DIK_1 + 4, "5"},
    {DIK_1 + 5, "6"}, {DIK_1 + 6, "7"}, {DIK_1 + 7, "8"}, {DIK_1 + 8, "9"}, {DIK_0, "0"}, {DIK_MINUS, "-"},
    {DIK_EQUALS, "="}, {DIK_BACK, "BACKSPACE"}, {DIK_TAB, "TAB"}, {DIK_Q, "Q"}, {DIK_W, "W"}, {DIK_E, "E"},
    {DIK_R, "R"}, {DIK_T, "T"}, {DIK_Y, "Y"}, {DIK_U, "U"}, {DIK_I, "I"}, {DIK_O, "O"}, {DIK_P, "P"},
    {DIK_LBRACKET, "["}, {DIK_RBRACKET, "]"}, {DIK_RETURN, "ENTER"}, {DIK_LCONTROL, "LEFT CTRL"},
    {DIK_A, "A"}, {DIK_S, "S"}, {DIK_D, "D"}, {DIK_F, "F"}, {DIK_G, "G"}, {DIK_H, "H"}, {DIK_J, "J"},
    {DIK_K, "K"}, {DIK_L, "L"}, {DIK_SEMICOLON, ";"}, {DIK_APOSTROPHE, "'"}, {DIK_GRAVE, "`"},
    {DIK_LSHIFT, "LEFT SHIFT"}, {DIK_BACKSLASH, "\\"}, {DIK_Z, "Z"}, {DIK_X, "X"}, {DIK_C, "C"},
    {DIK_V, "V"}, {DIK_B, "B"}, {DIK_N, "N"}, {DIK_M, "M"}, {DIK_COMMA, ","}, {DIK_PERIOD, "."},
    {DIK_SLASH, "/"}, {DIK_RSHIFT, "RIGHT SHIFT"}, {DIK_MULTIPLY, "* (KEYPAD)"}, {DIK_LMENU, "LEFT ALT"},
    {DIK_SPACE, "SPACE"}, {DIK_CAPITAL, "CAPS LOCK"}, {DIK_F1, "F1"}, {DIK_F1 + 1, "F2"},
    {DIK_F1 + 2, "F3"}, {DIK_F1 + 3, "F4"}, {DIK_F1 + 4, "F5"}, {DIK_F1 + 5, "F6"}, {DIK_F1 + 6, "F7"},
    {DIK_F1 + 7, "F8"}, {DIK_F1 + 8, "F9"}, {DIK_F10, "F10"}, {DIK_NUMLOCK, "NUMLOCK"},
    {DIK_SCROLL, "SCROLL LOCK"}, {DIK_NUMPAD7, "7 (KEYPAD)"}, {DIK_NUMPAD8, "8 (KEYPAD)"},
    {DIK_NUMPAD9, "9 (KEYPAD)"}, {DIK_SUBTRACT, "- (KEYPAD)"}, {DIK_NUMPAD4, "4 (KEYPAD)"},
    {DIK_NUMPAD5, "5 (KEYPAD)"}, {DIK_NUMPAD6, "6 (KEYPAD)"}, {DIK_ADD, "+ (KEYPAD)"},
    {DIK_NUMPAD1, "1 (KEYPAD)"}, {DIK_NUMPAD2, "2 (KEYPAD)"}, {DIK_NUMPAD3, "3 (KEYPAD)"},
    {DIK_NUMPAD0, "0 (KEYPAD)"}, {DIK_DECIMAL, ". (KEYPAD)"}, {DIK_F11, "F11"}, {DIK_F12, "F12"},
    {DIK_F13, "F13"}, {DIK_F14, "F14"}, {DIK_F15, "F15"}, {DIK_NUMPADEQUALS, "= (KEYPAD)"},
    {DIK_PREVTRACK, "PREVIOUS"}, {DIK_NEXTTRACK, "NEXT TRACK"}, {DIK_NUMPADENTER, "ENTER (KEYPAD)"},
    {DIK_RCONTROL, "RIGHT CTRL"}, {DIK_MUTE, "MUTE"}, {DIK_CALCULATOR, "CALCULATOR"},
    {DIK_MEDIASTOP, "MEDIA STOP"}, {DIK_VOLUMEDOWN, "VOLUME DOWN"}, {DIK_VOLUMEUP, "VOLUME UP"},
    {DIK_WEBHOME, "WEB HOME"}, {DIK_NUMPADCOMMA, ", (KEYPAD)"}, {DIK_DIVIDE, "/ (KEYPAD)"},
    {DIK_RMENU, "RIGHT ALT"}, {DIK_HOME, "HOME"}, {DIK_UP, "UP ARROW"}, {DIK_PRIOR, "PAGE UP"},
    {DIK_LEFT, "LEFT ARROW"}, {DIK_RIGHT, "RIGHT ARROW"}, {DIK_END, "END"}, {DIK_DOWN, "DOWN ARROW"},
    {DIK_NEXT, "PAGE DOWN"}, {DIK_INSERT, "INSERT"}, {DIK_DELETE, "DELETE"}, {DIK_LWIN, "LEFT WIN"},
    {DIK_RWIN, "RIGHT WIN"}, {DIK_APPS, "APPLICATION"}, {DIK_POWER, "POWER"}, {DIK_SLEEP, "SLEEP"},
    {DIK_WAKE, "WAKE"}, {DIK_WEBSEARCH, "WEB SEARCH"}, {DIK_WEBFAVORITES, "FAVORITES"},
    {DIK_WEBREFRESH, "WEB REFRESH"}, {DIK_WEBSTOP, "WEB STOP"}, {DIK_WEBFORWARD, "WEB FORWARD"},
    {DIK_WEBBACK, "WEB BACK"}, {DIK_MYCOMPUTER, "MY COMPUTER"}, {DIK_MAIL, "MAIL"},
    {DIK_MEDIASELECT, "MEDIA SELECT"},
};
}  // namespace

Keyboard::Keyboard() {
    for (const char*& name : mNames) name = kUnnamedKey;
    for (const KeyNameEntry& entry : kKeyNames) mNames[entry.code] = entry.name;
}

bool Keyboard::Initialize() {
    mDeviceOpen = GetInputManager().IsInitialized();
    if (!mDeviceOpen) Log::Line("Keyboard: the input service is not running");
    Clear();
    return mDeviceOpen;
}

void Keyboard::Shutdown() {
    mDeviceOpen = false;
    Clear();
}

void Keyboard::Update() {
    uint8_t state[kKeyCodeCount];
    Step(mDeviceOpen && ReadKeyboardState(state) ? state : nullptr);
}

void Keyboard::Step(const uint8_t* deviceState) {
    if (!deviceState) {
        // A lost or missing device: forget everything rather than read stale keys.
        Clear();
        return;
    }
    mCurrent = 1 - mCurrent;
    for (int32_t i = 0; i < kKeyCodeCount; ++i) mTables[mCurrent][i] = deviceState[i];
}

void Keyboard::Clear() {
    for (auto& table : mTables) {
        for (uint8_t& key : table) key = 0;
    }
}

bool Keyboard::Down(const uint8_t (&table)[kKeyCodeCount], int32_t code) {
    return code >= 0 && code < kKeyCodeCount && (table[code] & kDownBit) != 0;
}

const char* Keyboard::KeyName(int32_t code) const {
    return code >= 0 && code < kKeyCodeCount ? mNames[code] : kUnnamedKey;
}

Keyboard& GetKeyboard() {
    static Keyboard keyboard;
    return keyboard;
}
