#include "media/InputManager.h"

#include "core/Log.h"
#include "media/Keyboard.h"
#include "platform/KeyboardDevice.h"

bool InputManager::Initialize() {
    if (!mInitialized) {
        mInitialized = OpenKeyboardDevice();
        if (!mInitialized) Log::Line("Input: no keyboard device; every key reads as up");
    }
    return mInitialized;
}

void InputManager::Shutdown() {
    GetKeyboard().Shutdown();
    if (mInitialized) CloseKeyboardDevice();
    mInitialized = false;
}

InputManager& GetInputManager() {
    static InputManager manager;
    return manager;
}
