// The screen slots of the game application and the operations that switch
// between them.
#include "board/JourneyNames.h"
#include "core/Log.h"
#include "game/PlimbZappetsApp.h"
#include "game/ScreenFactory.h"
#include "game/TitleScreen.h"
#include "game/Transition.h"
#include "game/journey/DifficultyMenu.h"
#include "game/menus/UserMenu.h"
#include "game/play/Game.h"
#include "game/play/LevelUp.h"

void PlimbZappetsApp::KillSlot(Gadget*& slot) {
    if (!slot) return;
    slot->Kill();
    slot = nullptr;
}

void PlimbZappetsApp::KillTitle() {
    if (!title) return;
    title->Kill();
    title = nullptr;
}

void PlimbZappetsApp::ShowScreen(Gadget*& slot, ScreenKind kind) {
    if (!slot) slot = CreateScreen(*this, kind);
    mGadgets.Add(slot);
    Log::Line("Screen: %s", slot->mName);
}

void PlimbZappetsApp::CloseAllScreens() {
    KillSlot(levelUp);
    KillTitle();
    if (transition) {
        transition->Kill();
        transition = nullptr;
    }
    KillSlot(mainMenu);
    KillSlot(highScoreScreen);
    if (journeyMap && !keptJourneyMap) {
        mGadgets.Remove(journeyMap);
        keptJourneyMap.reset(journeyMap);
    }
    if (!resumeGame) KillSlot(game);
}

void PlimbZappetsApp::ShowMainMenu() {
    CloseAllScreens();
    ShowScreen(mainMenu, ScreenKind::MainMenu);
}

void PlimbZappetsApp::ShowOptions() {
    if (options) return;
    ShowScreen(options, ScreenKind::Options);
}

void PlimbZappetsApp::CloseOptions() { KillSlot(options); }

void PlimbZappetsApp::ShowJourneyMap(bool groupFinished) {
    CloseAllScreens();
    if (keptJourneyMap) {
        keptJourneyMap.release();
    } else if (!journeyMap) {
        journeyMap = static_cast<DifficultyMenu*>(CreateScreen(*this, ScreenKind::JourneyMap));
        score = 0;
        lives = kStartLives;
    }
    journeyMap->ResetForDisplay();
    if (groupFinished) journeyMap->CompleteStage();
    mGadgets.Add(journeyMap);
    Log::Line("Screen: %s", journeyMap->mName);
}

void PlimbZappetsApp::DiscardJourneyMap() {
    if (keptJourneyMap) {
        keptJourneyMap.reset();
    } else if (journeyMap) {
        journeyMap->Kill();
    }
    journeyMap = nullptr;
}

void PlimbZappetsApp::ShowHighScores() {
    CloseAllScreens();
    ShowScreen(highScoreScreen, ScreenKind::HighScores);
}

void PlimbZappetsApp::RunProfileMenu(int32_t mode) { UserMenu::RunMenu(*this, mode); }

void PlimbZappetsApp::StartTransition(TransitionKind kind) {
    if (transition) return;
    transition = new Transition(*this, kind);
    mGadgets.Add(transition);
}

Gadget* PlimbZappetsApp::IdleScreen() const {
    if (mGadgets.Count() != 1) return nullptr;
    Gadget* shown = mGadgets.GadgetAtIndex(0);
    if (shown->mKilled) return nullptr;
    if (shown == title && !title->IsLoading()) return shown;
    return shown == mainMenu ? shown : nullptr;
}

// The factory makes these two slots' screens of their own classes.
Game* PlimbZappetsApp::CurrentGame() const { return static_cast<Game*>(game); }

LevelUp* PlimbZappetsApp::CurrentLevelUp() const { return static_cast<LevelUp*>(levelUp); }

void PlimbZappetsApp::ShowLevelUp() {
    if (levelUp) return;
    ShowScreen(levelUp, ScreenKind::LevelUp);
}

void PlimbZappetsApp::CloseLevelUp() { KillSlot(levelUp); }

void PlimbZappetsApp::StartGame() {
    CloseAllScreens();
    // On screen before its level begins: a stage with nothing to play hands
    // over to the journey map at once, and that must stay the last word.
    ShowScreen(game, ScreenKind::Game);
    if (resumeGame) {
        resumeGame = false;
    } else {
        SelectLevelGroup();
        CurrentGame()->BeginLevel();
    }
    freshStart = true;
}

void PlimbZappetsApp::SelectLevelGroup() {
    Game* playing = CurrentGame();
    if (!playing) return;
    if (restartGroup) playing->levelIndex = 0;
    // A journey's stage names its world; a restored game needs it before
    // its board is rebuilt.
    int32_t world = 0, stage = 0;
    if (JourneyNames::ParseStageName(currentGroup, world, stage)) worldIndex = world - 1;
    const LevelGroup* found = Resources().Levels().FindGroup(currentGroup);
    if (!found && !singleLevel.name.IsEmpty() && singleLevel.name.EqualsIgnoreCase(currentGroup.view()))
        found = &singleLevel;
    if (found) playing->SetGroup(found);
}

void PlimbZappetsApp::RunTransitionAction(TransitionKind kind) {
    switch (kind) {
        case TransitionKind::StartGame: StartGame(); break;
        case TransitionKind::MainMenu: ShowMainMenu(); break;
        case TransitionKind::HighScores: ShowHighScores(); break;
        case TransitionKind::JourneyMap: ShowJourneyMap(false); break;
        case TransitionKind::RestartLevel:
            if (Game* playing = CurrentGame()) playing->BeginLevel();
            break;
        case TransitionKind::Nothing3:
        case TransitionKind::Nothing4: break;
    }
}
