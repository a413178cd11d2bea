#include "board/Board.h"

#include <cmath>

#include "board/BoardGame.h"
#include "board/BoardMedia.h"
#include "core/Random.h"
#include "platform/WindowMessages.h"
#include "track/Bomb.h"
#include "track/Bonus.h"
#include "track/Eater.h"
#include "track/FireBall.h"
#include "track/Plimb.h"
#include "track/ScoreRule.h"
#include "track/Track.h"

namespace {
constexpr int32_t kPermutationSize = 5;
constexpr int32_t kFallbackColours = 3;  // the chooser's fallback starts in 0 .. 2
constexpr int32_t kChildLives = 100;
}  // namespace

const char* BoardSoundName(BoardSound sound) {
    switch (sound) {
        case BoardSound::LifeLost: return "Sounds\\DiedSong";
        case BoardSound::Rewind: return "Sounds\\DIEDSONGREVERSE";
        case BoardSound::Explosion: return "Sounds\\explode";
        case BoardSound::Robot: return "Sounds\\ROBO_BUST";
        case BoardSound::Firework: return "Sounds\\FIREWORK";
        case BoardSound::BonusCatch: return "Sounds\\Coin";
        case BoardSound::Roll: return "Sounds\\ROLL";
    }
    return "";
}

Board::Board(BoardGame& owner, const BoardMedia* boardMedia)
    : hitDistance(std::sqrt(kBallSizes[kLargestBallSize].hitDistanceSq)), game(owner), media(boardMedia) {
    FillScreen();
    Random& random = GetRandom();
    for (int32_t i = 0; i < kPermutationSize; ++i)
        std::swap(permutation[i], permutation[random.Next(kPermutationSize)]);
    fallbackColour = random.Next(kFallbackColours);
    game.ClearTallies();
    if (game.Style() == PlayStyle::Child) game.SetLives(kChildLives);
    mirror = game.Mirror();
    menuButton.mLabel = "Menu";
    menuButton.SetRect(kMenuButtonRect);
    menuButton.SetListener(this, true);
    rollSound.Load(BoardSoundName(BoardSound::Roll));
}

Board::~Board() {
    for (Plimb* shot : shots) delete shot;
    // Tracks first: eaters and effects never point into them, but their
    // items may still sit in the effect managers' reach.
    DestroyTracks();
    effects.Clear();
    trackEffects.Clear();
    bonusItems.Clear();
    eaters.Clear();
    fuseEffects.Clear();
}

void Board::DestroyTracks() { tracks.clear(); }

int32_t Board::AddTrack(std::unique_ptr<Track> track, int32_t eaterIndex) {
    tracks.push_back(TrackSlot{std::move(track), eaterIndex, {}});
    return TrackCount() - 1;
}

int32_t Board::AddEaterAt(const Sprite* tile, Vec2 centre) {
    bool secondEater = eaters.Count() > 0;
    auto* eater = new Eater(this, media ? &media->effects : nullptr, secondEater);
    if (tile) {
        float x = centre.x - tile->Width() / 2;
        if (mirror) x = 2 * kMirrorAxis - tile->Width() - x;
        eater->SetTile(tile, Rect{x, centre.y - tile->Height() / 2, tile->Width(), tile->Height()}, mirror);
    }
    return eaters.Add(eater);
}

std::unique_ptr<Sprite> Board::LoadThemeSprite(const char* theme, const char* name) const {
    if (!media) return nullptr;
    Image image;
    if (!image.Load(String::Format("Levels\\%s\\%s", theme, name))) return nullptr;
    return std::make_unique<Sprite>(image);
}

void Board::AddTargetRange(int32_t trackIndex, float from, float to) {
    tracks[trackIndex].targetRanges.push_back({from, to});
}

void Board::AddWaveToTrack(int32_t trackIndex, const WaveSpec& wave) {
    if (trackIndex >= 0 && trackIndex < TrackCount()) tracks[trackIndex].track->AddWave(wave);
}

void Board::SetTrackReleaseWait(int32_t trackIndex, int32_t ticks) {
    if (trackIndex >= 0 && trackIndex < TrackCount()) tracks[trackIndex].track->SetWaveDelay(ticks);
}

void Board::ApplyBallSize() {
    const BallSizeClass& size = kBallSizes[ballSize >= 0 && ballSize <= kLargestBallSize ? ballSize : 0];
    ballScale = size.scale;
    ballSpacing = size.spacing;
    hitDistanceSq = size.hitDistanceSq;
    hitDistance = std::sqrt(hitDistanceSq);
}

void Board::Start() {
    ApplyBallSize();
    for (TrackSlot& slot : tracks) {
        if (mirror) slot.track->Path().MirrorX(kMirrorAxis);
        slot.track->BuildFromPath();
    }
    launcher.SetSize(ballSize);
}

int32_t Board::LauncherLoadedColour() const { return launcher.Loaded() ? launcher.Loaded()->colour : -1; }

int32_t Board::LauncherNextColour() const { return launcher.Next() ? launcher.Next()->colour : -1; }

Plimb* Board::MakeFireBall() { return new FireBall(this, media ? &media->effects : nullptr); }

Plimb* Board::MakeBomb() { return new Bomb(this, this, media ? &media->effects : nullptr); }

void Board::PlayLauncherSound(LauncherSound sound, float pitch, float volume) {
    game.PlaySound(sound == LauncherSound::FireBall ? "Sounds\\FIREBALL" : "Sounds\\shot_sound", pitch, volume);
}

const LauncherImages* Board::LauncherArt() const { return media ? &media->launcher : nullptr; }

void Board::EndWaves() {
    wavesEnded = true;
    for (TrackSlot& slot : tracks) slot.track->StopWaves();
}

void Board::RequestColourCheck() {
    if (!losing) needColourCheck = true;
}

void Board::Flash(const Colour& colour, int32_t ticks) {
    flashColour = colour;
    flashDuration = ticks > 0 ? ticks : 1;
    flashLeft = ticks;
}

int32_t Board::LiveBallCount() const {
    int32_t count = 0;
    for (const TrackSlot& slot : tracks) count += slot.track->BallCount();
    return count;
}

bool Board::AnyTrackHoldsItems() const {
    for (const TrackSlot& slot : tracks)
        if (!slot.track->Items().empty()) return true;
    return false;
}

bool Board::AnyBonusFalling() const {
    for (int32_t i = 0; i < bonusItems.Count(); ++i)
        if (!bonusItems.At(i)->mKilled) return true;
    return false;
}

void Board::OnPop(Plimb& ball) { PopEffect(ball); }

void Board::AddScore(int32_t points) { game.AddScore(points); }

void Board::AddProgress(int32_t points) { game.AddProgress(points); }

int32_t Board::WorldIndex() const { return game.WorldIndex(); }

PlayStyle Board::CurrentPlayStyle() const { return game.Style(); }

void Board::CountStatistic(TrackStatistic statistic, int32_t amount) { game.CountStatistic(statistic, amount); }

void Board::RaiseStatistic(TrackStatistic statistic, int32_t value) { game.RaiseStatistic(statistic, value); }

void Board::CountLauncherStatistic(LauncherStatistic statistic) { game.CountLauncherStatistic(statistic); }

void Board::PlaySound(TrackSound sound, float pitch, float volume) {
    game.PlaySound(TrackSoundName(sound), pitch, volume);
}

const TrackImages* Board::Images() const { return media ? &media->track : nullptr; }

void Board::OnMouseMove(float x, float y) { targetX = x; }

void Board::OnMouseDown(float x, float y, int32_t button) {
    targetX = x;
    OnMouseButton(x, y, button);
}

void Board::OnMouseButton(float x, float y, int32_t button) {
    if (GameIsOver()) return;
    if (game.IsPaused()) {
        if (!game.IsBusy()) game.SetPaused(false);
        return;
    }
    if (losing || complete || paused) return;
    if (button >= 0) {
        launcher.RequestSwap();
        return;
    }
    // A fire ball or bomb flies alone, and nothing fires after one until it is spent.
    auto special = [](const Plimb* ball) { return ball && (ball->isFireBall || ball->isBomb); };
    bool specialReady = special(launcher.Loaded()) || special(launcher.Next());
    if (AnyShotSpecial() || explosionActive || (specialReady && !shots.empty())) return;
    launcher.Fire();
}

void Board::Notify(Gadget* source) {
    if (source == &menuButton) game.OpenPauseMenu();
}

bool Board::GameIsOver() const {
    // The last life went at the start of the loss; the board's own flag
    // follows only after the drain.
    return gameOver || (losing && game.Lives() < 1);
}
