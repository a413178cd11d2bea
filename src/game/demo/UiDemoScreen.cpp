#include "game/demo/UiDemoScreen.h"

#include "app/App.h"
#include "media/DebugFont.h"
#include "media/Graphics.h"
#include "media/Image.h"
#include "media/SpriteStrip.h"

namespace {
constexpr int32_t kButtonWidth = 200, kButtonHeight = 44;  // pixels
constexpr int32_t kButtonFrames = 4;                       // normal, highlighted, pressed, disabled
constexpr uint32_t kFrameColours[kButtonFrames] = {0xFF3A5A8Cu, 0xFF5B86C8u, 0xFF203550u, 0xFF555555u};
constexpr Colour kBackground{0.08f, 0.10f, 0.16f, 1};
constexpr Colour kFieldColour{0.2f, 0.22f, 0.3f, 1};
constexpr int32_t kNameLength = 16;  // characters

// A strip of flat frames with the label written on each.
SpriteStrip* MakeStrip(const Font& font, const char* label) {
    Image picture;
    if (!picture.Create(kButtonWidth * kButtonFrames, kButtonHeight)) return nullptr;
    float labelX = (kButtonWidth - static_cast<float>(font.TextWidth(label))) / 2;
    float labelY = (kButtonHeight - font.LineHeight()) / 2;
    for (int32_t frame = 0; frame < kButtonFrames; ++frame) {
        for (int32_t y = 0; y < kButtonHeight; ++y)
            for (int32_t x = 0; x < kButtonWidth; ++x) *picture.PixelAt(frame * kButtonWidth + x, y) = kFrameColours[frame];
        font.DrawInto(label, picture, static_cast<float>(frame * kButtonWidth) + labelX, labelY);
    }
    return new SpriteStrip(picture, kButtonFrames);
}
}  // namespace

UiDemoScreen::UiDemoScreen() {
    FillScreen();
    DebugFont::FillFont(mFont);
    SetUpButton(mRelease, "ON RELEASE", 100, 200);
    SetUpButton(mPress, "ON PRESS", 100, 260);
    mPress.mFireOnPress = true;
    SetUpButton(mQuit, "QUIT", 100, 320);

    for (EditBox* box : {&mName, &mNote}) {
        box->SetFont(&mFont);
        box->mBackColour = kFieldColour;
        box->SetListener(this, true);
    }
    mName.SetRect({400, 200, 300, 30});
    mName.mCapitalise = true;
    mName.mLimitLength = true;
    mName.mMaxLength = kNameLength;
    mName.SetForbidden("\\/:*?\"<>|");
    mNote.SetRect({400, 260, 300, 30});
    mNote.mAllowEmpty = true;
    mName.mNextField = &mNote;
    mNote.mNextField = &mName;
}

void UiDemoScreen::SetUpButton(Button& button, const char* label, float x, float y) {
    button.SetStrip(MakeStrip(mFont, label), true);
    button.SetRect({x, y, kButtonWidth, kButtonHeight});
    button.SetListener(this, true);
}

void UiDemoScreen::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.PushColour(kBackground);
    graphics.FillRect(0, 0, mRect.width, mRect.height);
    graphics.PopColour();
    mFont.Draw("CONTROLS CHECK", 100, 80);
    mFont.Draw("CLICK THE BUTTONS AND TYPE IN THE BOXES", 100, 110);
    mFont.Draw("TAB SWITCHES BOXES, ENTER ACCEPTS, RIGHT CLICK PASTES", 100, 130);
    mFont.Draw("NAME", 400, 180);
    mFont.Draw("ANYTHING", 400, 240);
    mFont.Draw(String::Format("LAST: %s  (%d REPORTS)", mStatus.c_str(), mReports), 100, 420);
}

void UiDemoScreen::Notify(Gadget* source) {
    ++mReports;
    if (source == &mRelease) mStatus = "ON RELEASE";
    if (source == &mPress) mStatus = "ON PRESS";
    if (source == &mName) mStatus = String("NAME ") + mName.GetText();
    if (source == &mNote) mStatus = String("TEXT ") + mNote.GetText();
    if (source == &mQuit) {
        if (App* app = GetApp()) app->Quit();
    }
}
