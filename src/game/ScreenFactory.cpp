#include "game/ScreenFactory.h"

#include "game/PlaceholderScreen.h"
#include "game/menus/MainMenu.h"
#include "game/menus/OptionsMenu.h"

Gadget* CreateScreen(PlimbZappetsApp& app, ScreenKind kind) {
    switch (kind) {
        case ScreenKind::MainMenu: return new MainMenu(app);
        case ScreenKind::Options: return new OptionsMenu(app);
        case ScreenKind::JourneyMap: break;
        case ScreenKind::HighScores: break;
        case ScreenKind::Game: break;
        case ScreenKind::LevelUp: break;
        case ScreenKind::Profiles: break;
        case ScreenKind::PlayStyle: break;
    }
    return new PlaceholderScreen(app, kind);
}
