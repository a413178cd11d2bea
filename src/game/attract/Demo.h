#pragma once
// The title's show-off: a board of the first two worlds played by the bot,
// with nothing of it counted anywhere (no score, statistics, high scores or
// saved journey) and a caption that invites the player in. When a board is
// won or lost another one is chosen and the show goes on.

#include <cstdint>
#include <memory>

#include "board/BoardGame.h"
#include "board/BoardMedia.h"
#include "core/String.h"
#include "ui/Gadget.h"

class AutoPlayer;
class Board;
class PlimbZappetsApp;

class Demo : public Gadget, public BoardGame {
public:
    static constexpr const char* kCaption = "DEMO \xE2\x80\x94 click to play";
    static constexpr int32_t kLives = 3;
    static constexpr int32_t kLastWorld = 2;  // boards come from worlds 1 .. kLastWorld

    explicit Demo(PlimbZappetsApp& app);
    ~Demo() override;

    Board* CurrentBoard() const { return board; }
    const String& LevelName() const { return levelName; }
    int32_t BoardsShown() const { return boardsShown; }

    void Update() override;
    void Draw() override;
    void DrawOverlay() override;

    // BoardGame: only what keeps the board playing is kept.
    void AddScore(int32_t) override {}
    void AddProgress(int32_t count) override;
    bool IsMeterFull() const override { return meterFull; }
    int32_t Lives() const override { return lives; }
    void SetLives(int32_t value) override { lives = value; }
    PlayStyle Style() const override { return PlayStyle::Normal; }
    int32_t WorldIndex() const override { return worldIndex; }
    bool Mirror() const override { return false; }
    bool IsPaused() const override { return false; }
    void SetPaused(bool) override {}
    void OpenPauseMenu() override {}
    bool IsBusy() const override { return false; }
    void ClearTallies() override {}
    void CountTally(BoardTally) override {}
    void CountStatistic(TrackStatistic, int32_t) override {}
    void RaiseStatistic(TrackStatistic, int32_t) override {}
    void CountLauncherStatistic(LauncherStatistic) override {}
    void CountLifeLost() override {}
    void MarkGameOver() override {}
    void ClearSavedJourney() override {}
    void ShowLevelUp() override { boardOver = true; }
    void LevelComplete() override { boardOver = true; }
    void PlaySound(const char* name, float pitch, float volume) override;

private:
    // A random level of the first worlds on a fresh board, the bot at its
    // controls; nothing when the library has none.
    void StartRandomBoard();
    void DestroyBoard();

    PlimbZappetsApp& app;
    BoardMedia media;
    Board* board = nullptr;  // a child of this screen, owned
    std::unique_ptr<AutoPlayer> bot;
    String levelName;
    int32_t worldIndex = 0;
    int32_t lives = kLives;
    int32_t progress = 0, quota = 0;
    bool meterFull = false;
    bool boardOver = false;
    int32_t boardsShown = 0;
    int32_t age = 0;  // update steps shown, for the caption's pulse
};
