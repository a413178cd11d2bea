#include "game/menus/EnterYourName.h"

#include "core/Log.h"
#include "game/PlimbZappetsApp.h"
#include "media/Graphics.h"
#include "media/Sprite.h"

namespace {
constexpr Rect kFieldRect{250, 400, 300, 45};
constexpr int32_t kFieldMargin = 3;
constexpr int32_t kFieldMaxWidth = 295;  // pixels of text
constexpr float kPanelX = 400, kPanelY = 300;
constexpr float kBadgeX = 625, kBadgeY = 150;
constexpr Colour kDim{0, 0, 0.15f, 0.75f};
constexpr Colour kFieldText{1, 1, 1, 1};
constexpr int32_t kNameEntered = 0;
constexpr float kLettersTop = 478;  // under the panel
}  // namespace

EnterYourName::EnterYourName(PlimbZappetsApp& app) {
    mName = "EnterYourName";
    FillScreen();
    panel = app.Resources().FindSprite("Graphics\\GameOver\\EnterYourName");
    badge = app.Resources().FindSprite("Graphics\\GameOver\\YouGotAHighScore");
    field.SetRect(kFieldRect);
    field.mMargin = kFieldMargin;
    field.SetFont(app.Resources().FindFont("Fonts\\ArialBlack20Bold"));
    field.mLimitWidth = true;
    field.mMaxWidth = kFieldMaxWidth;
    field.mTextColour = kFieldText;
    field.mLabel = "Name";
    field.SetListener(this, true);
    field.TakeFocus();
    letters.SetTarget(&field, app.Resources().FindFont("Fonts\\ArialBlack16Bold"));
    letters.Place(kPanelX, kLettersTop);
    AddChild(&letters);
}

EnterYourName::~EnterYourName() {
    if (field.mParent) RemoveChild(&field);
    if (letters.mParent) RemoveChild(&letters);
}

void EnterYourName::Notify(Gadget* source) {
    if (source != &field) return;
    String name = field.GetText().Trimmed();
    if (name.IsEmpty()) {
        field.SetText(String());
        field.TakeFocus();  // Enter let go of it
        return;
    }
    entered = name;
    EndModal(kNameEntered);
}

void EnterYourName::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(kDim);
    graphics.FillRect(0, 0, mRect.width, mRect.height);
    graphics.SetColour(1, 1, 1);
    if (panel) panel->DrawCentred(kPanelX, kPanelY);
    if (badge) badge->DrawCentred(kBadgeX, kBadgeY);
}

bool RunNameEntry(PlimbZappetsApp& app, String& name) {
    auto* dialog = new EnterYourName(app);
    Log::Line("Screen: %s", dialog->mName);
    dialog->RunModal();
    bool entered = !dialog->EnteredName().IsEmpty();
    if (entered) name = dialog->EnteredName();
    dialog->Kill();  // the screen list deletes it
    return entered;
}
