#include "game/journey/PickDiff.h"

#include <cmath>

#include "game/PlimbZappetsApp.h"
#include "media/Graphics.h"
#include "media/Sprite.h"

namespace {
constexpr const char* kBackground = "graphics\\diff\\ChooseDifficultyBackground";
constexpr float kBackgroundX = 405, kBackgroundY = 305;  // centre
constexpr Colour kShade{0, 0, 0.15f, 0.75f};
struct Card {
    const char* picture;
    const char* label;
    PlayStyle style;
    float x, y;  // top-left corner
};
constexpr Card kCards[PickDiff::kChoices] = {
    {"graphics\\diff\\Child", "Child", PlayStyle::Child, 137, 185},
    {"graphics\\diff\\Normal", "Normal", PlayStyle::Normal, 317, 185},
    {"graphics\\diff\\Apocaplypse", "Apocaplypse", PlayStyle::Apocalypse, 497, 185},
};
constexpr float kCardWidth = 176, kCardHeight = 270;
constexpr float kSwayDegrees = 5;
constexpr float kDegreesToRadians = 0.0174533f;
constexpr float kHoverCopyAlpha = 0.5f;
}  // namespace

PickDiff::PickDiff(PlimbZappetsApp& owner) : app(owner) {
    mName = "PickDiff";
    mLabel = mName;  // scripts and tests find the screen by its name
    FillScreen();
    background = app.Resources().FindSprite(kBackground);
    for (int32_t i = 0; i < kChoices; ++i) {
        pictures[i] = app.Resources().FindSprite(kCards[i].picture);
        Button& button = choices[i];
        button.mLabel = kCards[i].label;
        button.SetRect(Rect{kCards[i].x, kCards[i].y, kCardWidth, kCardHeight});
        button.SetHandCursor();
        button.SetListener(this, true);
    }
}

PickDiff::~PickDiff() {
    for (Button& button : choices)
        if (button.mParent) RemoveChild(&button);
}

void PickDiff::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(kShade);
    graphics.FillRect(0, 0, mRect.width, mRect.height);
    graphics.SetColour(1, 1, 1, 1);
    if (background) background->DrawCentred(kBackgroundX, kBackgroundY);
    // The card under the pointer is drawn last so its sway lies over its neighbours.
    for (int32_t i = 0; i < kChoices; ++i)
        if (!choices[i].mHovered && !choices[i].mPressed) DrawChoice(i);
    for (int32_t i = 0; i < kChoices; ++i)
        if (choices[i].mHovered || choices[i].mPressed) DrawChoice(i);
}

void PickDiff::DrawChoice(int32_t index) const {
    const Sprite* picture = pictures[index];
    if (!picture) return;
    const Button& button = choices[index];
    float x = button.mRect.x + button.mRect.width / 2, y = button.mRect.y + button.mRect.height / 2;
    if (!button.mHovered && !button.mPressed) {
        picture->DrawCentred(x, y);
        return;
    }
    float degrees = kSwayDegrees * std::sin(static_cast<float>(app.UpdateCount()) * kDegreesToRadians);
    picture->DrawRotatedScaled(x, y, degrees, 1);
    if (button.mHovered) {
        GetGraphics().SetColour(1, 1, 1, kHoverCopyAlpha);
        picture->DrawRotatedScaled(x, y, degrees, 1);
        GetGraphics().SetColour(1, 1, 1, 1);
    }
}

void PickDiff::Notify(Gadget* source) {
    if (app.IsTransitionRunning()) return;
    for (int32_t i = 0; i < kChoices; ++i)
        if (source == &choices[i]) {
            app.playStyle = static_cast<int32_t>(kCards[i].style);
            app.StartNewJourney();
        }
}
