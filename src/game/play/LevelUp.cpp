#include "game/play/LevelUp.h"

#include <algorithm>

#include "game/PlimbZappetsApp.h"
#include "game/play/Game.h"
#include "media/Font.h"
#include "media/Graphics.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"

namespace {
constexpr float kScreenWidth = 800;
constexpr float kStatsOffsetX = -75;               // the row labels' centre, from the panel's
constexpr float kRowsTop = -122, kRowHeight = 29;  // from the panel's centre
constexpr float kRowsClipExtra = 2;                // pixels below the last revealed row's line
constexpr float kValuesOffsetX = 165;
constexpr float kButtonOffsetX = -4, kButtonTop = 153;  // from the panel's centre
constexpr Rect kFallbackButton{0, 0, 180, 48};          // the button's size when its picture is missing
constexpr const char* kButtonStrip = "Graphics\\Levelup\\ContinueButton";
constexpr const char* kValueFont = "Fonts\\ArialBlack20Bold";
constexpr const char* kRowSound = "Sounds\\pop";
}  // namespace

LevelUp::LevelUp(PlimbZappetsApp& owner) : app(owner) {
    mName = "LevelUp";
    FillScreen();
    const Catalogue& resources = app.Resources();
    background = resources.FindSprite("Graphics\\Levelup\\LevelupBackground");
    continueButton.mLabel = "ContinueButton";
    continueButton.SetHandCursor();
    continueButton.SetSounds(resources.FindSound("Sounds\\pop"), resources.FindSound("Sounds\\snap"));
    continueButton.mDisabled = true;
    PlaceButton();
    continueButton.SetListener(this, true);
}

LevelUp::~LevelUp() { RemoveChild(&continueButton); }

void LevelUp::SetGameOver() {
    passed = false;
    background = app.Resources().FindSprite("Graphics\\GameOver\\FinalStats");
}

void LevelUp::SetValue(int32_t row, int32_t value) {
    if (row >= 0 && row < kRows) values[static_cast<size_t>(row)] = value;
}

int32_t LevelUp::Value(int32_t row) const { return row >= 0 && row < kRows ? values[static_cast<size_t>(row)] : 0; }

void LevelUp::PlaceButton() {
    const SpriteStrip* strip = app.Resources().FindStrip(kButtonStrip);
    float width = strip ? strip->FrameWidth() : kFallbackButton.width;
    float height = strip ? strip->FrameHeight() : kFallbackButton.height;
    continueButton.SetRect(Rect{kCentreX - width / 2 + kButtonOffsetX, y + kButtonTop, width, height});
}

void LevelUp::Update() {
    if (arriving) {
        if (y < kRestY) {
            y += speed;
            speed += kFallGain;
        } else {
            // Past the rest line the panel brakes, rises back and lands.
            speed -= kBounceBrake;
            y += speed;
            if (y < kRestY) {
                y = kRestY;
                arriving = false;
                continueButton.mDisabled = false;
                rowsRevealed = 0;
                rowCountdown = kRowTicks;
            }
        }
        PlaceButton();
        return;
    }
    if (rowsRevealed < kRows) {
        if (rowCountdown < 1) {
            app.PlaySound(kRowSound);
            ++rowsRevealed;
            rowCountdown = kRowTicks;
        } else {
            --rowCountdown;
        }
    }
    shown = values;
}

void LevelUp::Draw() {
    Graphics& graphics = GetGraphics();
    const Catalogue& resources = app.Resources();
    graphics.SetColour(1, 1, 1, 1);
    if (background) background->DrawCentred(kCentreX, y);
    // The labels and their values appear row by row.
    graphics.PushClip(
        Rect{0, 0, kScreenWidth, y + kRowsTop + kRowsClipExtra + kRowHeight * static_cast<float>(rowsRevealed)});
    if (const Sprite* labels = resources.FindSprite("Graphics\\Levelup\\LevelupStats"))
        labels->DrawCentred(kCentreX + kStatsOffsetX, y);
    if (const Font* font = resources.FindFont(kValueFont))
        for (int32_t row = 0; row < kRows; ++row)
            font->Draw(String::Format("%d", shown[static_cast<size_t>(row)]), kCentreX + kValuesOffsetX,
                       y + kRowsTop + kRowHeight * static_cast<float>(row));
    graphics.PopClip();
    if (const SpriteStrip* strip = resources.FindStrip(kButtonStrip); strip && strip->FrameCount() > 0) {
        int32_t frame = continueButton.mPressed ? 2 : continueButton.mHovered ? 1 : 0;
        strip->Frame(std::min(frame, strip->FrameCount() - 1)).Draw(continueButton.mRect.x, continueButton.mRect.y);
    }
}

void LevelUp::Notify(Gadget* source) {
    if (source == &continueButton) Continue();
}

void LevelUp::PressContinue() {
    if (continueButton.IsEnabled()) Continue();
}

void LevelUp::Continue() {
    Game* game = app.CurrentGame();
    if (app.IsTransitionRunning() || !game) return;
    if (passed) {
        game->NextLevel();
        return;
    }
    app.gameOverMark = true;
    TransitionKind next = app.highScores.Qualifies(app.score) ? TransitionKind::HighScores : TransitionKind::MainMenu;
    app.OfferHighScore();
    app.specialTransition = true;
    app.StartTransition(next);
}
