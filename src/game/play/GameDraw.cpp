// The game screen's display: black under the board, and over it the frame,
// the progress bar, the score, the menu button, the lives, the game-over
// picture and the pause dimming.
#include <algorithm>
#include <cmath>

#include "board/Board.h"
#include "game/PlimbZappetsApp.h"
#include "game/play/Game.h"
#include "game/play/InGameMenu.h"
#include "media/Font.h"
#include "media/Graphics.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"

namespace {
constexpr float kScreenWidth = 800, kScreenHeight = 600;
constexpr float kCentreX = 400, kCentreY = 300;
constexpr float kFrameX = 399, kFrameY = 300;      // the frame picture's centre
constexpr float kProgressX = 597, kProgressY = 8;  // the bar's top left corner
constexpr float kScoreCentreX = 96, kScoreTop = 2;
constexpr float kLivesIconX = 769, kLivesIconY = 590;  // centre
constexpr float kLivesCentreX = 774, kLivesTop = 550;
constexpr float kPulseDegreesPerTick = 3;
constexpr float kDegrees = 3.14159265f / 180;
constexpr const char* kScoreFont = "Fonts\\Arial24Bold";
constexpr const char* kLivesFont = "Fonts\\ArialBlack20Bold";

void DrawCentredText(const Font* font, const String& text, float centreX, float top) {
    if (font) font->Draw(text, centreX - static_cast<float>(font->TextWidth(text)) / 2, top);
}
}  // namespace

void Game::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(0, 0, 0, 1);
    graphics.FillRect(0, 0, kScreenWidth, kScreenHeight);
}

void Game::DrawLives() const {
    Graphics& graphics = GetGraphics();
    float alpha = 1;
    if (lifeFlash > 0 && !app.IsTransitionRunning())
        alpha = (std::sin(kPulseDegreesPerTick * static_cast<float>(lifeFlash) * kDegrees) + 1) / 2;
    graphics.PushColour(Colour{1, 1, 1, alpha});
    if (const Sprite* icon = app.Resources().FindSprite("Graphics\\LivesIcon"))
        icon->DrawCentred(kLivesIconX, kLivesIconY);
    DrawCentredText(app.Resources().FindFont(kLivesFont), String::Format("%d", app.lives), kLivesCentreX, kLivesTop);
    graphics.PopColour();
}

void Game::DrawPause() const {
    Graphics& graphics = GetGraphics();
    graphics.PushColour(Colour{0, 0, 0, dimAlpha});
    graphics.FillRect(0, 0, kScreenWidth, kScreenHeight);
    graphics.PopColour();
    // The menu is a child for the mouse, but its pictures go over the dimming.
    if (pauseMenu) {
        pauseMenu->Paint();
    } else if (!app.CurrentLevelUp()) {
        if (const Sprite* box = app.Resources().FindSprite("graphics\\PauseBox")) box->DrawCentred(kCentreX, kCentreY);
    }
}

void Game::DrawOverlay() {
    Graphics& graphics = GetGraphics();
    const Catalogue& resources = app.Resources();
    graphics.SetColour(1, 1, 1, 1);
    if (const Sprite* frame = resources.FindSprite("graphics\\UIBorder")) frame->DrawCentred(kFrameX, kFrameY);
    const Sprite* fill = resources.FindSprite("graphics\\ProgressFill");
    if (fill && progressShown > 0) {
        graphics.PushClip(Rect{kProgressX, kProgressY, fill->Width() * progressShown, fill->Height()});
        fill->Draw(kProgressX, kProgressY);
        graphics.PopClip();
    }
    DrawCentredText(resources.FindFont(kScoreFont), scoreText, kScoreCentreX, kScoreTop);
    const SpriteStrip* button = resources.FindStrip("graphics\\PopupMenu\\InGameMenuButton");
    if (board && button && button->FrameCount() > 0) {
        const Button& menuButton = board->MenuButton();
        button->Frame(std::min(menuButton.Frame(), button->FrameCount() - 1))
            .Draw(menuButton.mRect.x, menuButton.mRect.y);
    }
    if (Style() != PlayStyle::Child) DrawLives();
    if (gameOver) {
        graphics.PushColour(Colour{1, 1, 1, gameOverFade});
        if (const Sprite* picture = resources.FindSprite("Graphics\\GameOver\\GameOver"))
            picture->DrawCentred(kCentreX, kCentreY);
        graphics.PopColour();
    } else if (paused) {
        DrawPause();
    }
}
