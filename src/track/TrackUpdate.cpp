// One tick of a chain: flags, speeds, the end test, waves and moving. Shots
// are in TrackShots.cpp, matching in TrackMatching.cpp, joining and robot
// clean-up in TrackJoining.cpp.
#include <algorithm>
#include <cmath>

#include "track/Plimb.h"
#include "track/Pusher.h"
#include "track/Track.h"
#include "track/TrackHost.h"

namespace {
// Ticks no new shot may enter after one has slid in.
constexpr int32_t kInsertLockTicks = 3;
// Lost chains run into the end ever faster, up to this speed.
constexpr float kLostSpeedLimit = 10.0f;
constexpr float kLostAcceleration = 0.065f;
// The back bonus pushes chains backwards down to this speed.
constexpr float kReverseSpeedLimit = -1.85f;
constexpr float kReverseAcceleration = 0.0475f;
// A robot follows the robot ahead within this gap (pixels) when that one
// rolls slower than itself but faster than kFollowMinSpeed.
constexpr float kFollowGap = 300.0f;
constexpr float kFollowMinSpeed = 0.15f;
// Target speed inside the danger zone, and the cap while the slow bonus runs.
constexpr float kDangerSpeed = 0.25f;
constexpr float kSlowBonusSpeed = 0.18f;
// Braking above the target: hard while following or slowed, else gentle.
constexpr float kHardBrakeFactor = 0.99f;
constexpr float kHardBrake = 0.0075f;
constexpr float kGentleBrakeFactor = 0.998f;
// Pieces without a robot: pulled back they speed up backwards to the limit;
// otherwise they return to rest.
constexpr float kPullBackAcceleration = 0.075f;
constexpr float kPullBackLimit = -7.0f;
constexpr float kReturnAcceleration = 0.075f;
constexpr float kDriftBrake = 0.0025f;
// The play field: an item counts as seen once its centre has been inside.
constexpr float kFieldWidth = 800.0f;
constexpr float kFieldHeight = 600.0f;

void DriftSegment(ChainSegment& segment) {
    if (segment.pullBack) {
        segment.speed = std::max(segment.speed - kPullBackAcceleration, kPullBackLimit);
    } else if (segment.speed < 0.0f) {
        segment.speed = std::min(segment.speed + kReturnAcceleration, 0.0f);
    } else if (segment.speed > 0.0f) {
        segment.speed = std::max(segment.speed - kDriftBrake, 0.0f);
    }
}
}  // namespace

void Track::Update() {
    if (length <= 0) return;
    UpdateFlags();
    insertLock = insertion.shot != nullptr ? kInsertLockTicks : std::max(insertLock - 1, 0);
    comboActive = !matchCandidates.empty();
    UpdateSpeeds();
    UpdateEnd();
    FollowAnchor();
    if (waveDelay > 0) --waveDelay;
    TrySpawnWave();
    MoveSegments();
    ProgressInsertion();
    MatchColours();
    MagnetAfterInsertion();
    JoinSegments();
    CleanUpRobots();
    UpdateItems();
}

void Track::UpdateFlags() {
    const float end = static_cast<float>(length);
    for (Plimb* item : items) {
        item->hidden = false;
        for (const Range& range : hiddenRanges) {
            if (range.from < item->distance && item->distance < range.to) {
                item->hidden = true;
                break;
            }
        }
        item->onPath = 0.0f < item->distance && item->distance < end;
        item->hittable = item->onPath && !item->hidden;
    }
}

void Track::UpdateSpeeds() {
    if (lost) {
        for (ChainSegment* segment : segments) {
            if (segment->speed < kLostSpeedLimit) segment->speed += kLostAcceleration;
        }
        for (Plimb* item : items) {
            if (item->distance > static_cast<float>(length)) item->Sink();
        }
    } else if (board->IsReversing()) {
        for (ChainSegment* segment : segments) {
            if (segment->speed > kReverseSpeedLimit) segment->speed -= kReverseAcceleration;
        }
    } else {
        DriveSegmentsForward();
    }
    for (ChainSegment* segment : segments) segment->ShareSpeed();
}

// Front to rear with the free path ahead of each piece; robots also learn the
// robot-led piece ahead of them and the gap to it.
void Track::DriveSegmentsForward() {
    float freePath = 0.0f;
    float robotGap = 0.0f;
    Pusher* lastRobot = nullptr;
    const ChainSegment* ahead = nullptr;
    const auto rearMost =
        std::find_if(segments.begin(), segments.end(), [](const ChainSegment* s) { return !s->IsEmpty(); });
    for (size_t i = segments.size(); i-- > 0;) {
        ChainSegment& segment = *segments[i];
        if (segment.IsEmpty()) continue;
        // A piece pulled towards one that has since gone entirely would roll
        // back past the start of the path for ever: it comes to rest instead.
        if (segments.begin() + static_cast<std::ptrdiff_t>(i) == rearMost) segment.pullBack = false;
        if (ahead == nullptr) {
            freePath = static_cast<float>(length) - segment.Last()->distance;
        } else {
            float gap = ahead->First()->distance - segment.Last()->distance - ballSpacing;
            freePath += gap;
            robotGap += gap;
        }
        ahead = &segment;
        if (!segment.First()->isRobot) {
            DriftSegment(segment);
            continue;
        }
        auto& robot = static_cast<Pusher&>(*segment.First());
        robot.robotAhead = lastRobot;
        robot.gapAhead = lastRobot != nullptr ? robotGap : -1.0f;
        segment.pullBack = false;
        DriveRobotSegment(segment, robot, freePath);
        lastRobot = &robot;
        robotGap = 0.0f;
    }
}

void Track::DriveRobotSegment(ChainSegment& segment, Pusher& robot, float freePath) {
    const WaveSpec& wave = *robot.wave;
    const ChainSegment* leader = robot.robotAhead != nullptr ? robot.robotAhead->segment : nullptr;
    const bool following = leader != nullptr && robot.gapAhead < kFollowGap && !leader->pullBack &&
                           leader->speed > kFollowMinSpeed && leader->speed < segment.speed;
    float target;
    if (following) {
        target = leader->speed;
    } else if (freePath > fastZone) {
        target = wave.speedFast;
    } else if (freePath < dangerZone) {
        target = kDangerSpeed;
    } else if (freePath < slowZone) {
        target = wave.speedSlow;
    } else {
        target = wave.speed;
    }
    if (board->IsRushActive()) target = wave.speedInitial;
    const bool slowed = board->IsSlowed();
    if (slowed) target = std::min(target, kSlowBonusSpeed);

    if (segment.speed < target) {
        segment.speed = std::min(segment.speed + acceleration, target);
    } else if (segment.speed > target) {
        float braked = following || slowed ? segment.speed * kHardBrakeFactor - kHardBrake
                                           : segment.speed * kGentleBrakeFactor - brake;
        segment.speed = std::max(braked, target);
    }
    robot.targetSpeed = target;
}

void Track::UpdateEnd() {
    const float end = static_cast<float>(length);
    bool arrived = false;
    endDistance = kNoEndDistance;
    for (Plimb* item : items) {
        if (item->distance >= rushDistance && board->IsRushActive()) board->EndRush();
        if (item->distance >= end && (item->segment == nullptr || item->segment->speed > 0.0f)) arrived = true;
        endDistance = std::min(endDistance, end - item->distance);
    }
    if (lost || !arrived) {
        endTicks = 0;
    } else if (++endTicks > kEndTicksAllowed) {
        lost = true;
    }
}

void Track::MoveSegments() {
    if (items.empty() || board->IsFrozen()) return;
    for (ChainSegment* segment : segments) {
        if (segment->IsEmpty()) continue;
        float d = segment->First()->distance + segment->speed;
        for (Plimb* item : segment->items) {
            item->distance = d;
            item->position = PointAtDistance(d);
            d += ballSpacing;
        }
    }
}

void Track::UpdateItems() {
    for (Plimb* item : items) {
        item->Update();
        if (!item->hasAppeared && item->position.x > 0.0f && item->position.x < kFieldWidth &&
            item->position.y > 0.0f && item->position.y < kFieldHeight)
            item->hasAppeared = true;
    }
}
