#pragma once
// The screen slots the application switches between, and what a screen
// transition does when its creature covers the screen.

#include <cstdint>

enum class ScreenKind : int32_t { MainMenu, Options, JourneyMap, HighScores, Game, LevelUp };

enum class TransitionKind : int32_t {
    StartGame = 0,
    MainMenu = 1,
    HighScores = 2,
    Nothing3 = 3,
    Nothing4 = 4,
    RestartLevel = 5,
    JourneyMap = 6,
};
