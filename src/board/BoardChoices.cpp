// The board's choices: the launcher's next colour, which bonus item drops and
// what a caught item does.
#include <algorithm>

#include "board/Board.h"
#include "board/BoardGame.h"
#include "board/BoardMedia.h"
#include "core/Random.h"
#include "track/Bonus.h"
#include "track/Geometry.h"
#include "track/Plimb.h"
#include "track/Track.h"

namespace {
constexpr int32_t kColours = TrackImages::kColours;
// Launcher colours: a ball this close to the end is in danger (pixels); an
// endangered colour is given at most this many times in a row.
constexpr float kDangerDistance = 250;
constexpr int32_t kDangerRepeats = 2;  // repeats after the first
constexpr float kNearDistance = 750;
constexpr int32_t kFallbackLast = 2;  // the fallback walks within 0 .. 2
// Bonus items.
constexpr float kFarDistance = 900;  // nearest ball further from the end: no Slow or Back
constexpr int32_t kFewBalls = 10;    // fewer: no Slow or Back
constexpr int32_t kCoinTwiceBelow = 5;
constexpr int32_t kPowerTwiceFrom = 16;
constexpr int32_t kDropsNeedMoreThan = 3;  // balls, once the waves are over
constexpr float kCatchReachSq = 4900;      // pixels squared added to the item's own reach

bool IsBallColour(int32_t colour) { return colour >= 0 && colour < kColours; }

// A colour drawn uniformly from a set; -1 for an empty set.
int32_t DrawFrom(const bool (&set)[kColours]) {
    int32_t count = 0;
    for (bool member : set) count += member ? 1 : 0;
    if (count == 0) return -1;
    int32_t pick = GetRandom().Next(count);
    for (int32_t colour = 0; colour < kColours; ++colour)
        if (set[colour] && pick-- == 0) return colour;
    return -1;
}
}  // namespace

int32_t Board::ChooseLauncherColour(int32_t excludedColour) {
    boardEmpty = false;
    const Plimb* endangered = nullptr;
    float nearest = 0;
    for (const TrackSlot& slot : tracks) {
        const std::vector<Plimb*>& items = slot.track->Items();
        for (auto it = items.rbegin(); it != items.rend(); ++it) {
            const Plimb* ball = *it;
            if (ball->mKilled || ball->hidden || !IsBallColour(ball->colour)) continue;
            float toEnd = static_cast<float>(slot.track->Length()) - ball->distance;
            if (!endangered || toEnd < nearest) {
                endangered = ball;
                nearest = toEnd;
            }
            break;
        }
    }
    if (endangered && nearest < kDangerDistance) {
        if (endangered->colour != dangerColour) {
            dangerRepeats = 0;
            dangerColour = endangered->colour;
            return dangerColour;
        }
        if (dangerRepeats < kDangerRepeats) {
            ++dangerRepeats;
            return dangerColour;
        }
    }
    dangerRepeats = 0;
    for (int32_t excluded : {excludedColour, -1}) {
        bool sets[4][kColours] = {};  // target, near, seen, any
        for (const TrackSlot& slot : tracks) {
            for (const Plimb* ball : slot.track->Items()) {
                if (ball->mKilled || ball->hidden || !IsBallColour(ball->colour) || ball->colour == excluded) continue;
                for (const auto& range : slot.targetRanges)
                    if (range.first <= ball->distance && ball->distance <= range.second) sets[0][ball->colour] = true;
                if (static_cast<float>(slot.track->Length()) - ball->distance < kNearDistance)
                    sets[1][ball->colour] = true;
                if (ball->hasAppeared) sets[2][ball->colour] = true;
                sets[3][ball->colour] = true;
            }
        }
        for (const auto& set : sets) {
            int32_t colour = DrawFrom(set);
            if (colour >= 0) return fallbackColour = colour;
        }
        if (excludedColour == -1) break;
    }
    fallbackColour += GetRandom().Next(2) ? 1 : -1;
    if (fallbackColour > kFallbackLast) fallbackColour = 0;
    if (fallbackColour < 0) fallbackColour = 1;
    boardEmpty = true;
    return fallbackColour;
}

std::vector<BonusKind> Board::BonusCandidates() const {
    bool falling[Bonus::kKindCount] = {};
    for (int32_t i = 0; i < bonusItems.Count(); ++i) {
        const auto* item = static_cast<const Bonus*>(bonusItems.At(i));
        if (!item->mKilled) falling[static_cast<int32_t>(item->kind)] = true;
    }
    int32_t balls = LiveBallCount();
    bool far = true;
    for (const TrackSlot& slot : tracks) {
        const std::vector<Plimb*>& items = slot.track->Items();
        if (!items.empty() && static_cast<float>(slot.track->Length()) - items.back()->distance <= kFarDistance)
            far = false;
    }
    // A special ball waiting in the launcher would be replaced by the next
    // one caught, so neither kind drops while one waits there.
    auto special = [](const Plimb* ball) { return ball && (ball->isFireBall || ball->isBomb); };
    bool waiting = special(launcher.Loaded()) || special(launcher.Next());
    bool fireOut = waiting || fireGrant != 0, bombOut = waiting || bombGrant != 0;
    for (const Plimb* shot : shots) {
        fireOut = fireOut || shot->isFireBall;
        bombOut = bombOut || shot->isBomb;
    }
    bool blocked[Bonus::kKindCount] = {};
    for (int32_t kind = 0; kind < Bonus::kKindCount; ++kind) blocked[kind] = falling[kind];
    auto block = [&](BonusKind kind, bool when) { blocked[static_cast<int32_t>(kind)] |= when; };
    block(BonusKind::Back, far || backTimer > 0 || balls < kFewBalls);
    block(BonusKind::Slow, far || slowTimer > 0 || balls < kFewBalls);
    block(BonusKind::Fire, fireOut);
    block(BonusKind::Bomb, bombOut);
    block(BonusKind::Aim, aimTimer > 0);

    std::vector<BonusKind> candidates;
    if (balls <= kDropsNeedMoreThan && wavesOver) return candidates;
    auto add = [&](BonusKind kind, int32_t times) {
        if (!blocked[static_cast<int32_t>(kind)]) candidates.insert(candidates.end(), times, kind);
    };
    add(BonusKind::Coin, balls < kCoinTwiceBelow ? 2 : 1);
    add(BonusKind::Fire, balls >= kPowerTwiceFrom ? 2 : 1);
    add(BonusKind::Bomb, balls >= kPowerTwiceFrom ? 2 : 1);
    add(BonusKind::Slow, 1);
    add(BonusKind::Back, 1);
    add(BonusKind::Aim, 1);
    return candidates;
}

Bonus* Board::MakeCoin() {
    coinKind = (coinKind + 1) % Bonus::kCoinKinds;
    return Bonus::Create(static_cast<int32_t>(BonusKind::Coin), media ? &media->effects : nullptr, coinKind);
}

Bonus* Board::CreateBonusItem() {
    std::vector<BonusKind> candidates = BonusCandidates();
    if (candidates.empty()) return MakeCoin();
    BonusKind kind = candidates[GetRandom().Next(static_cast<int32_t>(candidates.size()))];
    if (kind == BonusKind::Coin) return MakeCoin();
    return Bonus::Create(static_cast<int32_t>(kind), media ? &media->effects : nullptr, 0);
}

void Board::CatchBonusItems() {
    Vec2 catcher{launcher.X(), launcher.Y()};
    for (int32_t i = 0; i < bonusItems.Count(); ++i) {
        auto* item = static_cast<Bonus*>(bonusItems.At(i));
        if (item->mKilled) continue;
        float reach = item->radius * item->scale;
        if (DistanceSquared(item->position, catcher) < reach * reach + kCatchReachSq) CollectBonus(*item);
    }
}

void Board::CollectBonus(Bonus& item) {
    item.ApplyCatch(*this);
    game.PlaySound(BoardSoundName(BoardSound::BonusCatch), 1, 1);
    game.CountTally(BoardTally::BonusesCaught);
    item.Kill();
}
