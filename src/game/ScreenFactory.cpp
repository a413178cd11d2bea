#include "game/ScreenFactory.h"

#include "game/journey/DifficultyMenu.h"
#include "game/menus/HSMenu.h"
#include "game/menus/MainMenu.h"
#include "game/menus/OptionsMenu.h"
#include "game/play/Game.h"
#include "game/play/LevelUp.h"

Gadget* CreateScreen(PlimbZappetsApp& app, ScreenKind kind) {
    switch (kind) {
        case ScreenKind::MainMenu: return new MainMenu(app);
        case ScreenKind::Options: return new OptionsMenu(app);
        case ScreenKind::JourneyMap: return new DifficultyMenu(app);
        case ScreenKind::HighScores: return new HSMenu(app);
        case ScreenKind::Game: return new Game(app);
        case ScreenKind::LevelUp: return new LevelUp(app);
    }
    return nullptr;
}
