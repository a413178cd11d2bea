#include "game/menus/UserMenu.h"

#include <initializer_list>
#include <vector>

#include "core/Log.h"
#include "game/PlimbZappetsApp.h"
#include "game/menus/MenuText.h"
#include "media/Font.h"
#include "media/Graphics.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"

namespace {
constexpr const char* kFontName = "Fonts\\ArialBlack16Bold";
constexpr const char* kListPanel = "Graphics\\usermenu\\userscreen";
constexpr const char* kCreatePanel = "Graphics\\usermenu\\newuser";
constexpr float kCentreX = 400, kCentreY = 300;
constexpr float kListTitleY = 138, kCreateTitleY = 208;  // centres of the title bands
constexpr Rect kListRect{200, 168, 400, 200};
constexpr float kListButtonsY = 404;
constexpr float kCreateX = 148, kDeleteX = 276, kSelectX = 404, kCancelX = 532;
constexpr float kFieldWidth = 320, kFieldLeftOfCentre = 160, kFieldAboveCentre = 38;
constexpr float kFieldExtraHeight = 12;  // pixels above the font height
constexpr int32_t kFieldMargin = 8;      // pixels between the field's edge and the name
constexpr float kCreatePageButtonsY = 354, kCreateNewX = 266, kCancelNewX = 414;
constexpr float kButtonWidth = 120, kButtonHeight = 40;
constexpr float kLettersTop = 428;   // under the create page's panel
constexpr float kOffScreen = -1000;  // where the first-run prompt keeps its cancel button
constexpr Colour kDim{0, 0, 0.15f, 0.5f};
constexpr Colour kFieldText{1, 1, 1, 1};
}  // namespace

int32_t UserMenu::RunMenu(PlimbZappetsApp& app, int32_t mode) {
    if (mode == kFirstRun && app.profiles.Count() > 0) return 0;
    auto* menu = new UserMenu(app, mode);
    Log::Line("Screen: %s", menu->mName);
    int32_t result = menu->RunModal();
    menu->Close();
    menu->Kill();  // the screen list deletes it
    return result;
}

UserMenu::UserMenu(PlimbZappetsApp& owner, int32_t mode)
    : app(owner), list(owner.Resources().FindFont(kFontName)), forced(mode == kFirstRun) {
    mName = "UserMenu";
    FillScreen();
    const Catalogue& art = app.Resources();
    const Font* font = art.FindFont(kFontName);
    listPanel = art.FindSprite(kListPanel);
    createPanel = art.FindSprite(kCreatePanel);
    if (font) {
        listTitle = std::make_unique<Sprite>(RenderOutlinedText(*font, "Select a Profile"));
        createTitle = std::make_unique<Sprite>(RenderOutlinedText(*font, "CREATE A NEW PROFILE!"));
    }
    list.SetRect(kListRect);
    list.mListener = this;
    SetUpButton(create, "Graphics\\usermenu\\createuser", "CREATE", kCreateX, kListButtonsY);
    SetUpButton(remove, "Graphics\\usermenu\\Deleteuser", "DELETE", kDeleteX, kListButtonsY);
    SetUpButton(choose, "Graphics\\usermenu\\Selectuser", "SELECT", kSelectX, kListButtonsY);
    SetUpButton(cancel, "Graphics\\usermenu\\Cancel", "CANCEL", kCancelX, kListButtonsY);
    SetUpButton(createNew, "Graphics\\usermenu\\createuser", "CREATE", kCreateNewX, kCreatePageButtonsY);
    SetUpButton(cancelNew, "Graphics\\usermenu\\Cancel", "CANCEL", kCancelNewX, kCreatePageButtonsY);

    float fieldHeight = (font ? font->LineHeight() : 0) + kFieldExtraHeight;
    nameField.SetRect({kCentreX - kFieldLeftOfCentre, kCentreY - kFieldAboveCentre, kFieldWidth, fieldHeight});
    nameField.SetFont(font);
    nameField.SetForbidden(kRefusedCharacters);
    nameField.mTextColour = kFieldText;
    nameField.mMargin = kFieldMargin;
    nameField.mAllowEmpty = true;  // Enter on an empty field still answers, with a beep
    nameField.mLimitWidth = true;
    nameField.mMaxWidth = static_cast<int32_t>(kFieldWidth) - 2 * nameField.mMargin;
    nameField.mLimitLength = true;
    nameField.mMaxLength = ProfileManager::kMaxNameLength;
    nameField.mLabel = "Name";
    nameField.mListener = this;
    letters.SetTarget(&nameField, font);
    letters.Place(kCentreX, kLettersTop);

    // The statistics so far belong to the profile current now.
    app.SaveStats();
    openedWith = app.profiles.CurrentName();
    std::vector<String> names;
    for (int32_t i = 0; i < app.profiles.Count(); ++i) names.push_back(app.profiles.NameAt(i));
    list.SetNames(std::move(names));
    list.Select(app.profiles.CurrentIndex());
    ShowPage(app.profiles.Count() == 0);
}

UserMenu::~UserMenu() {
    for (Gadget* control :
         std::initializer_list<Gadget*>{&list, &nameField, &letters, &create.button, &remove.button, &choose.button,
                                        &cancel.button, &createNew.button, &cancelNew.button})
        if (control->mParent) RemoveChild(control);
}

void UserMenu::Close() {
    app.profiles.Save();
    app.LoadStats();
}

void UserMenu::SetUpButton(MenuButton& entry, const char* strip, const char* label, float x, float y) {
    entry.looks = app.Resources().FindStrip(strip);
    entry.button.SetRect({x, y, kButtonWidth, kButtonHeight});
    entry.button.mLabel = label;
    entry.button.SetHandCursor();
    entry.button.SetSounds(app.Resources().FindSound("Sounds\\pop"), app.Resources().FindSound("Sounds\\snap"));
    entry.button.mListener = this;
}

void UserMenu::Show(Gadget& control, bool shown) {
    if (shown && !control.mParent) AddChild(&control);
    if (!shown && control.mParent) RemoveChild(&control);
}

void UserMenu::ShowPage(bool createOne) {
    createPage = createOne;
    for (Gadget* control :
         std::initializer_list<Gadget*>{&list, &create.button, &remove.button, &choose.button, &cancel.button})
        Show(*control, !createOne);
    for (Gadget* control : std::initializer_list<Gadget*>{&nameField, &letters, &createNew.button, &cancelNew.button})
        Show(*control, createOne);
    // Without any profile the first-run prompt has no way back.
    bool trapped = forced && app.profiles.Count() == 0;
    cancelNew.button.mRect.x = trapped ? kOffScreen : kCancelNewX;
    cancelNew.button.mHidden = trapped;
    createNew.button.mRect.x = trapped ? kCentreX - kButtonWidth / 2 : kCreateNewX;  // alone, it stands in the middle
    if (createOne) {
        nameField.SetText(String());
        nameField.TakeFocus();
    } else {
        list.TakeFocus();
    }
}

void UserMenu::Notify(Gadget* source) {
    if (source == &choose.button) {
        if (list.Selected() >= 0) {
            app.profiles.Select(list.Selected());
            EndModal(1);
        }
    } else if (source == &create.button) {
        ShowPage(true);
    } else if (source == &remove.button) {
        DeleteSelected();
    } else if (source == &cancel.button) {
        CancelChoice();
        return;
    } else if (source == &createNew.button || source == &nameField) {
        CreateFromField();
    } else if (source == &cancelNew.button) {
        if (forced)
            EndModal(0);
        else
            ShowPage(false);
    }
    // Whatever happened, the entry chosen in the list is the current profile.
    if (list.Selected() >= 0) app.profiles.Select(list.Selected());
}

void UserMenu::CancelChoice() {
    for (int32_t i = 0; i < app.profiles.Count(); ++i) {
        if (!app.profiles.NameAt(i).EqualsIgnoreCase(openedWith.view())) continue;
        app.profiles.Select(i);
        list.Select(i);
    }
    EndModal(0);
}

void UserMenu::DeleteSelected() {
    int32_t index = list.Selected();
    if (index < 0) return;
    String question = String::Format("Really delete the user %s?", app.profiles.NameAt(index).c_str());
    if (app.ShowMessage("Are you sure?", question, "YESNO")) {
        app.profiles.Delete(index);
        list.RemoveAt(index);
        list.Select(app.profiles.CurrentIndex());
    }
    ShowPage(app.profiles.Count() == 0);
}

void UserMenu::CreateFromField() {
    String name = nameField.GetText().Trimmed();
    if (name.IsEmpty()) {
        app.Beep();
    } else if (app.profiles.Exists(name)) {
        app.ShowMessage("Already Exists!", "This user name already exists. Please choose another", "OK");
    } else if (app.profiles.Create(name)) {
        list.Append(app.profiles.CurrentName());
        list.Select(list.Count() - 1);
        if (forced)
            EndModal(1);
        else
            ShowPage(false);
        return;
    } else {
        app.Beep();  // a name the profile service refuses
    }
    nameField.SetText(String());
    nameField.TakeFocus();
}

void UserMenu::DrawButton(const MenuButton& entry) const {
    const Button& button = entry.button;
    if (!button.mParent || button.mHidden || !entry.looks) return;
    int32_t frame = button.Frame();
    if (frame >= entry.looks->FrameCount()) frame = 0;
    entry.looks->Frame(frame).Draw(button.mRect.x, button.mRect.y);
}

void UserMenu::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(kDim);
    graphics.FillRect(0, 0, mRect.width, mRect.height);
    graphics.SetColour(1, 1, 1);
    const Sprite* panel = createPage ? createPanel : listPanel;
    if (panel) panel->DrawCentred(kCentreX, kCentreY);
    const Sprite* title = createPage ? createTitle.get() : listTitle.get();
    if (title) title->DrawCentred(kCentreX, createPage ? kCreateTitleY : kListTitleY);
    for (const MenuButton* entry : {&create, &remove, &choose, &cancel, &createNew, &cancelNew}) DrawButton(*entry);
}
