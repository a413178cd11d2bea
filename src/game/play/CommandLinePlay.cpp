#include "game/play/CommandLinePlay.h"

#include <cstdio>

#include "app/CommandLine.h"
#include "board/AutoPlayer.h"
#include "board/Board.h"
#include "board/JourneyNames.h"
#include "board/LevelGroup.h"
#include "game/PlimbZappetsApp.h"
#include "game/play/BotKeys.h"
#include "game/play/BotWindowControls.h"
#include "game/play/Game.h"
#include "game/play/LevelUp.h"

namespace {
// The panel row that shows `tally`.
int32_t PanelRow(Game::Tally tally) {
    for (int32_t row = 0; row < Game::kTallyCount; ++row)
        if (Game::kPanelOrder[row] == tally) return row;
    return 0;
}

void PrintLine(const String& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}
}  // namespace

bool CommandLinePlay::IsWanted(const LaunchOptions& launch) {
    return launch.autoplay || !launch.level.IsEmpty() || !launch.stage.IsEmpty() || !launch.inputFile.IsEmpty();
}

CommandLinePlay::CommandLinePlay(PlimbZappetsApp& owner, const LaunchOptions& options)
    : app(owner),
      launch(options),
      mode(!options.level.IsEmpty()   ? Mode::Level
           : !options.stage.IsEmpty() ? Mode::Stage
                                      : Mode::Journey),
      reportsLevels(mode != Mode::Journey || !options.inputFile.IsEmpty()),
      // A recorded bot session goes through the window, so that it replays
      // without the bot.
      windowControls(options.autoplay && !options.recordFile.IsEmpty() ? std::make_unique<BotWindowControls>(owner)
                                                                       : nullptr) {}

CommandLinePlay::~CommandLinePlay() = default;

void CommandLinePlay::Start() {
    if (mode == Mode::Journey) return;
    app.playStyle = launch.playStyle;
    app.score = 0;
    app.lives = PlimbZappetsApp::kStartLives;
    app.worldIndex = launch.world - 1;
    if (mode == Mode::Level) {
        app.singleLevel = LevelGroup{launch.level, {launch.level}};
        app.currentGroup = launch.level;
    } else {
        app.currentGroup = launch.stage;
        int32_t world = 0, stage = 0;
        if (JourneyNames::ParseStageName(launch.stage, world, stage)) app.worldIndex = world - 1;
    }
    app.restartGroup = true;
    app.freshStart = true;
    lastScore = app.score;
    lastLives = app.lives;
    app.StartGame();
    // A stage with nothing to play ends within this call.
    gameSeen = true;
}

void CommandLinePlay::BeforeUpdate() {
    if (!launch.autoplay) return;
    Game* game = app.CurrentGame();
    Board* board = game ? game->CurrentBoard() : nullptr;
    if (board != botBoard) {
        bot.reset();
        botKeys = board && launch.autoplayKeys ? std::make_unique<BotKeys>(app, *board) : nullptr;
        BotHands* hands = botKeys ? static_cast<BotHands*>(botKeys.get()) : windowControls.get();
        bot = board ? std::make_unique<AutoPlayer>(*board, hands) : nullptr;
        botBoard = board;
    }
    if (botKeys) botKeys->BeginTick();
    if (bot) bot->Tick();
    if (botKeys) botKeys->EndTick();
}

String CommandLinePlay::LevelName() const {
    const Game* game = app.CurrentGame();
    const LevelGroup* group = game ? game->Group() : nullptr;
    if (!group || game->levelIndex < 0 || game->levelIndex >= static_cast<int32_t>(group->levelNames.size()))
        return launch.level;
    return group->levelNames[static_cast<size_t>(game->levelIndex)];
}

String CommandLinePlay::LevelReport(const char* outcome, const LevelUp* panel) const {
    const Game* game = app.CurrentGame();
    int32_t popped = 0, shots = 0;
    if (panel) {
        popped = panel->Value(PanelRow(Game::BallsPopped));
        shots = panel->Value(PanelRow(Game::BallsLaunched));
    } else if (game) {
        popped = game->tallies[Game::BallsPopped];
        shots = game->tallies[Game::BallsLaunched];
    }
    return String::Format("level=%s world=%d style=%s outcome=%s ticks=%d score=%d popped=%d shots=%d lives=%d",
                          levelName.c_str(), app.worldIndex + 1, CommandLine::StyleName(app.playStyle), outcome, ticks,
                          app.score, popped, shots, app.lives);
}

void CommandLinePlay::ReportLevel(const LevelUp& panel) {
    PrintLine(LevelReport(panel.Passed() ? "won" : "lost", &panel));
    panelReported = true;
    levelInPlay = false;
    lastPassed = panel.Passed();
    lastScore = app.score;
    lastLives = app.lives;
    ++levelsPlayed;
    ticks = 0;
}

void CommandLinePlay::ReportStage(const char* outcome) {
    if (stageReported) return;
    stageReported = true;
    PrintLine(String::Format("stage=%s outcome=%s levels=%d score=%d lives=%d", launch.stage.c_str(), outcome,
                             levelsPlayed, lastScore, lastLives));
}

void CommandLinePlay::AfterUpdate() {
    Game* game = app.CurrentGame();
    // A board under its level's panel has been reported already.
    if (game && game->CurrentBoard() && !app.CurrentLevelUp()) {
        levelInPlay = true;
        levelName = LevelName();
        if (!game->paused) ++ticks;
    }
    LevelUp* panel = app.CurrentLevelUp();
    if (!panel) panelReported = false;
    if (panel && !panelReported && reportsLevels) ReportLevel(*panel);
    if (panel && panel->IsSettled()) {
        if (mode == Mode::Level) {
            app.Quit();
            return;
        }
        if (mode == Mode::Stage && !panel->Passed()) {
            ReportStage("lost");
            app.Quit();
            return;
        }
        if (launch.autoplay) panel->PressContinue();
    }
    gameSeen = gameSeen || game;
    if (mode != Mode::Journey && gameSeen && !game) {
        // The stage has ended: the journey map took over from the game, or
        // the player left a level through the in-game menu.
        bool left = levelInPlay;
        if (left) PrintLine(LevelReport("running", nullptr));
        levelInPlay = false;
        if (mode == Mode::Stage) ReportStage(left ? "running" : levelsPlayed > 0 && !lastPassed ? "lost" : "finished");
        app.Quit();
    }
}

void CommandLinePlay::OnQuit() {
    if (!reportsLevels) return;
    if (levelInPlay) PrintLine(LevelReport("running", nullptr));
    if (mode == Mode::Stage) ReportStage("running");
}
