#include "platform/Window.h"

#include "core/Log.h"
#include "platform/MessageBox.h"
#include "platform/QuitSignals.h"
#include "platform/SdlEventTranslation.h"
#include "platform/SdlWindow.h"

SDL_Window* SdlWindowOf(const Window& window) { return window.mSdl; }

Window::~Window() { Destroy(); }

bool Window::Create(const String& title, int32_t x, int32_t y, int32_t width, int32_t height) {
    Destroy();
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (IsHeadless()) SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        Log::Line("Error[SDL_InitSubSystem(VIDEO)]: %s", SDL_GetError());
        return false;
    }
    mVideoStarted = true;
    mSdl = SDL_CreateWindow(title.c_str(), x, y, width, height,
                            SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!mSdl) {
        Log::Line("Error[SDL_CreateWindow]: %s", SDL_GetError());
        Destroy();
        return false;
    }
    return true;
}

void Window::Destroy() {
    if (mSdl) {
        CaptureMouse(false);
        // A renderer still attached (its owner has shut down first) goes with the window.
        if (SDL_Renderer* renderer = SDL_GetRenderer(mSdl)) SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(mSdl);
        mSdl = nullptr;
    }
    mPending.clear();
    mMapsPointer = false;
    if (mVideoStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        mVideoStarted = false;
    }
}

uint32_t Window::Id() const { return mSdl ? SDL_GetWindowID(mSdl) : 0; }

void Window::SetIcon(const uint32_t* pixels, int32_t width, int32_t height) {
    if (!mSdl || !pixels || width <= 0 || height <= 0) return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(pixels), width, height, 32, width * 4,
                                                           SDL_PIXELFORMAT_ARGB8888);
    if (!icon) return;
    SDL_SetWindowIcon(mSdl, icon);
    SDL_FreeSurface(icon);
}

void Window::SetTitle(const String& title) {
    if (mSdl) SDL_SetWindowTitle(mSdl, title.c_str());
}

void Window::SetSize(int32_t width, int32_t height) {
    if (mSdl) SDL_SetWindowSize(mSdl, width, height);
}

void Window::Move(int32_t x, int32_t y) {
    if (mSdl) SDL_SetWindowPosition(mSdl, x, y);
}

void Window::Show() {
    if (mSdl) SDL_ShowWindow(mSdl);
}

void Window::Hide() {
    if (mSdl) SDL_HideWindow(mSdl);
}

void Window::Minimise() {
    if (mSdl) SDL_MinimizeWindow(mSdl);
}

void Window::Raise() {
    if (!mSdl) return;
    if (IsMinimised()) SDL_RestoreWindow(mSdl);
    SDL_RaiseWindow(mSdl);
}

int32_t Window::Width() const {
    int width = 0;
    if (mSdl) SDL_GetWindowSize(mSdl, &width, nullptr);
    return width;
}

int32_t Window::Height() const {
    int height = 0;
    if (mSdl) SDL_GetWindowSize(mSdl, nullptr, &height);
    return height;
}

bool Window::IsMinimised() const { return mSdl && (SDL_GetWindowFlags(mSdl) & SDL_WINDOW_MINIMIZED); }

bool Window::HasInputFocus() const { return mSdl && (SDL_GetWindowFlags(mSdl) & SDL_WINDOW_INPUT_FOCUS); }

bool Window::MousePosition(int32_t& x, int32_t& y) const {
    if (!mSdl) return false;
    int globalX = 0, globalY = 0, windowX = 0, windowY = 0;
    SDL_GetGlobalMouseState(&globalX, &globalY);
    SDL_GetWindowPosition(mSdl, &windowX, &windowY);
    x = globalX - windowX;
    y = globalY - windowY;
    return true;
}

void Window::CaptureMouse(bool on) {
    if (!mSdl || on == mCaptured) return;
    mCaptured = on;
    SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE);
}

bool Window::PollEvent(WindowEvent& event) {
    if (mPending.empty() && TakeQuitSignal()) mPending.push_back(WindowEvent{Id(), WindowMessage::Close, 0, 0});
    SDL_Event sdlEvent;
    while (mPending.empty() && mVideoStarted && SDL_PollEvent(&sdlEvent)) TranslateSdlEvent(sdlEvent, Id(), mPending);
    if (mPending.empty()) return false;
    event = mPending.front();
    mPending.pop_front();
    MapPointer(event);
    return true;
}

void Window::MapPointer(WindowEvent& event) const {
    if (!mMapsPointer || event.message < WindowMessage::MouseMove || event.message > WindowMessage::MouseWheel) return;
    int32_t x = 0, y = 0;
    mLetterbox.ToLogical(PointX(event.lparam), PointY(event.lparam), x, y);
    event.lparam = PackPoint(x, y);
}
