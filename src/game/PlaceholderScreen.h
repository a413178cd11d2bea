#pragma once
// Holds a screen slot whose screen is not built yet: its name in the middle
// of the screen, and a click that leads back to the title screen (the
// options close instead, as they lie over another screen), so the flow
// between screens can be walked from the start.

#include "core/String.h"
#include "game/ScreenKind.h"
#include "ui/Gadget.h"

class PlimbZappetsApp;

class PlaceholderScreen : public Gadget {
public:
    PlaceholderScreen(PlimbZappetsApp& app, ScreenKind kind);

    void Draw() override;
    void OnMouseUp(float x, float y, int32_t button) override;

private:
    PlimbZappetsApp& app;
    ScreenKind kind;
    String title;
};
