#pragma once
// The hub between journeys: greets the current profile and leads to a new
// or resumed journey, the options, the high scores, the profile menu and the
// way out. On a first start it asks for a profile by itself.

#include <array>
#include <cstdint>
#include <memory>

#include "core/String.h"
#include "ui/Button.h"
#include "ui/Gadget.h"

class PlimbZappetsApp;
class Sprite;

class MainMenu : public Gadget {
public:
    static constexpr const char* kBackground = "graphics\\mainmenu\\Background";

    static constexpr int32_t kNameWidth = 300;        // pixels the greeting's name may take
    static constexpr int32_t kPromptDelayTicks = 10;  // before the first-run profile prompt

    explicit MainMenu(PlimbZappetsApp& app);
    ~MainMenu() override;

    // Rebuilds the greeting from the current profile's name.
    void RefreshUserName();
    const String& ShownName() const { return shownName; }

    void Update() override;
    void Draw() override;
    void Notify(Gadget* source) override;

private:
    struct MenuButton {
        Button button;
        const Sprite* normal = nullptr;
        const Sprite* hilite = nullptr;
    };
    enum Choice { kNewGame, kResumeGame, kOptions, kExitGame, kHighScores, kChoices };

    void PlaceButton(Choice choice, const char* picture, float x, float y);
    void DrawButton(const MenuButton& entry) const;
    void StartNewGame();
    bool HasPlayStyleChoice() const;
    void AskToContinue();

    PlimbZappetsApp& app;
    const Sprite* background = nullptr;
    const Sprite* plate = nullptr;       // behind the greeting
    const Sprite* plateHover = nullptr;  // the same while the pointer is over it
    std::array<MenuButton, kChoices> buttons;
    Button user;  // the greeting: opens the profile menu
    std::unique_ptr<Sprite> welcomeText, nameText, changeText;
    String shownName;
    bool profilePromptPending = true;
    int32_t promptCountdown = kPromptDelayTicks;
};
