#include "game/ScreenFactory.h"

#include "game/PlaceholderScreen.h"
#include "game/journey/DifficultyMenu.h"
#include "game/journey/PickDiff.h"

Gadget* CreateScreen(PlimbZappetsApp& app, ScreenKind kind) {
    switch (kind) {
        case ScreenKind::MainMenu: break;
        case ScreenKind::Options: break;
        case ScreenKind::JourneyMap: return new DifficultyMenu(app);
        case ScreenKind::HighScores: break;
        case ScreenKind::Game: break;
        case ScreenKind::LevelUp: break;
        case ScreenKind::Profiles: break;
        case ScreenKind::PlayStyle: return new PickDiff(app);
    }
    return new PlaceholderScreen(app, kind);
}
