#pragma once
// Play asked for on the command line. --level NAME and --stage NAME go
// straight into that level (as a stage of one) or stage once loading is done
// and print one line for each level as its panel appears, and for a stage a
// last line when it ends. --autoplay lets the bot play every board and press
// continue on the level-up panel; the menus stay the player's. A replayed
// script (--input) reports its levels the same way, and the level in play
// when it stops, so that a replay can be checked by its last line. A bot
// session that is recorded (--record) plays through the window; with
// --autoplay-keys the bot steers with the keyboard.

#include <cstdint>
#include <memory>

#include "app/LaunchOptions.h"
#include "core/String.h"

class AutoPlayer;
class BotKeys;
class Board;
class BotWindowControls;
class LevelUp;
class PlimbZappetsApp;

class CommandLinePlay {
public:
    // Whether `launch` asks for any of it.
    static bool IsWanted(const LaunchOptions& launch);

    CommandLinePlay(PlimbZappetsApp& app, const LaunchOptions& launch);
    ~CommandLinePlay();

    // Loading is done: into the level or stage asked for.
    void Start();
    // Before each update: the bot's inputs.
    void BeforeUpdate();
    // After each update: reports, the bot's continue, and the end of the run.
    void AfterUpdate();
    // The run is stopping: a level still in play reports how far it got.
    void OnQuit();

    // "level=... world=... style=... outcome=won|lost|running ticks=... score=... popped=... shots=... lives=...";
    // the tallies come from `panel` when there is one, else from the level in play.
    String LevelReport(const char* outcome, const LevelUp* panel) const;

private:
    enum class Mode : int32_t { Journey, Level, Stage };

    void ReportLevel(const LevelUp& panel);
    void ReportStage(const char* outcome);
    // The name of the current level of the game screen.
    String LevelName() const;

    PlimbZappetsApp& app;
    LaunchOptions launch;
    Mode mode;
    bool reportsLevels;
    std::unique_ptr<BotWindowControls> windowControls;  // null: the bot works the board directly
    std::unique_ptr<BotKeys> botKeys;                   // the bot's hands with --autoplay-keys
    std::unique_ptr<AutoPlayer> bot;
    const Board* botBoard = nullptr;  // the board the bot was made for
    int32_t ticks = 0;                // update steps of the level in play, pause excluded
    bool panelReported = false;
    bool levelInPlay = false;  // a board has played since the last report
    String levelName;          // of the level in play, kept after its game screen has gone
    bool gameSeen = false;
    bool stageReported = false;
    bool lastPassed = false;
    int32_t levelsPlayed = 0;
    int32_t lastScore = 0, lastLives = 0;  // when the last panel appeared
};
