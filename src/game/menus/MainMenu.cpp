#include "game/menus/MainMenu.h"

#include <cmath>

#include "game/PlimbZappetsApp.h"
#include "game/menus/MenuText.h"
#include "media/Font.h"
#include "media/Graphics.h"
#include "media/Sprite.h"

namespace {
constexpr const char* kNormalPicture = "graphics\\mainmenu\\%sNormal";
constexpr const char* kHilitePicture = "graphics\\mainmenu\\%sHilite";
constexpr const char* kPlate = "Graphics\\usermenu\\currentuser";
constexpr const char* kPlateHover = "Graphics\\usermenu\\changeuser";
constexpr const char* kNameFont = "Fonts\\ArialBlack20Bold";
constexpr const char* kHintFont = "Fonts\\ArialBlack16Bold";
constexpr Rect kUserRect{250, 458, 300, 115};
constexpr float kGreetingX = kUserRect.x + kUserRect.width / 2;
constexpr float kWelcomeY = 480, kNameY = 515, kHintY = 550;  // centres of the three lines
constexpr float kSwayDegrees = 5;                             // a lit button rocks this far either way
constexpr float kPressedEchoOpacity = 0.5f;
constexpr float kDegreesToRadians = 0.017453293f;
constexpr float kFallbackSize = 100;  // pixels of a button whose picture is missing

std::unique_ptr<Sprite> TextPicture(const Font* font, const String& text) {
    if (!font) return nullptr;
    return std::make_unique<Sprite>(RenderOutlinedText(*font, text));
}
}  // namespace

MainMenu::MainMenu(PlimbZappetsApp& owner) : app(owner) {
    mName = "MainMenu";
    FillScreen();
    const Catalogue& art = app.Resources();
    background = art.FindSprite(kBackground);
    plate = art.FindSprite(kPlate);
    plateHover = art.FindSprite(kPlateHover);
    PlaceButton(kNewGame, "NewGame", 87, 256);
    PlaceButton(kResumeGame, "ResumeGame", 525, 250);
    PlaceButton(kOptions, "Options", 640, 440);
    PlaceButton(kExitGame, "ExitGame", 720, -15);
    PlaceButton(kHighScores, "HighScores", 10, 441);
    user.SetRect(kUserRect);
    user.mLabel = "User";
    user.SetHandCursor();
    user.SetListener(this, true);
    welcomeText = TextPicture(art.FindFont(kNameFont), "Welcome Back");
    changeText = TextPicture(art.FindFont(kHintFont), "(Click to change user)");
    RefreshUserName();
}

MainMenu::~MainMenu() {
    for (MenuButton& entry : buttons)
        if (entry.button.mParent) RemoveChild(&entry.button);
    if (user.mParent) RemoveChild(&user);
    // What is left is the play-style screen, made for the menu: it goes with it.
    for (int32_t i = 0; mChildren && i < mChildren->Count(); ++i) mChildren->GadgetAtIndex(i)->Kill();
}

void MainMenu::PlaceButton(Choice choice, const char* picture, float x, float y) {
    MenuButton& entry = buttons[choice];
    const Catalogue& art = app.Resources();
    entry.normal = art.FindSprite(String::Format(kNormalPicture, picture).view());
    entry.hilite = art.FindSprite(String::Format(kHilitePicture, picture).view());
    if (entry.normal)
        entry.button.SetSpriteShape(x, y, entry.normal);
    else
        entry.button.SetRect({x, y, kFallbackSize, kFallbackSize});
    entry.button.mLabel = picture;
    entry.button.SetHandCursor();
    entry.button.SetSounds(art.FindSound("Sounds\\pop"), art.FindSound("Sounds\\snap"));
    entry.button.SetListener(this, true);
}

void MainMenu::RefreshUserName() {
    const Font* font = app.Resources().FindFont(kNameFont);
    if (!font) return;
    // Without a listed profile the files go to a stand-in folder whose name is no greeting.
    String name = app.profiles.CurrentIndex() >= 0 ? app.profiles.CurrentName() : String();
    shownName = GreetingName(*font, name, kNameWidth);
    nameText = TextPicture(font, shownName);
}

void MainMenu::Update() {
    if (app.IsTransitionRunning()) return;
    if (profilePromptPending && --promptCountdown <= 0) {
        profilePromptPending = false;
        app.RunProfileMenu(1);
        RefreshUserName();
    }
    if (app.gameOverMark) AskToContinue();
}

void MainMenu::AskToContinue() {
    app.gameOverMark = false;
    if (!app.ShowMessage("Are you sure?", "WOULD YOU LIKE TO CONTINUE YOUR GAME AT THE DOOR WHERE YOU LEFT OFF?",
                         "YESNO"))
        return;
    app.StartTransition(TransitionKind::JourneyMap);
    app.score = 0;
    app.lives = PlimbZappetsApp::kStartLives;
}

void MainMenu::Notify(Gadget* source) {
    if (app.IsTransitionRunning()) return;
    if (source == &buttons[kNewGame].button) {
        StartNewGame();
    } else if (source == &buttons[kResumeGame].button) {
        app.LoadJourney();
    } else if (source == &buttons[kOptions].button) {
        app.ShowOptions();
    } else if (source == &buttons[kExitGame].button) {
        app.Quit();
    } else if (source == &buttons[kHighScores].button) {
        app.StartTransition(TransitionKind::HighScores);
    } else if (source == &user) {
        app.RunProfileMenu(0);
        RefreshUserName();
    }
}

void MainMenu::StartNewGame() {
    if (app.SavedJourneyVersion().EqualsIgnoreCase(PlimbZappetsApp::kVersion) &&
        !app.ShowMessage("Overwrite previous game?",
                         "Starting a new game will overwrite your previous saved game, are you sure?", "YESNO"))
        return;
    if (!HasPlayStyleChoice()) app.OpenPlayStyleChoice(*this);
}

bool MainMenu::HasPlayStyleChoice() const {
    // Every child that is not one of the menu's own controls is the play-style screen.
    for (int32_t i = 0; mChildren && i < mChildren->Count(); ++i) {
        const Gadget* child = mChildren->GadgetAtIndex(i);
        if (child->mKilled || child == &user) continue;
        bool own = false;
        for (const MenuButton& entry : buttons) own = own || child == &entry.button;
        if (!own) return true;
    }
    return false;
}

void MainMenu::DrawButton(const MenuButton& entry) const {
    const Button& button = entry.button;
    float x = button.mRect.x + button.mRect.width / 2, y = button.mRect.y + button.mRect.height / 2;
    if (!button.mHovered && !button.mPressed) {
        if (entry.normal) entry.normal->DrawCentred(x, y);
        return;
    }
    if (!entry.hilite) return;
    float angle = kSwayDegrees * std::sin(static_cast<float>(app.UpdateCount()) * kDegreesToRadians);
    entry.hilite->DrawRotatedScaled(x, y, angle, 1);
    if (!button.mPressed) return;
    Graphics& graphics = GetGraphics();
    graphics.PushColour({1, 1, 1, kPressedEchoOpacity});
    entry.hilite->DrawRotatedScaled(x, y, angle, 1);
    graphics.PopColour();
}

void MainMenu::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(0, 0, 0);
    graphics.FillRect(0, 0, mRect.width, mRect.height);
    graphics.SetColour(1, 1, 1);
    if (background) background->Draw(0, 0);
    // Lit buttons are drawn last, so their sway passes over their neighbours.
    for (const MenuButton& entry : buttons)
        if (!entry.button.mHovered && !entry.button.mPressed) DrawButton(entry);
    for (const MenuButton& entry : buttons)
        if (entry.button.mHovered || entry.button.mPressed) DrawButton(entry);
    const Sprite* behindGreeting = user.mHovered && plateHover ? plateHover : plate;
    if (behindGreeting) behindGreeting->Draw(kUserRect.x, kUserRect.y);
    if (welcomeText) welcomeText->DrawCentred(kGreetingX, kWelcomeY);
    if (nameText) nameText->DrawCentred(kGreetingX, kNameY);
    if (changeText) changeText->DrawCentred(kGreetingX, kHintY);
}
