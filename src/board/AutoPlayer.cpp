#include "board/AutoPlayer.h"

#include <cmath>

#include "board/Board.h"
#include "track/Bonus.h"
#include "track/ChainSegment.h"
#include "track/Plimb.h"
#include "track/Track.h"

namespace {
constexpr float kShotSpeed = 9.25f;          // pixels per tick, as the board flies shots
constexpr float kFieldLeft = 20, kFieldRight = 780;
constexpr float kAimTolerance = 1.5f;        // pixels between the launcher and its aim
constexpr float kBlockShare = 0.9f;          // of the hit distance: a nearer ball lower down is hit first
constexpr float kGroupValue = 10;            // per ball of a group that pops
constexpr int32_t kPopSize = 3;
constexpr float kDangerDistance = 500;       // pixels before the end
constexpr float kDangerWeight = 100;         // pixels of danger that double a shot's value
constexpr float kSwapMargin = 1;
constexpr float kDumpStep = 20;              // pixels between the places a useless ball may go
constexpr float kChaseBelow = 200;           // items lower than this are worth chasing

int32_t RunAround(const Plimb& ball) {
    const ChainSegment* segment = ball.segment;
    if (!segment) return 1;
    const std::vector<Plimb*>& items = segment->items;
    int32_t index = -1;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == &ball) index = static_cast<int32_t>(i);
    if (index < 0) return 1;
    int32_t run = 1;
    for (int32_t i = index - 1; i >= 0 && items[i]->colour == ball.colour; --i) ++run;
    for (int32_t i = index + 1; i < static_cast<int32_t>(items.size()) && items[i]->colour == ball.colour; ++i) ++run;
    return run;
}
}  // namespace

float AutoPlayer::LeadX(const Track& track, const Plimb& ball, float startY) {
    float ticks = std::max(0.0f, (startY - ball.position.y) / kShotSpeed);
    return track.PointAtDistance(ball.distance + ball.speed * ticks).x;
}

AutoPlayer::Shot AutoPlayer::BestShot(int32_t colour, bool special, float startY) const {
    Shot best;
    float reach = board.hitDistance * kBlockShare;
    for (int32_t t = 0; t < board.TrackCount(); ++t) {
        const Track& track = board.TrackAt(t);
        for (const Plimb* ball : track.Items()) {
            if (!ball->hittable || ball->isRobot || ball->mKilled || ball->position.y >= startY) continue;
            float x = LeadX(track, *ball, startY);
            if (x < kFieldLeft || x > kFieldRight) continue;
            // Another ball lower down in the same column is hit first.
            bool blocked = false;
            for (int32_t u = 0; u < board.TrackCount() && !blocked; ++u) {
                const Track& other = board.TrackAt(u);
                for (const Plimb* item : other.Items()) {
                    if (item == ball || !item->hittable || item->position.y <= ball->position.y ||
                        item->position.y >= startY)
                        continue;
                    if (std::fabs(LeadX(other, *item, startY) - x) < reach) {
                        blocked = true;
                        break;
                    }
                }
            }
            if (blocked) continue;
            float toEnd = static_cast<float>(track.Length()) - ball->distance;
            float value;
            if (special) {
                value = static_cast<float>(track.Length()) - toEnd;
            } else if (ball->colour == colour) {
                int32_t group = RunAround(*ball) + 1;
                value = group >= kPopSize ? kGroupValue * static_cast<float>(group) : static_cast<float>(group);
            } else {
                continue;
            }
            if (toEnd < kDangerDistance) value *= 1 + (kDangerDistance - toEnd) / kDangerWeight;
            if (value > best.value) best = Shot{x, value};
        }
    }
    return best;
}

bool AutoPlayer::ColumnIsFree(float x, float startY) const {
    for (int32_t t = 0; t < board.TrackCount(); ++t) {
        const Track& track = board.TrackAt(t);
        for (const Plimb* item : track.Items())
            if (item->position.y < startY && std::fabs(LeadX(track, *item, startY) - x) < board.hitDistance + 5)
                return false;
    }
    return true;
}

void AutoPlayer::Point(float x) {
    if (hands)
        hands->Point(x);
    else
        board.OnMouseMove(x, board.GetLauncher().Y());
}

void AutoPlayer::Fire() {
    if (hands)
        hands->Fire();
    else
        board.OnMouseButton(board.GetLauncher().X(), board.GetLauncher().Y(), kLeftButton);
}

void AutoPlayer::Swap() {
    if (hands)
        hands->Swap();
    else
        board.OnMouseButton(board.GetLauncher().X(), board.GetLauncher().Y(), kRightButton);
}

bool AutoPlayer::ChaseBonus() {
    const Bonus* nearest = nullptr;
    float launcherX = board.GetLauncher().X();
    ObjectManager& items = board.BonusItems();
    for (int32_t i = 0; i < items.Count(); ++i) {
        const auto* item = static_cast<const Bonus*>(items.At(i));
        if (item->mKilled || item->position.y < kChaseBelow || item->velocity.y <= 0) continue;
        if (!nearest || std::fabs(item->position.x - launcherX) < std::fabs(nearest->position.x - launcherX))
            nearest = item;
    }
    if (!nearest) return false;
    Point(nearest->position.x);
    return true;
}

void AutoPlayer::Tick() {
    if (board.gameOver || board.losing || board.complete || board.paused) return;
    const Launcher& launcher = board.GetLauncher();
    const Plimb* loaded = launcher.Loaded();
    bool ready = loaded && static_cast<float>(launcher.ReloadTick()) >= launcher.ReloadTicks() &&
                 !launcher.IsSwapping() && !launcher.IsSwapRequested() && board.Shots().empty() &&
                 !board.explosionActive;
    if (!ready) {
        ChaseBonus();
        return;
    }
    float startY = loaded->position.y;
    bool special = loaded->isFireBall || loaded->isBomb;
    Shot shot = BestShot(loaded->colour, special, startY);
    const Plimb* next = launcher.Next();
    if (!special && next && !next->isFireBall && !next->isBomb) {
        Shot other = BestShot(next->colour, false, startY);
        if (other.value > shot.value + kSwapMargin) {
            Swap();
            return;
        }
    }
    if (shot.value <= 0) {
        // Nothing worth hitting: rather miss than add a stray ball.
        if (ChaseBonus()) return;
        float x = launcher.X();
        for (float offset = 0; offset < kFieldRight; offset += kDumpStep) {
            if (x + offset < kFieldRight && ColumnIsFree(x + offset, startY)) {
                shot.x = x + offset;
                break;
            }
            if (x - offset > kFieldLeft && ColumnIsFree(x - offset, startY)) {
                shot.x = x - offset;
                break;
            }
        }
        if (shot.x == 0) shot.x = x;
    }
    Point(shot.x);
    if (std::fabs(launcher.X() - shot.x) < kAimTolerance) Fire();
}
