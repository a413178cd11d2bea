#pragma once
// The program window and its event pump. SDL events come out as WindowEvent
// records (WindowMessages.h). In headless runs the window lives on SDL's dummy
// video driver: it exists, has a size and takes a software renderer, but
// nothing appears on screen.

#include <cstdint>
#include <deque>

#include "core/String.h"
#include "platform/Letterbox.h"
#include "platform/WindowMessages.h"

struct SDL_Window;

class Window {
public:
    Window() = default;
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Creates the window at (x, y) with the client size given, hidden until
    // Show(). Answers false (and logs SDL's reason) when no window can be made.
    bool Create(const String& title, int32_t x, int32_t y, int32_t width, int32_t height);
    void Destroy();
    bool Exists() const { return mSdl != nullptr; }
    // The id carried in every event record of this window; 0 without one.
    uint32_t Id() const;

    void SetTitle(const String& title);
    // The picture the desktop shows for the window: width x height pixels,
    // rows top to bottom, each 0xAARRGGBB.
    void SetIcon(const uint32_t* pixels, int32_t width, int32_t height);
    void SetSize(int32_t width, int32_t height);
    void Move(int32_t x, int32_t y);
    void Show();
    void Hide();
    void Minimise();
    // Restores a minimised window and brings it to the front with the focus.
    void Raise();

    int32_t Width() const;
    int32_t Height() const;
    bool IsMinimised() const;
    bool HasInputFocus() const;

    // Mouse position relative to the client area, in window pixels; may lie
    // outside it. False when the mouse position is unknown.
    bool MousePosition(int32_t& x, int32_t& y) const;
    // Keeps mouse events coming while a button is held outside the window.
    void CaptureMouse(bool on);
    bool HasMouseCapture() const { return mCaptured; }

    // Takes the next translated message; false when none is pending. Also
    // answers a Close message once after SIGTERM, SIGINT or SIGHUP arrived.
    // Mouse messages carry logical pixels once a letterbox is set.
    bool PollEvent(WindowEvent& event);
    // Where the renderer shows the logical screen; mouse positions are mapped through it.
    void SetLetterbox(const Letterbox& letterbox) { mLetterbox = letterbox, mMapsPointer = true; }

private:
    friend SDL_Window* SdlWindowOf(const Window& window);
    void MapPointer(WindowEvent& event) const;

    SDL_Window* mSdl = nullptr;
    Letterbox mLetterbox;
    bool mMapsPointer = false;
    bool mVideoStarted = false;
    bool mCaptured = false;
    std::deque<WindowEvent> mPending;
};
