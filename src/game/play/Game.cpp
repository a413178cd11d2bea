#include "game/play/Game.h"

#include <algorithm>
#include <optional>

#include "board/Board.h"
#include "board/BoardFactory.h"
#include "board/JourneyNames.h"
#include "board/LevelGroup.h"
#include "core/Log.h"
#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/SavedGameWord.h"
#include "game/play/InGameMenu.h"
#include "game/play/LevelUp.h"

namespace {
constexpr int32_t kMirroredWorld = 3;      // paths always mirrored
constexpr int32_t kHalfMirroredWorld = 4;  // mirrored on every other level, by chance
constexpr const char* kFanfare = "Sounds\\fanfare";
}  // namespace

Game::Game(PlimbZappetsApp& owner)
    : scoreText(String::Format("%d", owner.score)),
      app(owner),
      media(owner.Resources().BoardPictures(owner.colourOrder)) {
    mName = "Game";
    FillScreen();
    app.gameOverMark = false;
}

Game::~Game() {
    DestroyBoard();
    if (pauseMenu) pauseMenu->Kill();  // the child list deletes it with this screen
    app.SaveStats();
}

void Game::DestroyBoard() {
    if (!board) return;
    RemoveChild(board);
    delete board;
    board = nullptr;
}

int32_t& Game::Stat(Statistic statistic) { return app.stats[static_cast<size_t>(statistic)]; }

// --- levels ------------------------------------------------------------

String Game::LevelLine() const {
    int32_t world = 0, stage = 0;
    if (!group || WorldIndex() < 0 || !JourneyNames::ParseStageName(group->name, world, stage)) return String();
    return JourneyNames::LevelTitle(WorldIndex(), stage, levelIndex + 1);
}

Board* Game::BuildLevelBoard(const String& levelName) {
    std::unique_ptr<Board> created = CreateBoard(levelName, *this, &media);
    if (!created) return nullptr;
    Board* built = created.release();
    AddChild(built);
    app.Resources().Levels().LoadLevel(levelName, WorldIndex(), Style(), *built);
    built->BuildTitleImages(built->DisplayName(), LevelLine());
    built->Start();
    return built;
}

bool Game::CreateLevelBoard(const String& levelName) {
    board = BuildLevelBoard(levelName);
    if (!board) return false;
    // A level that names no quota keeps the one before it.
    if (board->ProgressTarget() > 0) progressQuota = board->ProgressTarget();
    board->TakeFocus();
    return true;
}

void Game::ChooseMirroring(bool restoring) {
    std::optional<bool> saved = restoring ? SavedGameWord::RecordedMirror(app.savedGameWord) : std::nullopt;
    int32_t world = WorldIndex();
    if (saved)
        app.mirrorPaths = *saved;
    else if (world == kHalfMirroredWorld)
        app.mirrorPaths = GetRandom().Next(2) == 1;
    else if (world >= 0)
        app.mirrorPaths = world == kMirroredWorld;
}

void Game::BeginLevel() {
    ResumePlay();
    app.CloseLevelUp();
    DestroyBoard();
    if (app.freshStart) {
        progressShown = progressTarget = 0;
        progressCount = 0;
        progressFull = false;
        AddProgress(0);
    } else {
        // A restored game keeps the progress it was saved with.
        app.freshStart = true;
    }
    int32_t world = WorldIndex();
    ChooseMirroring(false);
    bool started = false;
    if (group && levelIndex >= 0 && levelIndex < static_cast<int32_t>(group->levelNames.size())) {
        const String& name = group->levelNames[static_cast<size_t>(levelIndex)];
        Log::Line("Level: %s (%s, world %d)", name.c_str(), group->name.c_str(), world + 1);
        started = CreateLevelBoard(name);
        if (!started) Log::Line("No board plays the level \"%s\"", name.c_str());
    }
    if (!started) {
        // Past the stage's end, or a name no board plays: the stage is over.
        app.ShowJourneyMap(true);
        return;
    }
    ResumePlay();
}

void Game::NextLevel() {
    ++levelIndex;
    app.StartTransition(TransitionKind::RestartLevel);
}

// --- score and progress --------------------------------------------------

void Game::AddScore(int32_t points) {
    if (points <= 0) return;
    // Points and the meter stay below the int32 limit however long a journey runs.
    extraLifeMeter = static_cast<int32_t>(std::min<int64_t>(int64_t{extraLifeMeter} + points, INT32_MAX));
    if (extraLifeMeter >= kLifeMeterSpan) {
        extraLifeMeter -= kLifeMeterSpan;
        ++app.lives;
        ++Stat(Statistic::ExtraLivesEarned);
        lifeFlash = kLifeFlashTicks;
    }
    app.score = static_cast<int32_t>(std::min<int64_t>(int64_t{app.score} + points, INT32_MAX));
    scoreText = String::Format("%d", app.score);
}

void Game::AddProgress(int32_t count) {
    progressCount += count;
    progressTarget = std::max(0.0f, static_cast<float>(progressCount) / static_cast<float>(std::max(progressQuota, 1)));
    if (progressTarget < 1) return;
    progressTarget = 1;
    if (board) board->SetWavesOver();
}

// --- pause ---------------------------------------------------------------

void Game::PausePlay() {
    if (!paused) dimAlpha = 0;
    if (board) board->paused = true;
    paused = true;
}

void Game::ResumePlay() {
    if (board) board->paused = false;
    paused = false;
    if (pauseMenu) {
        // Deleted by the child list later: this may run from one of its buttons.
        pauseMenu->Kill();
        pauseMenu = nullptr;
    }
}

void Game::OpenPauseMenu() {
    if (!pauseMenu) {
        pauseMenu = new InGameMenu(app, *this);
        AddChild(pauseMenu);
    }
    PausePlay();
}

void Game::SetPaused(bool on) {
    // The keys and a click on the board: the in-game menu has its own way back.
    if (pauseMenu) return;
    if (on)
        PausePlay();
    else
        ResumePlay();
}

bool Game::IsBusy() const { return app.IsTransitionRunning() || app.CurrentLevelUp() != nullptr; }

// --- the end of a level --------------------------------------------------

void Game::OpenLevelUp(bool passed) {
    // A crash later in the journey loses at most the level being played.
    app.SaveStats();
    app.ShowLevelUp();
    LevelUp* panel = app.CurrentLevelUp();
    if (!panel) return;
    if (!passed) panel->SetGameOver();
    for (int32_t row = 0; row < kTallyCount; ++row)
        panel->SetValue(row, tallies[static_cast<size_t>(kPanelOrder[row])]);
}

void Game::LevelComplete() {
    if (app.CurrentLevelUp()) return;
    PausePlay();
    if (board) board->completeReported = board->advance = true;
    ++Stat(Statistic::LevelsCleared);
    OpenLevelUp(true);
}

void Game::ShowLevelUp() {
    OpenLevelUp(false);
    ClearTallies();
}

void Game::ClearSavedJourney() { app.ClearJourney(); }

// --- the tick -------------------------------------------------------------

void Game::Update() {
    if (gameOver) gameOverFade = std::min(1.0f, gameOverFade + kGameOverFadeStep);
    if (paused) {
        dimAlpha = std::min(kDimMost, dimAlpha + kDimStep);
        return;
    }
    if (lifeFlash > 0) --lifeFlash;
    if (progressShown < progressTarget) progressShown = std::min(progressTarget, progressShown + kProgressStep);
    if (progressShown < 1) return;
    progressShown = 1;
    if (board && !progressFull) {
        progressFull = true;
        app.PlaySound(kFanfare);
        board->EndWaves();
    }
}
