#pragma once
// The menu over the paused game: back to the game, to the temple (the
// journey map), to the main menu, or the options over it all. Its buttons
// sway; the one under the pointer is drawn on top, lit.

#include <array>

#include "ui/Button.h"
#include "ui/Gadget.h"

class Game;
class PlimbZappetsApp;
class Sprite;

class InGameMenu : public Gadget {
public:
    static constexpr float kSwayDegrees = 5;  // the largest turn of a button

    InGameMenu(PlimbZappetsApp& app, Game& game);
    ~InGameMenu() override;

    // Drawn by the game over its pause dimming, not in the child pass.
    void Draw() override {}
    void Paint() const;
    void Notify(Gadget* source) override;

private:
    struct Choice {
        Button button;
        const Sprite* rest = nullptr;
        const Sprite* lit = nullptr;
    };
    enum ChoiceIndex : int32_t { Options, BackToTemple, BackToMainMenu, BackToGame, kChoiceCount };

    void AddChoice(ChoiceIndex index, const char* label, const char* rest, const char* lit, float x, float y);
    void DrawChoice(const Choice& choice, float degrees) const;

    PlimbZappetsApp& app;
    Game& game;
    const Sprite* background = nullptr;
    std::array<Choice, kChoiceCount> choices;
};
