#pragma once
// The game screen's part of one level, kept to what a board started from the
// command line needs: score, progress against the level's target, lives,
// pause and the tallies. Stands in until the game screen is built; then this
// goes.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "board/BoardGame.h"

class Board;
class Sound;

class GameStandIn : public BoardGame {
public:
    static constexpr int32_t kStartLives = 3;

    GameStandIn(int32_t worldIndex, PlayStyle playStyle);
    ~GameStandIn() override;

    // The board whose waves stop when progress reaches its target.
    void Attach(Board* playing) { board = playing; }

    void AddScore(int32_t points) override { score += points; }
    void AddProgress(int32_t points) override;
    bool IsMeterFull() const override { return meterFull; }
    int32_t Lives() const override { return lives; }
    void SetLives(int32_t value) override { lives = value; }
    PlayStyle Style() const override { return style; }
    int32_t WorldIndex() const override { return world; }
    bool Mirror() const override { return false; }
    bool IsPaused() const override { return paused; }
    void SetPaused(bool on) override;
    // No menu to show here: pausing is all of it, and a click plays on.
    void OpenPauseMenu() override { SetPaused(true); }
    bool IsBusy() const override { return false; }
    void ClearTallies() override;
    void CountTally(BoardTally tally) override { ++tallies[static_cast<int32_t>(tally)]; }
    void CountStatistic(TrackStatistic statistic, int32_t amount) override;
    void RaiseStatistic(TrackStatistic statistic, int32_t value) override {}
    void CountLauncherStatistic(LauncherStatistic statistic) override;
    void CountLifeLost() override {}
    void MarkGameOver() override { over = true; }
    void ClearSavedJourney() override {}
    // Nothing to show: the tallies stay for the closing report line.
    void ShowLevelUp() override {}
    void LevelComplete() override { won = true; }
    void PlaySound(const char* name, float pitch, float volume) override;

    int32_t score = 0;
    int32_t progress = 0;
    int32_t lives = kStartLives;
    // Tallies of this level.
    int32_t popped = 0;
    int32_t launched = 0;
    int32_t swaps = 0;
    bool meterFull = false;
    bool paused = false;
    bool over = false;
    bool won = false;
    int32_t tallies[2] = {};

private:
    int32_t world;
    PlayStyle style;
    Board* board = nullptr;
    std::map<std::string, std::unique_ptr<Sound>> sounds;  // loaded on first use
};
