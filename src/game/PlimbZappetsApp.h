#pragma once
// The game's application: its identity, the shared resource catalogue loaded
// at start-up, the state of one run (profile, statistics, high scores, the
// journey) and the screen slots with the operations that switch between
// them. Screens reach it through the pointer they are built with.

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "app/App.h"
#include "board/LevelGroup.h"
#include "data/ProfileManager.h"
#include "game/Catalogue.h"
#include "game/HighScoreList.h"
#include "game/MusicDirector.h"
#include "game/ScreenKind.h"

class AttractMode;
class CommandLinePlay;
class DifficultyMenu;
class Game;
class Gadget;
class IOBuffer;
class LevelUp;
class TitleScreen;
class Transition;

class PlimbZappetsApp : public App {
public:
    static constexpr const char* kName = "Plimb Zappets";
    static constexpr const char* kVersion = "1.00";
    static constexpr const char* kCompany = "TAVGames";
    static constexpr int32_t kScreenWidth = 800;
    static constexpr int32_t kScreenHeight = 600;
    static constexpr int32_t kStatCount = 14;
    static constexpr int32_t kStartLives = 3;
    static constexpr int32_t kStartPlayStyle = 2;
    // The title screen's progress bar is full at this many loading steps.
    static constexpr int32_t kProgressSteps = 146;

    PlimbZappetsApp();
    ~PlimbZappetsApp() override;

    void Initialize(const LaunchOptions& launch) override;
    void Update() override;
    void AfterUpdate() override;
    void Quit() override;
    void OnFocusChange(bool active) override;
    // A minimised window stops the game as a lost focus does; the player's
    // input ends or holds off the demonstration.
    bool HandleWindowMessage(uint32_t window, uint32_t message, uint32_t wparam, uint32_t lparam) override;
    void LoadResources() override;
    void OnLoadingComplete() override;
    // A yes/no box when `kind` is "YESNO" (case ignored), otherwise an OK box;
    // true for yes or OK.
    bool ShowMessage(const String& title, const String& text, const String& kind);

    // Screen switching.
    void CloseAllScreens();
    void ShowMainMenu();
    void ShowOptions();
    // The options screen's own way out.
    void CloseOptions();
    void ShowJourneyMap(bool groupFinished);
    void ShowHighScores();
    void RunProfileMenu(int32_t mode);
    void StartTransition(TransitionKind kind);
    void ShowLevelUp();
    void CloseLevelUp();
    void StartGame();
    void SelectLevelGroup();
    // What a transition does when its creature covers the screen.
    void RunTransitionAction(TransitionKind kind);

    // The application's data folder, a separator and `name`.
    String SharedFilePath(const String& name) const;
    // Counters past the end of a short or missing file read as 0.
    void LoadStats();
    void SaveStats();
    // A new high score at the end of a journey: when `score` earns a place,
    // asks for the name and enters it; false when it earns none or the game
    // quit during the name entry.
    bool OfferHighScore();
    // Enters `score` under `name`, marks its row for the high-score screen
    // and writes the table at once, so a crash later keeps it.
    void EnterHighScore(const String& name);
    // The saved journey of the current profile ("Journey.SAV").
    // The first string of the file; "" when there is none.
    String SavedJourneyVersion();
    // Restores the saved journey and shows where it stood; false (nothing
    // changed) when there is none or it cannot be read.
    bool LoadJourney();
    void SaveJourney();
    void ClearJourney();
    // The play-style screen of a new journey, as a child of `menu`.
    void OpenPlayStyleChoice(Gadget& menu);
    // A new journey in the chosen play style: a fresh journey map, shown
    // through a transition.
    void StartNewJourney();
    // Destroys the journey map, shown or kept.
    void DiscardJourneyMap();
    // Null before a journey.
    DifficultyMenu* JourneyMap() const { return journeyMap; }

    const Catalogue& Resources() const { return catalogue; }
    Catalogue& Resources() { return catalogue; }
    const MusicDirector& Music() const { return music; }
    // Tells the music director what the screen shows now (each update step).
    void FollowMusic();
    // Plays a catalogue sound at `volume`; nothing when it is missing.
    void PlaySound(const char* name, float volume = 1.0f) const;
    bool IsTransitionRunning() const { return transition != nullptr; }
    Transition* CurrentTransition() const { return transition; }
    void SetTransitionSlot(Transition* running) { transition = running; }
    TitleScreen* Title() const { return title; }
    // The screen a player may leave idle for the demonstration: the title
    // once it shows its play button, or the main menu, when nothing else is
    // up; null otherwise.
    Gadget* IdleScreen() const;
    AttractMode& Attract() { return *attract; }
    Game* CurrentGame() const;
    LevelUp* CurrentLevelUp() const;

    // The state of one run.
    ProfileManager profiles;
    HighScoreList highScores;
    int32_t highScoreRank = -1;
    std::array<int32_t, kStatCount> stats{};
    String currentGroup = "Null!";
    std::array<int32_t, Catalogue::kBallColours> colourOrder{};
    std::atomic<int32_t> coloursLoaded{0};
    int32_t score = 0;
    int32_t lives = kStartLives;
    int32_t worldReached = 0;
    // The world the levels are played in, 0 .. 4, kept by the journey map;
    // -1 without a journey.
    int32_t worldIndex = -1;
    // A level started on its own from the command line plays as a stage of
    // one under its own name.
    LevelGroup singleLevel;
    int32_t playStyle = kStartPlayStyle;
    int32_t savedGameWord = 0;
    std::atomic<int32_t> loadProgress{0};
    bool resumeGame = false;
    bool restartGroup = true;
    bool freshStart = false;
    bool mirrorPaths = false;
    bool gameOverMark = false;
    bool specialTransition = false;

private:
    // Loads the table entries of one loading step; false when a quit request
    // stopped it.
    bool LoadStep(int32_t step);
    // What the way out keeps: the journey (when one is on the screen), the
    // statistics and the high-score table.
    void SaveRun();
    void LoadHighScores();
    void ShowScreen(Gadget*& slot, ScreenKind kind);
    void KillSlot(Gadget*& slot);
    void KillTitle();
    // Whether `screen` is on the screen now.
    bool IsShown(const Gadget* screen) const;
    MusicScene ShownMusicScene() const;
    // The game screen goes, wherever it is.
    void DestroyGame();
    // The saved journey's stream, in its file order.
    void WriteJourney(IOBuffer& out) const;
    // The desktop took the player away: a level in play stops without its menu.
    void PauseForDesktop();
    // The screen saver is held off exactly while a level is being played.
    void UpdateScreenSaver();

    Catalogue catalogue;
    MusicDirector music;
    TitleScreen* title = nullptr;
    Transition* transition = nullptr;
    Gadget* mainMenu = nullptr;
    Gadget* options = nullptr;
    DifficultyMenu* journeyMap = nullptr;  // kept across CloseAllScreens, only removed from the screen
    Gadget* highScoreScreen = nullptr;
    Gadget* game = nullptr;
    Gadget* levelUp = nullptr;
    std::unique_ptr<DifficultyMenu> keptJourneyMap;  // owns the map while it is off the screen
    std::unique_ptr<CommandLinePlay> commandLinePlay;
    std::unique_ptr<AttractMode> attract;
    bool screenSaverHeld = false;
};

// The running game application; null when the application is not the game.
PlimbZappetsApp* GetGameApp();
