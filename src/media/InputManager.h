#pragma once
// The input service: opens the platform's input devices for the keyboard. One
// per process (GetInputManager()).

class InputManager {
public:
    // Starts the platform input; answers whether a keyboard can be read.
    bool Initialize();
    // Releases the keyboard and the platform input.
    void Shutdown();
    bool IsInitialized() const { return mInitialized; }

private:
    bool mInitialized = false;
};

InputManager& GetInputManager();
