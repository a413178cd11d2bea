#pragma once
// The profile menu: the list of profiles with CREATE, DELETE, SELECT and
// CANCEL, and the page that creates a profile. As the first-run prompt it
// opens on the create page and cannot be left without a profile.

#include <cstdint>
#include <memory>

#include "core/String.h"
#include "game/menus/ProfileList.h"
#include "ui/Button.h"
#include "ui/EditBox.h"
#include "ui/Gadget.h"
#include "ui/LetterRow.h"

class PlimbZappetsApp;
class Sprite;
class SpriteStrip;

class UserMenu : public Gadget {
public:
    enum Mode : int32_t { kChoose = 0, kFirstRun = 1 };
    // The characters a profile name may not hold, for the name field.
    static constexpr const char* kRefusedCharacters = "~/\\:*?\"<>|.,";

    // Shows the menu modally over the current screen and answers 1 when a
    // profile was selected or created, 0 when cancelled. The first-run
    // prompt answers 0 at once while any profile exists.
    static int32_t RunMenu(PlimbZappetsApp& app, int32_t mode);

    // Opens the menu (the statistics of the current profile are saved first).
    UserMenu(PlimbZappetsApp& app, int32_t mode);
    ~UserMenu() override;
    // Keeps the profiles and loads the statistics of the profile now current.
    void Close();

    bool OnCreatePage() const { return createPage; }
    const ProfileList& List() const { return list; }

    void Draw() override;
    void Notify(Gadget* source) override;

private:
    struct MenuButton {
        Button button;
        const SpriteStrip* looks = nullptr;  // rest, hovered, pressed
    };

    void SetUpButton(MenuButton& entry, const char* strip, const char* label, float x, float y);
    void ShowPage(bool create);
    void Show(Gadget& control, bool shown);
    void CreateFromField();
    void DeleteSelected();
    void CancelChoice();
    void DrawButton(const MenuButton& entry) const;

    PlimbZappetsApp& app;
    const Sprite* listPanel = nullptr;
    const Sprite* createPanel = nullptr;
    std::unique_ptr<Sprite> listTitle, createTitle;
    ProfileList list;
    MenuButton create, remove, choose, cancel;  // the list page
    EditBox nameField;
    LetterRow letters;                // the name spelt with a gamepad
    MenuButton createNew, cancelNew;  // the create page
    String openedWith;                // the profile current when the menu opened
    bool forced;
    bool createPage = false;
};
