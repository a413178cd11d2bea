#include "game/ScreenKind.h"

const char* ScreenClassName(ScreenKind kind) {
    switch (kind) {
        case ScreenKind::MainMenu: return "MainMenu";
        case ScreenKind::Options: return "OptionsMenu";
        case ScreenKind::JourneyMap: return "DifficultyMenu";
        case ScreenKind::HighScores: return "HSMenu";
        case ScreenKind::Game: return "Game";
        case ScreenKind::LevelUp: return "LevelUp";
        case ScreenKind::Profiles: return "UserMenu";
        case ScreenKind::PlayStyle: return "PickDiff";
    }
    return "Gadget";
}
