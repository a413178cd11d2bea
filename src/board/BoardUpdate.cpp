// The board's tick: timers, the rewind after a lost life, the tracks, loss
// resolution, the managers, the end of the level and the title.
#include <algorithm>
#include <cmath>

#include "board/Board.h"
#include "board/BoardGame.h"
#include "core/Random.h"
#include "media/SoundInstance.h"
#include "track/Bonus.h"
#include "track/ChainSegment.h"
#include "track/Eater.h"
#include "track/Plimb.h"
#include "track/Track.h"

namespace {
// Rolling sound from the fastest piece of chain (pixels per tick).
constexpr float kRollVolumePerSpeed = 1.0f / 15, kRollVolumeBase = 0.25f, kRollVolumeMax = 0.6f;
constexpr float kRollRatePerSpeed = 0.125f, kRollRateBase = 0.65f, kRollRateMax = 1.55f;
constexpr int32_t kShotPitchTicks = 0;  // the pitch returns to normal when the countdown reaches this
constexpr float kPulseStep = 0.01f;
constexpr float kShakeDecay = 0.9f, kShakeFade = 0.1f;
// Rewind: chains roll back fast, then brake once every front ball is back
// within this share of its path.
constexpr float kSwirlTurn = 3.5f;      // degrees per tick
constexpr int32_t kRewindTickLimit = 650;
constexpr float kRewindSpeed = -15.0f;  // pixels per tick
constexpr float kRewindBrake = 0.1f;    // pixels per tick per tick
constexpr float kRewindBrakeShare = 0.65f;
constexpr float kRewindFadeStep = 0.01f, kRewindClearStep = 0.05f;
constexpr float kSunkReach = 25;        // pixels past the end a sunk ball may be brought back from
constexpr float kResurfaceStep = 0.05f;
// Loss.
constexpr int32_t kLossWaitTicks = 100;
constexpr int32_t kChildLives = 100;
constexpr int32_t kSpeedCutLosses = 2;
constexpr float kSpeedCut = 0.85f;
constexpr int32_t kSwirlStartAngles = 360;
// End of level.
constexpr int32_t kCompleteCountdownTicks = 5;
constexpr float kTitleFade = 0.01f;
// Rush re-arm: chains count as off screen outside this box.
constexpr float kRushLeft = 25, kRushRight = 775, kRushTop = 25;

// A ball sinking away at the end of its path.
bool IsDying(const Plimb& ball) { return ball.fading && ball.alphaStep < 0; }
}  // namespace

void Board::Update() {
    if (flashLeft > 0) --flashLeft;
    if (shotPitchReset > kShotPitchTicks && --shotPitchReset == kShotPitchTicks) shotPitch = 1.0f;
    if (requestLevelComplete && !game.IsBusy()) game.LevelComplete();
    if (gameOver || paused) {
        StopRollSound();
        // Keys let go while the game stood may never report their release.
        slide.ReleaseAll();
        return;
    }
    Slide();
    UpdateRollSound();
    pulsePhase += kPulseStep;
    if (pulsePhase > 1) pulsePhase = 0;
    if (slowTimer > 0) --slowTimer;
    if (backTimer > 0) --backTimer;
    if (aimTimer > 0) --aimTimer;
    shake = std::max(0.0f, shake * kShakeDecay - kShakeFade);
    if (rewinding) UpdateRewind();
    UpdateTracks();
    if (losing && !rewinding) ResolveLoss();
    UpdateShots();
    launcher.Update();
    effects.Update();
    trackEffects.Update();
    bonusItems.Update();
    eaters.Update();
    fuseEffects.Update();
    CatchBonusItems();
    UpdateEndAndColours();
    UpdateCompletion();
    if (explosionActive) UpdateExplosion();
    HandleDropRequests();
    RearmRush();
    if (titleHold > 0)
        --titleHold;
    else if (titleAlpha > 0)
        titleAlpha = std::max(0.0f, titleAlpha - kTitleFade);
}

void Board::StopRollSound() {
    if (SoundInstance* loop = RollLoop()) loop->Stop();
}

void Board::UpdateRollSound() {
    SoundInstance* loop = RollLoop();
    if (!loop) return;
    float fastest = 0;
    for (TrackSlot& slot : tracks) {
        for (ChainSegment* segment : slot.track->Segments()) {
            if (segment->IsEmpty()) continue;
            if (IsDying(*segment->First()) && segment->items.size() < 2) continue;
            fastest = std::max(fastest, std::fabs(segment->speed));
        }
    }
    if (fastest == 0) {
        loop->Stop();
        return;
    }
    if (!loop->IsPlaying()) loop->Play(true);
    loop->SetVolume(std::min(fastest * kRollVolumePerSpeed + kRollVolumeBase, kRollVolumeMax));
    loop->SetPitch(std::min(fastest * kRollRatePerSpeed + kRollRateBase, kRollRateMax));
}

void Board::UpdateRewind() {
    swirlAngle += kSwirlTurn;
    if (rewindTicks < kRewindTickLimit) ++rewindTicks;
    float reach = 0;
    bool stillBack = false;
    for (TrackSlot& slot : tracks) {
        Track& track = *slot.track;
        if (!track.Items().empty() && track.Length() > 0)
            reach = std::max(reach, track.Items().back()->distance / static_cast<float>(track.Length()));
        if (!rewindBraking) swirlAlpha = std::min(1.0f, swirlAlpha + kRewindFadeStep);
        for (ChainSegment* segment : track.Segments()) {
            segment->speed = rewindBraking ? std::min(0.0f, segment->speed + kRewindBrake) : kRewindSpeed;
            segment->ShareSpeed();
            // Braking may start below, but nothing clears while chains still roll back.
            if (segment->speed < 0) stillBack = true;
        }
        for (Plimb* item : track.Items()) {
            if (item->distance < static_cast<float>(track.Length()) + kSunkReach && item->alpha < 1) {
                item->Sink();
                item->alphaStep = kResurfaceStep;
            }
        }
    }
    if (reach <= kRewindBrakeShare) rewindBraking = true;
    if (!rewindBraking || stillBack) return;
    darken = std::max(0.0f, darken - kRewindClearStep);
    swirlAlpha = std::max(0.0f, swirlAlpha - kRewindClearStep);
    if (darken == 0 && swirlAlpha == 0) FinishRewind();
}

void Board::FinishRewind() {
    for (TrackSlot& slot : tracks) {
        Track& track = *slot.track;
        // Walking from the front: once a piece lies wholly before the start of
        // the path, it and everything behind it were pushed off and go.
        std::vector<ChainSegment*> segments = track.Segments();
        bool carried = true;
        size_t firstDeleted = 0;  // pieces before this index go
        for (size_t i = segments.size(); i-- > 0;) {
            ChainSegment* segment = segments[i];
            if (segment->IsEmpty()) continue;
            if (carried && segment->Last()->distance <= 0) {
                firstDeleted = i + 1;
                break;
            }
            carried = IsDying(*segment->First());
        }
        for (size_t i = 0; i < firstDeleted && i < segments.size(); ++i) {
            std::vector<Plimb*> members = segments[i]->items;
            for (Plimb* member : members) track.RemoveBall(member);
        }
        track.SetLost(false);
    }
    rewinding = rewindBraking = losing = drained = false;
}

void Board::UpdateTracks() {
    if (startDelay > 0) {
        --startDelay;
        return;
    }
    bool lost = false;
    for (TrackSlot& slot : tracks) {
        slot.track->Update();
        lost = lost || slot.track->IsLost();
    }
    if (lost && !losing && !rewinding) LoseLife();
}

void Board::LoseLife() {
    game.PlaySound(BoardSoundName(BoardSound::LifeLost), 1, 1);
    game.SetLives(game.Lives() - 1);
    if (game.Style() == PlayStyle::Child)
        game.SetLives(kChildLives);
    else
        game.CountLifeLost();
    if (game.Lives() < 1) {
        game.MarkGameOver();
        game.ClearSavedJourney();
        if (launcher.Loaded()) PopEffect(*launcher.Loaded());
        if (launcher.Next()) PopEffect(*launcher.Next());
        for (size_t i = shots.size(); i-- > 0;) {
            PopEffect(*shots[i]);
            DestroyShot(i);
        }
    }
    for (TrackSlot& slot : tracks) slot.track->SetLost(true);
    losing = true;
    drained = false;
    lossWait = 0;
}

void Board::ResolveLoss() {
    if (!drained) {
        drained = true;
        for (TrackSlot& slot : tracks) drained = drained && slot.track->IsRearmostBeyondEnd();
        return;
    }
    if (lossWait == 0) {
        lossWait = kLossWaitTicks;
        return;
    }
    if (--lossWait > 0) return;
    if (game.Lives() < 1) {
        game.ShowLevelUp();
        gameOver = true;
        return;
    }
    game.PlaySound(BoardSoundName(BoardSound::Rewind), 1, 1);
    swirlAlpha = 0;
    darken = 1.0f;
    rewindTicks = 0;
    rewinding = true;
    swirlAngle = static_cast<float>(GetRandom().Next(kSwirlStartAngles));
    if (lossesOnBoard < kSpeedCutLosses) {
        // The queued wave records change, so later releases keep the cut.
        for (TrackSlot& slot : tracks)
            for (int32_t i = 0; i < slot.track->WaveCount(); ++i) slot.track->WaveAt(i).speed *= kSpeedCut;
        ++lossesOnBoard;
    }
}

void Board::UpdateEndAndColours() {
    bool allDone = true;
    for (TrackSlot& slot : tracks) allDone = allDone && slot.track->WavesStopped() && slot.track->Items().empty();
    if (allDone) {
        if (!AnyBonusFalling() && !completing) {
            completing = true;
            completeCountdown = kCompleteCountdownTicks;
        }
    } else if (needColourCheck && shots.empty()) {
        CheckLauncherColours();
    }
    // The countdown stops at 0, where the level is complete.
    if (completing && !complete) {
        if (completeCountdown > 0) --completeCountdown;
        complete = completeCountdown == 0;
    }
}

void Board::CheckLauncherColours() {
    needColourCheck = false;
    bool present = false;
    for (TrackSlot& slot : tracks) {
        slot.track->TrySpawnWave();
        for (Plimb* item : slot.track->Items())
            if (!item->mKilled && item->colour >= 0 && item->colour < TrackImages::kColours) present = true;
    }
    if (!wavesEnded && !present && !tracks.empty()) {
        Track* soonest = tracks.front().track.get();
        for (TrackSlot& slot : tracks)
            if (slot.track->WaveDelay() < soonest->WaveDelay()) soonest = slot.track.get();
        soonest->SetWaveDelay(0);
        soonest->TrySpawnWave();
    }
    // Balls of colours no longer on the board are changed for useful ones.
    Plimb* loaded = launcher.Loaded();
    Plimb* next = launcher.Next();
    if (loaded && !ColourPresent(loaded->colour)) {
        int32_t colour = ChooseLauncherColour(next ? next->colour : -1);
        if (!boardEmpty) loaded->colour = colour;
    }
    if (next && !ColourPresent(next->colour)) {
        int32_t colour = ChooseLauncherColour(loaded ? loaded->colour : -1);
        if (!boardEmpty) next->colour = colour;
    }
}

bool Board::ColourPresent(int32_t colour) const {
    if (colour < 0 || colour >= TrackImages::kColours) return true;  // special balls keep theirs
    for (const TrackSlot& slot : tracks)
        for (const Plimb* item : slot.track->Items())
            if (!item->mKilled && item->colour == colour) return true;
    return false;
}

void Board::UpdateCompletion() {
    if (!complete) return;
    if (!completeStarted) {
        completeStarted = true;
        BeginCompletion();
    }
    for (int32_t i = 0; i < eaters.Count(); ++i)
        if (!static_cast<Eater*>(eaters.At(i))->IsGone()) return;
    if (endDelay > 0) --endDelay;
    if (endDelay == 0 && !AnyBonusFalling() && !completeReported) {
        completeReported = true;
        game.LevelComplete();
    }
}

void Board::RearmRush() {
    if (rushActive) return;
    for (TrackSlot& slot : tracks)
        for (Plimb* item : slot.track->Items())
            if (item->position.x > kRushLeft && item->position.x < kRushRight && item->position.y > kRushTop) return;
    rushActive = true;
}
