// Balls in flight, the bomb's blast and the bonus items that pops drop.
#include <cmath>

#include "board/Board.h"
#include "board/BoardGame.h"
#include "board/BoardMedia.h"
#include "core/Random.h"
#include "track/Bonus.h"
#include "track/Geometry.h"
#include "track/Plimb.h"
#include "track/ScoreRule.h"
#include "track/Track.h"

namespace {
constexpr float kTopEdge = -40;          // a shot above this has missed (y, pixels)
constexpr int32_t kFlightSubSteps = 37;  // per tick, each tested against every chain
constexpr float kFlightSubStep = 0.25f;  // pixels per sub-step
// Blast: the radius grows by a step and a share per tick up to its end.
constexpr float kBlastGrowth = 3, kBlastShare = 1.015f, kBlastEnd = 200;
constexpr float kBlastLeft = -50, kBlastRight = 850, kBlastTop = -50;
constexpr int32_t kBlastPoints = 50;
// Drops: pixels per tick, per tick squared; items outside the side limits
// are not worth chasing.
constexpr float kDropRise = 3, kDropRiseRange = 0.5f, kDropGravity = 0.1f;
constexpr float kDropSideBase = 0.5f, kDropSideRange = 0.5f;
constexpr float kDropLeftLimit = 40, kDropRightLimit = 840;
constexpr float kDropTurnLeft = 200, kDropTurnRight = 600;  // items here drift back inwards
constexpr int32_t kFanCoins = 6;
constexpr int32_t kFanAngles = 360, kFanStep = 30, kFanStepRange = 30;  // degrees
constexpr float kFanJitter = 0.5f, kFanLift = 3;
constexpr float kFanSpinRange = 3;  // degrees per tick, either way
constexpr float kDegrees = 3.14159265f / 180;
}  // namespace

void Board::DestroyShot(size_t index) {
    delete shots[index];
    shots.erase(shots.begin() + static_cast<std::ptrdiff_t>(index));
}

void Board::RejoinAllGaps() {
    for (TrackSlot& slot : tracks) slot.track->RejoinGaps();
}

bool Board::AnyShotSpecial() const {
    for (const Plimb* shot : shots)
        if (shot->isFireBall || shot->isBomb) return true;
    return false;
}

void Board::UpdateShots() {
    bool mayMove = true;
    for (size_t i = 0; i < shots.size();) {
        Plimb* shot = shots[i];
        if (losing || !mayMove) {
            if (losing) shot->Update();
            ++i;
            continue;
        }
        if (shot->position.y < kTopEdge) {
            game.CountTally(BoardTally::MissedShots);
            if (shot->isFireBall) {
                RejoinAllGaps();
                needColourCheck = true;
                fireGrant = 0;
            } else if (shot->isBomb) {
                bombGrant = 0;
                explosionActive = false;
                explosionRadius = 0;
            }
            DestroyShot(i);
            continue;
        }
        shot->Update();
        // The flanks of a gap the shot flew through count only for a while.
        if (shot->gapTimer > 0 && --shot->gapTimer == 0) shot->gapLeft = shot->gapRight = nullptr;
        bool gone = false, stopAll = false;
        for (int32_t step = 0; step < kFlightSubSteps && !gone; ++step) {
            shot->position.y -= kFlightSubStep;
            gone = OfferShot(i, stopAll);
        }
        if (stopAll) return;
        if (gone) {
            mayMove = false;  // later shots wait for the next tick
            continue;
        }
        ++i;
    }
}

bool Board::OfferShot(size_t index, bool& stopAll) {
    Plimb* shot = shots[index];
    for (TrackSlot& slot : tracks) {
        Track& track = *slot.track;
        if (shot->isFireBall) {
            track.BurnBallAt(*shot);
            continue;
        }
        if (shot->isBomb) {
            if (!track.FindNearestBall(shot->position.x, shot->position.y, false)) continue;
            game.PlaySound(BoardSoundName(BoardSound::Explosion), 1, 1);
            explosionCentre = shot->position;
            explosionRadius = 0;
            explosionActive = true;
            DestroyShot(index);
            stopAll = true;
            return true;
        }
        if (track.InsertShot(shot)) {
            shots.erase(shots.begin() + static_cast<std::ptrdiff_t>(index));
            return true;
        }
    }
    return false;
}

void Board::UpdateExplosion() {
    explosionRadius = (explosionRadius + kBlastGrowth) * kBlastShare;
    if (explosionRadius > kBlastEnd) {
        explosionActive = false;
        explosionRadius = 0;
        needColourCheck = true;
        RejoinAllGaps();
        return;
    }
    float reachSq = hitDistanceSq + explosionRadius * explosionRadius;
    for (TrackSlot& slot : tracks) {
        std::vector<Plimb*> caught;
        for (Plimb* item : slot.track->Items()) {
            const Vec2& p = item->position;
            if (item->isRobot || item->mKilled || p.x <= kBlastLeft || p.x >= kBlastRight || p.y <= kBlastTop) continue;
            if (DistanceSquared(p, explosionCentre) < reachSq) caught.push_back(item);
        }
        for (Plimb* ball : caught) {
            game.AddScore(ScaledPoints(kBlastPoints, game.WorldIndex(), game.Style()));
            PopEffect(*ball);
            slot.track->RemoveBall(ball);
        }
    }
}

void Board::HandleDropRequests() {
    if (dropRequests.empty()) return;
    Random& random = GetRandom();
    bool coinFan = game.IsMeterFull() && LiveBallCount() == 0;
    for (const Vec2& where : dropRequests) {
        if (!coinFan) {
            Bonus* item = CreateBonusItem();
            item->position = where;
            item->velocity.y = -(random.NextFloat() * kDropRiseRange) - kDropRise;
            item->acceleration.y = kDropGravity;
            item->velocity.x = (random.NextFloat() * kDropSideRange + kDropSideBase) * (random.Next(2) ? 1.0f : -1.0f);
            if (where.x < kDropLeftLimit || where.x > kDropRightLimit) {
                delete item;
                continue;
            }
            if (where.x < kDropTurnLeft) item->velocity.x = random.NextFloat() * kDropSideRange + kDropSideBase;
            if (where.x > kDropTurnRight) item->velocity.x = -(random.NextFloat() * kDropSideRange + kDropSideBase);
            bonusItems.Add(item);
            continue;
        }
        float angle = static_cast<float>(random.Next(kFanAngles));
        for (int32_t j = 0; j < kFanCoins; ++j) {
            angle += static_cast<float>(kFanStep + random.Next(kFanStepRange));
            Bonus* coin = Bonus::Create(static_cast<int32_t>(BonusKind::Coin), media ? &media->effects : nullptr, j);
            coin->position = where;
            coin->velocity.x = std::cos(angle * kDegrees) + random.NextFloatRange(1, true) * kFanJitter;
            coin->velocity.y = std::sin(angle * kDegrees) + random.NextFloatRange(1, true) - kFanLift;
            coin->spin += random.NextFloatRange(kFanSpinRange, true);
            bonusItems.Add(coin);
        }
    }
    dropRequests.clear();
}
