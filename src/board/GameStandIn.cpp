#include "board/GameStandIn.h"

#include "board/Board.h"
#include "media/Audio.h"
#include "media/Sound.h"

GameStandIn::GameStandIn(int32_t worldIndex, PlayStyle playStyle) : world(worldIndex), style(playStyle) {}

GameStandIn::~GameStandIn() = default;

void GameStandIn::AddProgress(int32_t points) {
    progress += points;
    if (!board || meterFull || progress < board->ProgressTarget()) return;
    // The real screen fills its meter over a few frames; here it fills at once.
    meterFull = true;
    board->SetWavesOver();
    board->EndWaves();
}

void GameStandIn::SetPaused(bool on) {
    paused = on;
    if (board) board->paused = on;
}

void GameStandIn::ClearTallies() {
    for (int32_t& tally : tallies) tally = 0;
    popped = launched = swaps = 0;
}

void GameStandIn::CountStatistic(TrackStatistic statistic, int32_t amount) {
    if (statistic == TrackStatistic::PlimbsPopped) popped += amount;
}

void GameStandIn::CountLauncherStatistic(LauncherStatistic statistic) {
    ++(statistic == LauncherStatistic::PlimbsLaunched ? launched : swaps);
}

void GameStandIn::PlaySound(const char* name, float pitch, float volume) {
    // Nothing to hear without a sound device; and decoding would only slow
    // headless runs down.
    if (!GetAudio().IsEnabled()) return;
    std::unique_ptr<Sound>& sound = sounds[name];
    if (!sound) {
        sound = std::make_unique<Sound>();
        sound->Load(String(name));
    }
    if (sound->IsLoaded()) sound->PlayPitched(pitch, volume);
}
