#pragma once
// What a board needs from the game screen and the journey around it: score,
// progress, lives, pause, the per-level tallies, statistics, sounds and the
// end-of-level and game-over calls. The game screen implements it.

#include <cstdint>

#include "track/LauncherHost.h"
#include "track/PlayStyle.h"
#include "track/TrackHost.h"

// The per-level tallies the board counts itself (the chain counts the rest
// through its statistics).
enum class BoardTally : int32_t { MissedShots, BonusesCaught };

// Sounds of the board; BoardSoundName gives the catalogue name.
enum class BoardSound : int32_t { LifeLost, Rewind, Explosion, Robot, Firework, BonusCatch, Roll };
const char* BoardSoundName(BoardSound sound);

class BoardGame {
public:
    virtual ~BoardGame() = default;

    virtual void AddScore(int32_t points) = 0;
    virtual void AddProgress(int32_t points) = 0;
    // The displayed meter has filled (drops on an empty board turn into coins).
    virtual bool IsMeterFull() const = 0;

    virtual int32_t Lives() const = 0;
    virtual void SetLives(int32_t lives) = 0;
    virtual PlayStyle Style() const = 0;
    virtual int32_t WorldIndex() const = 0;  // -1 without a journey
    // Paths and scenery are mirrored about x = 400.
    virtual bool Mirror() const = 0;

    virtual bool IsPaused() const = 0;
    virtual void SetPaused(bool paused) = 0;
    // The board's menu button was pressed: the in-game menu opens over the
    // paused game.
    virtual void OpenPauseMenu() = 0;
    // A screen transition runs or the level-up screen is open: no pause
    // toggling and no level-complete requests.
    virtual bool IsBusy() const = 0;

    // Clears the per-level tallies (a new board).
    virtual void ClearTallies() = 0;
    virtual void CountTally(BoardTally tally) = 0;
    virtual void CountStatistic(TrackStatistic statistic, int32_t amount) = 0;
    virtual void RaiseStatistic(TrackStatistic statistic, int32_t value) = 0;
    // A ball launched or a swap made: the lifetime statistic of that name and
    // the level's tally (balls launched, swaps made).
    virtual void CountLauncherStatistic(LauncherStatistic statistic) = 0;
    // The lifetime "Lives Lost" counter.
    virtual void CountLifeLost() = 0;

    // The last life went: the game is over from now on.
    virtual void MarkGameOver() = 0;
    virtual void ClearSavedJourney() = 0;
    // After the drain of the last life: the statistics screen with this level's
    // tallies, which are then zeroed.
    virtual void ShowLevelUp() = 0;
    // The level is won and the board has finished its show.
    virtual void LevelComplete() = 0;

    virtual void PlaySound(const char* name, float pitch, float volume) = 0;
};
