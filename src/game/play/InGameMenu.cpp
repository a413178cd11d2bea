#include "game/play/InGameMenu.h"

#include <cmath>

#include "game/PlimbZappetsApp.h"
#include "game/play/Game.h"
#include "media/Graphics.h"
#include "media/Sprite.h"

namespace {
constexpr float kCentreX = 400, kCentreY = 300;
constexpr float kDegrees = 3.14159265f / 180;
constexpr Rect kFallbackButton{0, 0, 160, 60};  // a button's size when its picture is missing
constexpr const char* kHoverSound = "Sounds\\snap";
constexpr const char* kPressSound = "Sounds\\pop";
}  // namespace

InGameMenu::InGameMenu(PlimbZappetsApp& owner, Game& playing) : app(owner), game(playing) {
    mName = "InGameMenu";
    FillScreen();
    background = app.Resources().FindSprite("graphics\\PopupMenu\\PopupBackground");
    AddChoice(Options, "Options", "graphics\\mainmenu\\OptionsNormal", "graphics\\mainmenu\\OptionsHilite", 325, 380);
    AddChoice(BackToTemple, "BackToTemple", "graphics\\PopupMenu\\BackToTemple",
              "graphics\\PopupMenu\\BackToTempleHilite", 117, 290);
    AddChoice(BackToMainMenu, "BackToMainMenu", "graphics\\PopupMenu\\BackToMainMenu",
              "graphics\\PopupMenu\\BackToMainMenuHilite", 496, 290);
    AddChoice(BackToGame, "BackToGame", "graphics\\PopupMenu\\BackToGame", "graphics\\PopupMenu\\BackToGameHilite", 275,
              122);
}

InGameMenu::~InGameMenu() {
    for (Choice& choice : choices) RemoveChild(&choice.button);
}

void InGameMenu::AddChoice(ChoiceIndex index, const char* label, const char* rest, const char* lit, float x, float y) {
    Choice& choice = choices[static_cast<size_t>(index)];
    const Catalogue& resources = app.Resources();
    choice.rest = resources.FindSprite(rest);
    choice.lit = resources.FindSprite(lit);
    if (choice.rest)
        choice.button.SetSpriteShape(x, y, choice.rest);
    else
        choice.button.SetRect(Rect{x, y, kFallbackButton.width, kFallbackButton.height});
    choice.button.mLabel = label;
    choice.button.SetHandCursor();
    choice.button.SetSounds(resources.FindSound(kPressSound), resources.FindSound(kHoverSound));
    choice.button.SetListener(this, true);
}

void InGameMenu::Notify(Gadget* source) {
    if (app.IsTransitionRunning()) return;
    if (source == &choices[Options].button) {
        app.ShowOptions();
    } else if (source == &choices[BackToTemple].button) {
        app.StartTransition(TransitionKind::JourneyMap);
        app.score = 0;
        app.lives = PlimbZappetsApp::kStartLives;
    } else if (source == &choices[BackToMainMenu].button) {
        app.SaveJourney();
        app.StartTransition(TransitionKind::MainMenu);
    } else if (source == &choices[BackToGame].button) {
        game.ResumePlay();
    }
}

void InGameMenu::DrawChoice(const Choice& choice, float degrees) const {
    const Button& button = choice.button;
    const Sprite* picture = (button.mHovered || button.mPressed) && choice.lit ? choice.lit : choice.rest;
    if (!picture) return;
    float centreX = button.mRect.x + button.mRect.width / 2, centreY = button.mRect.y + button.mRect.height / 2;
    picture->DrawRotatedScaled(centreX, centreY, degrees, 1);
}

void InGameMenu::Paint() const {
    GetGraphics().SetColour(1, 1, 1, 1);
    if (background) background->DrawCentred(kCentreX, kCentreY);
    float degrees = kSwayDegrees * std::sin(static_cast<float>(app.mUpdateCount) * kDegrees);
    const Choice* onTop = nullptr;
    for (const Choice& choice : choices) {
        if (choice.button.mHovered || choice.button.mPressed)
            onTop = &choice;
        else
            DrawChoice(choice, degrees);
    }
    if (onTop) DrawChoice(*onTop, degrees);
}
