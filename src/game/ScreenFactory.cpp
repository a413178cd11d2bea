#include "game/ScreenFactory.h"

#include "game/PlaceholderScreen.h"

Gadget* CreateScreen(PlimbZappetsApp& app, ScreenKind kind) {
    switch (kind) {
        case ScreenKind::MainMenu: break;
        case ScreenKind::Options: break;
        case ScreenKind::JourneyMap: break;
        case ScreenKind::HighScores: break;
        case ScreenKind::Game: break;
        case ScreenKind::LevelUp: break;
        case ScreenKind::Profiles: break;
        case ScreenKind::PlayStyle: break;
    }
    return new PlaceholderScreen(app, kind);
}
