#pragma once
// The game screen for boards under test: settable journey values and a
// record of what the board reported. With a board attached, progress that
// reaches the board's target fills the meter at once and ends its waves.

#include <string>
#include <vector>

#include "board/Board.h"
#include "board/BoardGame.h"

struct FakeBoardGame : BoardGame {
    void AddScore(int32_t points) override { score += points; }
    void AddProgress(int32_t points) override {
        progress += points;
        if (!board || meterFull || progress < board->ProgressTarget()) return;
        meterFull = true;
        board->SetWavesOver();
        board->EndWaves();
    }
    bool IsMeterFull() const override { return meterFull; }
    int32_t Lives() const override { return lives; }
    void SetLives(int32_t value) override { lives = value; }
    PlayStyle Style() const override { return style; }
    int32_t WorldIndex() const override { return world; }
    bool Mirror() const override { return mirror; }
    bool IsPaused() const override { return paused; }
    void SetPaused(bool on) override {
        paused = on;
        if (board) board->paused = on;
    }
    void OpenPauseMenu() override { ++menuOpened; }
    bool IsBusy() const override { return busy; }
    void ClearTallies() override { missed = caught = launched = swaps = popped = 0; }
    void CountTally(BoardTally tally) override { ++(tally == BoardTally::MissedShots ? missed : caught); }
    void CountStatistic(TrackStatistic statistic, int32_t amount) override {
        if (statistic == TrackStatistic::PlimbsPopped) popped += amount;
    }
    void RaiseStatistic(TrackStatistic, int32_t) override {}
    void CountLauncherStatistic(LauncherStatistic statistic) override {
        ++(statistic == LauncherStatistic::PlimbsLaunched ? launched : swaps);
    }
    void CountLifeLost() override { ++livesLost; }
    void MarkGameOver() override { over = true; }
    void ClearSavedJourney() override { ++journeyCleared; }
    void ShowLevelUp() override { ++levelUps; }
    void LevelComplete() override { ++completions; }
    void PlaySound(const char* name, float, float) override { sounds.push_back(name); }

    int32_t score = 0, progress = 0, lives = 3, world = 0;
    PlayStyle style = PlayStyle::Normal;
    bool meterFull = false, mirror = false, paused = false, busy = false, over = false;
    int32_t missed = 0, caught = 0, launched = 0, swaps = 0, popped = 0;
    int32_t livesLost = 0, journeyCleared = 0, levelUps = 0, completions = 0, menuOpened = 0;
    std::vector<std::string> sounds;
    Board* board = nullptr;  // not owned
    bool Won() const { return completions > 0; }
};
