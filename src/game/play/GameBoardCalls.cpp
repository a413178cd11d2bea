// What the board asks of the game screen: the journey's lives, style and
// world, and the counting of the level's tallies and the lifetime statistics.
#include <algorithm>

#include "game/PlimbZappetsApp.h"
#include "game/play/Game.h"
#include "media/Sound.h"

namespace {
struct Counted {
    Statistic statistic;
    int32_t tally;  // -1: no tally of the level counts it
};

Counted CountedAs(TrackStatistic statistic) {
    switch (statistic) {
        case TrackStatistic::RobotsCleared: return {Statistic::RobotsCleared, Game::RobotsCleared};
        case TrackStatistic::PlimbsPopped: return {Statistic::PlimbsPopped, Game::BallsPopped};
        case TrackStatistic::LargestGroupPopped: return {Statistic::LargestGroupPopped, -1};
        case TrackStatistic::LargestCombo: return {Statistic::LargestCombo, Game::LargestCombo};
        case TrackStatistic::ComboCount: return {Statistic::ComboCount, Game::ComboCount};
    }
    return {Statistic::ComboCount, -1};
}
}  // namespace

int32_t Game::Lives() const { return app.lives; }

void Game::SetLives(int32_t value) { app.lives = value; }

PlayStyle Game::Style() const { return static_cast<PlayStyle>(app.playStyle); }

int32_t Game::WorldIndex() const { return app.worldIndex; }

bool Game::Mirror() const { return app.mirrorPaths; }

void Game::CountTally(BoardTally tally) {
    bool missed = tally == BoardTally::MissedShots;
    ++tallies[missed ? MissedShots : BonusesCaught];
    ++Stat(missed ? Statistic::MissedShots : Statistic::BonusesCaught);
}

void Game::CountStatistic(TrackStatistic statistic, int32_t amount) {
    Counted counted = CountedAs(statistic);
    Stat(counted.statistic) += amount;
    if (counted.tally >= 0) tallies[static_cast<size_t>(counted.tally)] += amount;
}

void Game::RaiseStatistic(TrackStatistic statistic, int32_t value) {
    Counted counted = CountedAs(statistic);
    int32_t& lifetime = Stat(counted.statistic);
    lifetime = std::max(lifetime, value);
    if (counted.tally < 0) return;
    int32_t& level = tallies[static_cast<size_t>(counted.tally)];
    level = std::max(level, value);
}

void Game::CountLauncherStatistic(LauncherStatistic statistic) {
    bool launched = statistic == LauncherStatistic::PlimbsLaunched;
    ++tallies[launched ? BallsLaunched : SwapsMade];
    ++Stat(launched ? Statistic::PlimbsLaunched : Statistic::SwitchesMade);
}

void Game::CountLifeLost() {
    if (Style() != PlayStyle::Child) ++Stat(Statistic::LivesLost);
}

void Game::PlaySound(const char* name, float pitch, float volume) {
    if (Sound* sound = app.Resources().FindSound(name)) sound->PlayPitched(pitch, volume);
}
