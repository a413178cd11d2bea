#include "game/InfoBox.h"

#include "game/PlimbZappetsApp.h"
#include "media/Font.h"
#include "media/Graphics.h"
#include "media/Sprite.h"

namespace {
constexpr Rect kBoxRect{0, 50, 800, 600};
constexpr Colour kDim{0, 0, 0.15f, 0.5f};
constexpr float kPanelX = 400, kPanelY = 300;
constexpr float kTextX = 231, kTextY = 238;
constexpr float kButtonY = 429;
constexpr float kYesX = 273, kNoX = 443, kOkX = 358;
constexpr const char* kFontName = "Fonts\\ArialBlack20Bold";
constexpr const char* kButtonPicture = "Graphics\\DialogBox\\%s%d";  // word, state 1 ... 3
constexpr int32_t kStates = 3;
constexpr int32_t kMaxLines = 64;  // a runaway text stops here rather than fill memory
}  // namespace

std::vector<String> WrapText(const Font& font, const String& text, float width) {
    std::vector<String> result;
    std::string line, word;
    auto flushWord = [&]() {
        if (word.empty()) return;
        std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && static_cast<float>(font.TextWidth(String(candidate))) > width) {
            result.emplace_back(line);
            line = word;
        } else {
            line = candidate;
        }
        word.clear();
    };
    for (char c : text.str()) {
        if (static_cast<int32_t>(result.size()) >= kMaxLines) return result;
        if (c == ' ') {
            flushWord();
        } else if (c == '\n') {
            flushWord();
            result.emplace_back(line);
            line.clear();
        } else if (c != '\r') {
            word += c;
        }
    }
    flushWord();
    if (!line.empty()) result.emplace_back(line);
    return result;
}

InfoBox::InfoBox(PlimbZappetsApp& owner, bool askYesNo) : app(owner), yesNo(askYesNo) {
    mName = "InfoBox";
    SetRect(kBoxRect);
    mClip = false;  // the dimming reaches above the box
    font = app.Resources().FindFont(kFontName);
    panel = app.Resources().FindSprite("Graphics\\DialogBox\\INFOBOX");
    if (yesNo) {
        AddChoice(first, "YES", kYesX, 1);
        AddChoice(second, "NO", kNoX, 0);
    } else {
        AddChoice(first, "OK", kOkX, 1);
    }
    app.PlaySound("Sounds\\pop");
}

InfoBox::~InfoBox() {
    for (Choice* choice : {&first, &second})
        if (choice->button.mParent) RemoveChild(&choice->button);
}

void InfoBox::AddChoice(Choice& choice, const char* word, float x, int32_t result) {
    for (int32_t state = 0; state < kStates; ++state)
        choice.states[state] = app.Resources().FindSprite(String::Format(kButtonPicture, word, state + 1).view());
    // Every button takes the OK button's shape, so the row lines up.
    const Sprite* shape = app.Resources().FindSprite(String::Format(kButtonPicture, "OK", 1).view());
    if (shape)
        choice.button.SetSpriteShape(x, kButtonY, shape);
    else
        choice.button.SetRect({x, kButtonY, 84, 40});
    choice.button.mLabel = word;
    choice.button.SetHandCursor();
    choice.result = result;
    choice.button.SetListener(this, true);
}

void InfoBox::SetText(const String& text) { lines = font ? WrapText(*font, text, kWrapWidth) : std::vector<String>{}; }

void InfoBox::Notify(Gadget* source) {
    for (Choice* choice : {&first, &second})
        if (source == &choice->button) EndModal(choice->result);
}

void InfoBox::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.PushOffset(-mRect.x, -mRect.y);  // the dimming covers the whole screen
    graphics.SetColour(kDim);
    graphics.FillRect(0, 0, PlimbZappetsApp::kScreenWidth, PlimbZappetsApp::kScreenHeight);
    graphics.PopOffset();
    graphics.SetColour(1, 1, 1);
    if (panel) panel->DrawCentred(kPanelX, kPanelY);
    if (!font) return;
    float y = kTextY;
    for (const String& line : lines) {
        font->Draw(line, kTextX, y);
        y += font->LineHeight();
    }
}

void InfoBox::DrawOverlay() {
    for (const Choice* choice : {&first, &second}) {
        if (!choice->button.mParent) continue;
        const Button& button = choice->button;
        int32_t state = button.mPressed && button.mHovered ? 2 : button.mHovered ? 1 : 0;
        const Sprite* picture = choice->states[state];
        if (picture)
            picture->DrawCentred(button.mRect.x + button.mRect.width / 2, button.mRect.y + button.mRect.height / 2);
    }
}
