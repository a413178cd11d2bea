// Shots entering the chain: the hit, the slot beside the hit ball, the flight
// into it while the chain ahead makes room, and the fire ball's burn.
#include <algorithm>
#include <cmath>

#include "track/Geometry.h"
#include "track/Plimb.h"
#include "track/ScoreRule.h"
#include "track/Track.h"
#include "track/TrackHost.h"

namespace {
// Ticks an inserted shot eases its angle to the path.
constexpr int32_t kShotAngleEase = 250;
// The side of the hit ball is judged from a point this far above the shot.
constexpr float kSideProbeRise = 10.0f;
// A shot flying within this bearing of the line between two facing balls
// passed through their gap (degrees); the flanks are kept for this many ticks.
constexpr float kGapBearingLimit = 15.0f;
constexpr int32_t kGapTicks = 25;
// Flight per tick and the push that opens the slot, in pixels per unit of scale.
constexpr float kFlightStepPerScale = 2.0f;
constexpr float kPushPerScale = 2.75f;
// Before the shot arrives its neighbour is nudged ahead in small steps.
constexpr float kNudgeStep = 0.5f;
constexpr float kNudgeBase = 2.5f;
constexpr float kNudgeSpeedFactor = 2.0f;
constexpr float kNudgeScaleFactor = 1.6666f;
// The fire ball burns only balls near the play field.
constexpr float kBurnLeft = -50.0f;
constexpr float kBurnRight = 850.0f;
constexpr float kBurnTop = -50.0f;
constexpr int32_t kBurnPoints = 50;

float Magnitude(const Vec2& v) { return std::sqrt(v.x * v.x + v.y * v.y); }
}  // namespace

Plimb* Track::FindNearestBall(float x, float y, bool skipRobots) const {
    const Vec2 from{x, y};
    Plimb* nearest = nullptr;
    float best = hitRadius * hitRadius;
    for (Plimb* item : items) {
        if (!item->hittable || (skipRobots && item->isRobot)) continue;
        float d = DistanceSquared(item->position, from);
        if (d < best) {
            best = d;
            nearest = item;
        }
    }
    return nearest;
}

bool Track::InsertShot(Plimb* shot) {
    if (insertion.shot != nullptr || lost || insertLock > 0) return false;
    Plimb* hit = FindNearestBall(shot->position.x, shot->position.y, true);
    if (hit == nullptr) {
        RecordGapFlanks(shot);
        return false;
    }
    board->PlaySound(TrackSound::BallBump, 1.0f, 1.0f);
    board->OnHit(*shot, *hit);
    shot->angleEase = kShotAngleEase;
    shot->track = this;
    shot->segment = nullptr;
    comboCount = 0;
    comboActive = false;
    insertion = Insertion();
    insertion.shot = shot;
    ChooseSlot(shot, hit);
    if (shot->gapLeft != nullptr && shot->gapRight != nullptr) {
        shot->gapShot = true;
        for (const Plimb* flank : {shot->gapLeft, shot->gapRight}) {
            if (flank == hit || flank == insertion.anchor || flank == insertion.pushedNeighbour) {
                shot->gapShot = false;
                shot->gapLeft = shot->gapRight = nullptr;
                break;
            }
        }
    }
    return true;
}

void Track::ChooseSlot(Plimb* shot, Plimb* hit) {
    Insertion& in = insertion;
    in.anchor = hit;
    in.index = IndexOfItem(hit);
    const Vec2 ahead = PointAtDistance(hit->distance + ballSpacing);
    const Vec2 behind = PointAtDistance(hit->distance - ballSpacing);
    const Vec2 probe{shot->position.x, shot->position.y - kSideProbeRise};
    const int32_t count = static_cast<int32_t>(items.size());
    if (DistanceSquared(probe, behind) > DistanceSquared(probe, ahead)) {
        ++in.index;
        if (in.index < count) in.pushedNeighbour = items[in.index];
    } else if (hit->segment != nullptr && hit->segment->First() == hit) {
        in.behind = true;
        if (in.index >= 1) in.pushedNeighbour = items[in.index - 1];
    } else {
        if (in.index > 0) in.anchor = items[in.index - 1];
        in.pushedNeighbour = hit;
    }
    shot->distance = in.anchor->distance + (in.behind ? -ballSpacing : ballSpacing);
    if (in.pushedNeighbour != nullptr) {
        float apart = in.behind ? shot->distance - in.pushedNeighbour->distance
                                : in.pushedNeighbour->distance - shot->distance;
        in.roomLeft = apart - ballSpacing;
    }
    const Vec2 slot = PointAtDistance(shot->distance);
    in.flightLeft = Magnitude({slot.x - shot->position.x, slot.y - shot->position.y});

    ChainSegment* segment = in.anchor->segment;
    if (segment != nullptr && !in.behind) {
        if (segment->Last() != in.anchor) {
            // The pieces part after the anchor so the front can be pushed away.
            auto cut = std::find(segment->items.begin(), segment->items.end(), in.anchor) + 1;
            auto* front = new ChainSegment();
            front->items.assign(cut, segment->items.end());
            front->speed = segment->speed;
            for (Plimb* item : front->items) item->segment = front;
            segment->items.erase(cut, segment->items.end());
            segments.insert(segments.begin() + IndexOfSegment(segment) + 1, front);
        }
        in.enteredSegment = segment;
    } else if (segment != nullptr) {
        int32_t place = IndexOfSegment(segment);
        in.enteredSegment = place > 0 ? segments[place - 1] : nullptr;
    }
    in.anchor->previousDistance = in.anchor->distance;
}

void Track::RecordGapFlanks(Plimb* shot) const {
    if (shot->gapLeft != nullptr || shot->gapRight != nullptr) return;
    for (size_t i = 0; i + 1 < segments.size(); ++i) {
        if (segments[i]->IsEmpty() || segments[i + 1]->IsEmpty()) continue;
        Plimb* left = segments[i]->Last();
        Plimb* right = segments[i + 1]->First();
        if (left->isRobot || right->isRobot) continue;
        float turn = SignedAngleDifference(Bearing(left->position, shot->position), Bearing(shot->position, right->position));
        if (std::fabs(turn) < kGapBearingLimit) {
            shot->gapLeft = left;
            shot->gapRight = right;
            shot->gapTimer = kGapTicks;
            return;
        }
    }
}

void Track::FollowAnchor() {
    Plimb* shot = insertion.shot;
    if (shot == nullptr) return;
    if (insertion.anchor == nullptr) {
        // The ball it was joining is gone (blown up by the board): so is the shot.
        delete shot;
        insertion = Insertion();
        return;
    }
    shot->distance = insertion.anchor->distance + (insertion.behind ? -ballSpacing : ballSpacing);
    shot->speed = insertion.anchor->speed;
}

void Track::ProgressInsertion() {
    FollowAnchor();
    if (insertion.shot == nullptr) return;
    FlyShot();
    if (insertion.pushedNeighbour != nullptr) PushNeighbour();
    if (!insertion.arrived) return;
    if (insertion.behind || !(insertion.gapOpened && !insertion.roomMade)) CompleteInsertion();
}

void Track::FlyShot() {
    Plimb* shot = insertion.shot;
    if (!insertion.arrived) {
        const Vec2 target = PointAtDistance(shot->distance);
        const Vec2 d{target.x - shot->position.x, target.y - shot->position.y};
        const float len = Magnitude(d);
        const float step = kFlightStepPerScale * ballScale;
        if (len > step) {
            float v = std::max(step, shot->speed);
            // The slot ran ahead of the flight: catch up.
            if (insertion.flightLeft - step < len - step) v += (len - step) - (insertion.flightLeft - step);
            shot->position.x += d.x / len * v;
            shot->position.y += d.y / len * v;
            insertion.flightLeft = len - v;
            if (!(len - step > 0.0f && insertion.flightLeft > 0.0f)) insertion.arrived = true;
        } else {
            insertion.arrived = true;
        }
    }
    if (insertion.arrived) shot->position = PointAtDistance(shot->distance);
}

void Track::PushNeighbour() {
    Insertion& in = insertion;
    Plimb* shot = in.shot;
    Plimb* n = in.pushedNeighbour;
    auto place = [this](Plimb* item, float d) {
        item->distance = d;
        item->position = PointAtDistance(d);
    };
    if (in.behind && shot->distance - n->distance - ballSpacing < 0.0f) {
        // The ball behind is too close: the shot goes ahead of it instead.
        in.pushedNeighbour = in.anchor;
        in.anchor = n;
        n = in.pushedNeighbour;
        shot->distance = in.anchor->distance + ballSpacing;
        in.behind = false;
        in.gapOpened = true;
        in.roomLeft = n->distance - shot->distance - ballSpacing;
    }
    if (in.behind) return;
    const float push = kPushPerScale * ballScale;
    const float g = n->distance - shot->distance - ballSpacing;
    if (g < 0.0f) in.gapOpened = true;
    if (in.gapOpened && !in.roomMade) {
        if (g >= 0.0f) {
            in.roomMade = true;
        } else if (in.arrived) {
            in.roomLeft = std::fabs(in.roomLeft);
            float amount = in.roomLeft < std::fabs(g) ? std::fabs(g) - in.roomLeft + push : push;
            place(n, n->distance + amount);
            in.roomLeft = std::fabs(g) - amount;
            if (std::fabs(g) - push <= 0.0f || in.roomLeft <= 0.0f) in.roomMade = true;
        } else {
            const float nudges =
                ballScale * std::max(kNudgeBase, kNudgeBase + kNudgeSpeedFactor * (shot->speed - n->speed)) *
                kNudgeScaleFactor;
            for (int32_t i = 0; i < static_cast<int32_t>(nudges); ++i) {
                if (n->distance - shot->distance >= ballSpacing) {
                    in.roomMade = true;
                    break;
                }
                if (DistanceSquared(shot->position, n->position) >= hitRadius * hitRadius) break;
                place(n, n->distance + kNudgeStep);
            }
            if (n->distance - shot->distance >= ballSpacing) in.roomMade = true;
        }
    }
    if (in.roomMade) place(n, shot->distance + ballSpacing);
}

void Track::CompleteInsertion() {
    Insertion& in = insertion;
    Plimb* shot = in.shot;
    Plimb* anchor = in.anchor;
    ChainSegment* segment = anchor->segment;
    if (segment == nullptr) {  // the anchor left the chain: the shot has nowhere to go
        delete shot;
        insertion = Insertion();
        return;
    }
    std::vector<Plimb*>& members = segment->items;
    auto anchorAt = std::find(members.begin(), members.end(), anchor);
    Plimb* n = in.pushedNeighbour;
    if (in.behind) {
        members.insert(anchorAt == members.end() ? members.begin() : anchorAt, shot);
    } else if (in.gapOpened && in.roomMade && n != nullptr && n->segment != nullptr && n->segment != segment) {
        ChainSegment* front = n->segment;
        members.insert(anchorAt == members.end() ? members.end() : anchorAt + 1, shot);
        for (Plimb* item : front->items) item->segment = segment;
        members.insert(members.end(), front->items.begin(), front->items.end());
        front->items.clear();
        RemoveSegment(front);
    } else {
        members.insert(anchorAt == members.end() ? members.end() : anchorAt + 1, shot);
    }
    shot->segment = segment;
    shot->track = this;
    int32_t at = IndexOfItem(anchor);
    at = at < 0 ? static_cast<int32_t>(items.size()) : at + (in.behind ? 0 : 1);
    items.insert(items.begin() + at, shot);
    lastInserted = shot;
    AddMatchCandidate(shot);
    shot->previousDistance = shot->distance;
    insertion = Insertion();
}

void Track::BurnBallAt(const Plimb& fireball) {
    if (insertion.shot != nullptr || lost || insertLock > 0) return;
    Plimb* ball = FindNearestBall(fireball.position.x, fireball.position.y, true);
    if (ball == nullptr || !(ball->position.x > kBurnLeft && ball->position.x < kBurnRight && ball->position.y > kBurnTop))
        return;
    board->AddScore(ScaledPoints(kBurnPoints, board->WorldIndex(), board->CurrentPlayStyle()));
    board->OnPop(*ball);
    RemoveBall(ball);
}
