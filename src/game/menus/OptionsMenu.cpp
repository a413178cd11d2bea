#include "game/menus/OptionsMenu.h"

#include <initializer_list>

#include "game/PlimbZappetsApp.h"
#include "media/Audio.h"
#include "media/Graphics.h"
#include "media/Sprite.h"

namespace {
constexpr float kPanelX = 134.5f, kPanelY = 40;
constexpr Rect kDoneRect{231, 468, 336, 75};
constexpr float kFullScreenY = 209, kFullScreenOnX = 315, kFullScreenOffX = 343;
constexpr float kHardwareY = 287, kHardwareOnX = 390, kHardwareOffX = 418;
constexpr float kBoxSize = 25;
constexpr float kMarkInset = 7, kMarkSize = 11;
constexpr float kTrackX = 320, kTrackWidth = 292, kTrackHeight = 25;
constexpr float kVolumeY = 260, kMusicY = 345;
constexpr float kKnobWidth = 75, kKnobHeight = 15;  // when the knob picture is missing
constexpr float kKnobEndMargin = 4;                 // pixels kept free at each end of the track
constexpr Colour kDim{0, 0, 0.15f, 0.75f};
constexpr Colour kMark{1, 0.82f, 0.3f, 1};
constexpr Colour kBoxHighlight{1, 1, 1, 0.3f};
constexpr int32_t kWindowWidth = 800, kWindowHeight = 600;  // the size hardware acceleration runs at
}  // namespace

OptionsMenu::OptionsMenu(PlimbZappetsApp& owner)
    : app(owner),
      volume(owner.Resources().FindSprite("graphics\\optionsmenu\\SliderKnob"), kKnobWidth, kKnobHeight,
             kKnobEndMargin),
      music(owner.Resources().FindSprite("graphics\\optionsmenu\\SliderKnob"), kKnobWidth, kKnobHeight, kKnobEndMargin),
      displayChoice(!GetGraphics().IsSafeMode()) {
    mName = "OptionsMenu";
    FillScreen();
    const Catalogue& art = app.Resources();
    panel = art.FindSprite("graphics\\optionsmenu\\OptionsMenu");
    doneDown = art.FindSprite("graphics\\optionsmenu\\DONEDOWN");
    doneHilite = art.FindSprite("graphics\\optionsmenu\\DONEHILITE");
    SetUpSlider(volume, "Volume", kVolumeY, GetAudio().GetSoundVolume());
    SetUpSlider(music, "MusicVolume", kMusicY, GetAudio().GetMusicVolume());
    SetUpBox(fullScreenOn, "FullScreenOn", kFullScreenOnX, kFullScreenY);
    SetUpBox(fullScreenOff, "FullScreenOff", kFullScreenOffX, kFullScreenY);
    SetUpBox(hardwareOn, "HardwareOn", kHardwareOnX, kHardwareY);
    SetUpBox(hardwareOff, "HardwareOff", kHardwareOffX, kHardwareY);
    done.SetRect(kDoneRect);
    done.mLabel = "Done";
    done.SetHandCursor();
    done.SetSounds(art.FindSound("Sounds\\pop"), art.FindSound("Sounds\\snap"));
    done.SetListener(this, true);
}

OptionsMenu::~OptionsMenu() {
    for (Gadget* control : std::initializer_list<Gadget*>{&volume, &music, &done, &fullScreenOn, &fullScreenOff,
                                                          &hardwareOn, &hardwareOff})
        if (control->mParent) RemoveChild(control);
}

void OptionsMenu::SetUpSlider(Slider& slider, const char* label, float y, float value) {
    slider.SetRect({kTrackX, y, kTrackWidth, kTrackHeight});
    slider.SetValue(value);
    slider.mLabel = label;
    slider.SetListener(this, true);
}

void OptionsMenu::SetUpBox(Button& box, const char* label, float x, float y) {
    box.SetRect({x, y, kBoxSize, kBoxSize});
    box.mLabel = label;
    box.mFireOnPress = true;
    box.SetHandCursor();
    box.SetListener(this, true);
}

void OptionsMenu::Notify(Gadget* source) {
    Graphics& graphics = GetGraphics();
    if (source == &volume) {
        GetAudio().SetSoundVolume(volume.Value());
    } else if (source == &music) {
        GetAudio().SetMusicVolume(music.Value());
    } else if (source == &fullScreenOn) {
        if (!graphics.IsFullscreen()) graphics.SetFullscreen(true);
    } else if (source == &fullScreenOff) {
        if (graphics.IsFullscreen()) graphics.SetFullscreen(false);
    } else if (source == &hardwareOn) {
        displayChoice = true;
    } else if (source == &hardwareOff) {
        displayChoice = false;
    } else if (source == &done) {
        Finish();
    }
}

void OptionsMenu::Finish() {
    Graphics& graphics = GetGraphics();
    // The choice differs from the running mode exactly when it equals the safe-mode flag.
    bool changed = displayChoice == graphics.IsSafeMode();
    bool allowed = !displayChoice || !graphics.IsSafeModeRequired();
    app.CloseOptions();
    if (!changed || !allowed) return;
    if (displayChoice)
        graphics.RequestDisplayChange(false, kWindowWidth, kWindowHeight);
    else
        graphics.RequestDisplayChange(true, Graphics::kSafeModeWidth, Graphics::kSafeModeHeight);
    app.Restart();
}

void OptionsMenu::DrawBox(const Button& box, bool selected) const {
    Graphics& graphics = GetGraphics();
    if (box.mHovered) {
        graphics.PushColour(kBoxHighlight);
        graphics.FillRect(box.mRect.x, box.mRect.y, box.mRect.width, box.mRect.height);
        graphics.PopColour();
    }
    if (!selected) return;
    graphics.PushColour(kMark);
    graphics.FillRect(box.mRect.x + kMarkInset, box.mRect.y + kMarkInset, kMarkSize, kMarkSize);
    graphics.PopColour();
}

void OptionsMenu::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(kDim);
    graphics.FillRect(0, 0, mRect.width, mRect.height);
    graphics.SetColour(1, 1, 1);
    if (panel) panel->Draw(kPanelX, kPanelY);
    const Sprite* doneLook = done.mPressed && done.mHovered ? doneDown : done.mHovered ? doneHilite : nullptr;
    if (doneLook) doneLook->Draw(kDoneRect.x, kDoneRect.y);
    bool fullScreen = graphics.IsFullscreen();
    DrawBox(fullScreenOn, fullScreen);
    DrawBox(fullScreenOff, !fullScreen);
    DrawBox(hardwareOn, displayChoice);
    DrawBox(hardwareOff, !displayChoice);
}
