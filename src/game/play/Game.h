#pragma once
// The screen a journey is played on: it owns the board of the current level,
// keeps the level's counters and the score's extra-life meter, draws the
// heads-up display over the board and runs the pause with its in-game menu.
// One game screen lives through all the levels of a stage.
//
// The files: Game.cpp (levels, score, progress, pause), GameBoardCalls.cpp
// (what the board asks of it), GameDraw.cpp (the display).

#include <array>
#include <cstdint>

#include "board/BoardGame.h"
#include "board/BoardMedia.h"
#include "core/String.h"
#include "game/Statistic.h"
#include "ui/Gadget.h"

class Board;
class IOBuffer;
class InGameMenu;
class PlimbZappetsApp;
struct LevelGroup;

class Game : public Gadget, public BoardGame {
public:
    static constexpr int32_t kTallyCount = 8;
    // The per-level tallies, in the order a saved game keeps them.
    enum Tally : int32_t {
        BonusesCaught,
        BallsPopped,
        LargestCombo,
        RobotsCleared,
        ComboCount,
        BallsLaunched,
        SwapsMade,
        MissedShots,
    };
    // The order the level-up panel shows them in.
    static constexpr Tally kPanelOrder[kTallyCount] = {BallsLaunched, BallsPopped,  SwapsMade,     RobotsCleared,
                                                       ComboCount,    LargestCombo, BonusesCaught, MissedShots};
    static constexpr int32_t kStartQuota = 100;         // progress balls of a level that names none
    static constexpr int32_t kMostProgress = 1 << 24;   // balls: no level counts or asks for more
    static constexpr int32_t kLifeMeterSpan = 1000000;  // points per extra life
    static constexpr int32_t kLifeFlashTicks = 250;
    static constexpr float kProgressStep = 0.01f;                // bar fill per tick
    static constexpr float kDimStep = 0.005f, kDimMost = 0.35f;  // pause dimming opacity per tick, and its limit
    static constexpr float kGameOverFadeStep = 0.01f;            // per tick

    explicit Game(PlimbZappetsApp& app);
    ~Game() override;

    // The stage being played; null leaves the game without levels (the next
    // BeginLevel finishes the stage).
    void SetGroup(const LevelGroup* levels) { group = levels; }
    const LevelGroup* Group() const { return group; }
    // Starts the level at levelIndex of the group, or finishes the stage
    // when there is none or no board plays its name.
    void BeginLevel();
    // The next level of the stage, under a transition.
    void NextLevel();
    void PausePlay();
    void ResumePlay();
    Board* CurrentBoard() const { return board; }
    InGameMenu* PauseMenu() const { return pauseMenu; }
    // The game's record inside the saved journey, with the board's record
    // when a level runs. Load takes the record only when all of it is sound
    // (the group must be set first: the board is rebuilt from its level);
    // false leaves the game as it was.
    void Save(IOBuffer& out) const;
    bool Load(IOBuffer& in);

    // The journey's "%s LEVEL %d-%d" for the current level; empty without a
    // journey stage.
    String LevelLine() const;

    void Update() override;
    void Draw() override;
    void DrawOverlay() override;

    // BoardGame.
    void AddScore(int32_t points) override;
    void AddProgress(int32_t count) override;
    bool IsMeterFull() const override { return progressFull; }
    int32_t Lives() const override;
    void SetLives(int32_t value) override;
    PlayStyle Style() const override;
    int32_t WorldIndex() const override;
    bool Mirror() const override;
    bool IsPaused() const override { return paused; }
    void SetPaused(bool on) override;
    void OpenPauseMenu() override;
    bool IsBusy() const override;
    void ClearTallies() override { tallies.fill(0); }
    void CountTally(BoardTally tally) override;
    void CountStatistic(TrackStatistic statistic, int32_t amount) override;
    void RaiseStatistic(TrackStatistic statistic, int32_t value) override;
    void CountLauncherStatistic(LauncherStatistic statistic) override;
    void CountLifeLost() override;
    void MarkGameOver() override { gameOver = true; }
    void ClearSavedJourney() override;
    void ShowLevelUp() override;
    void LevelComplete() override;
    void PlaySound(const char* name, float pitch, float volume) override;

    // State; the application, the panels and tests read it directly.
    String scoreText;
    int32_t progressCount = 0;
    int32_t progressQuota = kStartQuota;
    int32_t extraLifeMeter = 0;
    int32_t levelIndex = 0;
    float progressTarget = 0;
    float progressShown = 0;
    std::array<int32_t, kTallyCount> tallies{};
    bool progressFull = false;
    bool paused = false;
    float dimAlpha = 0;
    bool gameOver = false;
    float gameOverFade = 0;
    int32_t lifeFlash = 0;

private:
    void DestroyBoard();
    // Sets the application's path mirroring for the level about to be built:
    // by the world's rule, or as a restored level was saved with.
    void ChooseMirroring(bool restoring);
    // A board for the level's name, loaded and started; false when no theme
    // plays that name.
    bool CreateLevelBoard(const String& levelName);
    // The same board built and started, not yet given the focus; null when no
    // theme plays that name.
    Board* BuildLevelBoard(const String& levelName);
    // The level-up panel with this level's tallies; not `passed`: the final
    // statistics of a lost game.
    void OpenLevelUp(bool passed);
    int32_t& Stat(Statistic statistic);
    void DrawLives() const;
    void DrawPause() const;

    PlimbZappetsApp& app;
    BoardMedia media;
    const LevelGroup* group = nullptr;
    Board* board = nullptr;           // a child of this screen, owned
    InGameMenu* pauseMenu = nullptr;  // a child of this screen while it exists
};
