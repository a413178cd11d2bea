#pragma once
// The settings panel over the current screen: sound and music volume, full
// screen or window, and hardware acceleration, which takes effect through a
// restart of the game when the panel is closed.

#include "game/menus/Slider.h"
#include "ui/Button.h"
#include "ui/Gadget.h"

class PlimbZappetsApp;
class Sprite;

class OptionsMenu : public Gadget {
public:
    explicit OptionsMenu(PlimbZappetsApp& app);
    ~OptionsMenu() override;

    // Hardware acceleration wanted after the next start.
    bool DisplayChoice() const { return displayChoice; }

    void Draw() override;
    void Notify(Gadget* source) override;

private:
    void SetUpBox(Button& box, const char* label, float x, float y);
    void SetUpSlider(Slider& slider, const char* label, float y, float value);
    void DrawBox(const Button& box, bool selected) const;
    void Finish();

    PlimbZappetsApp& app;
    const Sprite* panel = nullptr;
    const Sprite* doneDown = nullptr;
    const Sprite* doneHilite = nullptr;
    Slider volume, music;
    Button fullScreenOn, fullScreenOff, hardwareOn, hardwareOff;
    Button done;
    bool displayChoice;
};
