#include "game/PlaceholderScreen.h"

#include "game/PlimbZappetsApp.h"
#include "media/Font.h"
#include "media/Graphics.h"

namespace {
constexpr const char* kFontName = "Fonts\\ArialBlack20Bold";
constexpr Colour kBackdrop{0.04f, 0.1f, 0.25f, 1};
}  // namespace

PlaceholderScreen::PlaceholderScreen(PlimbZappetsApp& owner, ScreenKind screen)
    : app(owner), kind(screen), title(ScreenClassName(screen)) {
    mName = ScreenClassName(screen);
    mLabel = mName;
    FillScreen();
    SetHandCursor();
}

void PlaceholderScreen::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(kBackdrop);
    graphics.FillRect(0, 0, mRect.width, mRect.height);
    graphics.SetColour(1, 1, 1);
    const Font* font = app.Resources().FindFont(kFontName);
    if (!font) return;
    float width = static_cast<float>(font->TextWidth(title));
    font->Draw(title, (mRect.width - width) / 2, (mRect.height - font->LineHeight()) / 2);
}

void PlaceholderScreen::OnMouseUp(float x, float y, int32_t button) {
    if (button != kLeftButton || app.IsTransitionRunning()) return;
    if (kind == ScreenKind::Options)
        app.CloseOptions();
    else
        app.ShowTitle();
}
