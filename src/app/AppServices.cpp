// The application's seam to the framework services: graphics (drawing,
// display mode, presenting), audio and input. Each service wires itself in
// here; until one exists the application does the least it needs itself.
#include "app/App.h"
#include "platform/PlainFrame.h"

App::DisplayState App::Display() const {
    DisplayState state;
    state.ready = mWindow.Exists();
    state.minimised = mWindow.IsMinimised();
    state.width = mWindow.Width();
    state.height = mWindow.Height();
    return state;
}

bool App::StartServices() { return mWindow.Exists(); }

void App::UpdateServices() {}

void App::StopServices() {}

void App::BeginDraw() {}

void App::EndDraw() {}

void App::PresentFrame() { PresentPlainFrame(mWindow); }

void App::DrawDebugText(int32_t x, int32_t y, const String& text) {}

int32_t App::TextureSwapsThisFrame() const { return 0; }

void App::ToggleFullScreen() {}

void App::TurnOnDisplayVSync() {}
