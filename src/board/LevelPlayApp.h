#pragma once
// The application for one level started from the command line (--level): the
// themed board of that level in the window, with the game-screen stand-in
// keeping score, progress and lives. At the end of the level, or when the
// run stops, one line reports how it went.

#include <memory>

#include "app/App.h"
#include "board/AutoPlayer.h"
#include "board/BoardMediaStore.h"
#include "board/GameStandIn.h"
#include "board/LevelLibrary.h"
#include "board/StandInHud.h"

class Board;

class LevelPlayApp : public App {
public:
    LevelPlayApp();
    ~LevelPlayApp() override;

    // Whether a built theme handles the level name.
    static bool HasBoardFor(const String& levelName);

    void Initialize(const LaunchOptions& launch) override;
    void Update() override;
    void AfterUpdate() override;
    void Quit() override;

    // "level=... outcome=won|lost|running ticks=... ...".
    String ReportLine() const;

private:
    std::unique_ptr<GameStandIn> game;
    BoardMediaStore media;
    LevelLibrary library;
    Board* board = nullptr;  // owned by the gadget tree
    StandInHud* hud = nullptr;  // owned by the gadget tree, drawn over the board
    std::unique_ptr<AutoPlayer> autoPlayer;
    int32_t ticks = 0;
    bool reported = false;
};
