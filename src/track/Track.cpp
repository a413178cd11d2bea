#include "track/Track.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "track/Plimb.h"
#include "track/Pusher.h"
#include "track/TrackHost.h"

namespace {
// Tuning of a new track (pixels, pixels per tick).
constexpr float kSlowZone = 1000.0f;     // free path below which chains roll slow
constexpr float kDangerZone = 400.0f;    // free path below which they crawl
constexpr float kBrake = 0.0025f;        // speed lost per tick above the target
constexpr float kAcceleration = 0.075f;  // speed gained per tick below the target
constexpr float kFastZoneShare = 0.75f;  // of the length: free path above which chains roll fast
constexpr int32_t kDefaultRobotTrigger = 100000;
// The path is sampled one point per pixel.
constexpr float kSampleSpacing = 1.0f;
constexpr float kDegreesPerRadian = 57.29578f;
// Balls are drawn across the path: the path direction turned a quarter.
constexpr float kDrawingTurn = 90.0f;
// Speed of a piece rolling back to rejoin the piece behind it.
constexpr float kRejoinSpeed = -1.0f;
}  // namespace

Track::Track(TrackHost* board)
    : board(board),
      ballSpacing(board->BallSpacing()),
      hitRadius(board->HitRadius()),
      ballScale(board->BallScale()),
      slowZone(kSlowZone),
      dangerZone(kDangerZone),
      brake(kBrake),
      acceleration(kAcceleration),
      endDistance(kNoEndDistance),
      nextRobotColour(kFirstRobotColour),
      robotTrigger(kDefaultRobotTrigger) {}

Track::~Track() {
    for (Plimb* item : items) delete item;
    for (ChainSegment* segment : segments) delete segment;
    delete insertion.shot;
}

void Track::BuildFromPath() {
    samples.clear();
    sampleAngles.clear();
    length = 0;
    if (path.SegmentCount() < 1) return;
    ballSpacing = board->BallSpacing();
    hitRadius = board->HitRadius();
    ballScale = board->BallScale();
    path.SampleEvenly(samples, kSampleSpacing);
    if (samples.size() < 2) {  // a curve of non-finite numbers
        samples.clear();
        return;
    }
    startPoint = samples.front();
    length = static_cast<int32_t>(samples.size()) - 1;
    fastZone = static_cast<float>(length) * kFastZoneShare;
    rushDistance = static_cast<float>(length) * board->RushFraction();
    sampleAngles.resize(samples.size());
    for (int32_t i = 0; i <= length; ++i) {
        const Vec2& a = samples[std::min(i, length - 1)];
        const Vec2& b = samples[std::min(i, length - 1) + 1];
        float degrees = std::atan2(a.y - b.y, a.x - b.x) * kDegreesPerRadian;
        if (degrees < 0.0f) degrees += 360.0f;
        sampleAngles[i] = degrees + kDrawingTurn;
    }
}

int32_t Track::SampleIndex(float d) const {
    if (!(d > 0.0f)) return 0;  // also NaN
    if (d >= static_cast<float>(length)) return length;
    return static_cast<int32_t>(d);
}

Vec2 Track::PointAtDistance(float d) const {
    if (samples.empty()) return {};
    const Vec2& a = samples[SampleIndex(d)];
    if (!std::isfinite(d)) return a;
    const Vec2& b = samples[SampleIndex(d + 1.0f)];
    float f = d - std::floor(d);
    return {a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f};
}

float Track::AngleAtDistance(float d) const {
    if (length <= 0) return 0.0f;
    return sampleAngles[SampleIndex(d)];
}

void Track::AddWave(const WaveSpec& wave) { waves.push_back(std::make_unique<WaveSpec>(wave)); }

void Track::RejoinGaps() {
    for (size_t i = 1; i < segments.size(); ++i) {
        ChainSegment* rear = segments[i - 1];
        ChainSegment* front = segments[i];
        if (rear->IsEmpty() || front->IsEmpty() || front->pullBack) continue;
        if (front->First()->colour != rear->Last()->colour) continue;
        front->speed = kRejoinSpeed;
        front->pullBack = true;
    }
}

bool Track::IsRearmostBeyondEnd() const {
    return items.empty() || static_cast<float>(length) < items.front()->distance;
}

int32_t Track::IndexOfItem(const Plimb* item) const {
    auto found = std::find(items.begin(), items.end(), item);
    return found == items.end() ? -1 : static_cast<int32_t>(found - items.begin());
}

int32_t Track::IndexOfSegment(const ChainSegment* segment) const {
    auto found = std::find(segments.begin(), segments.end(), segment);
    return found == segments.end() ? -1 : static_cast<int32_t>(found - segments.begin());
}

void Track::AddMatchCandidate(Plimb* ball) {
    if (std::find(matchCandidates.begin(), matchCandidates.end(), ball) == matchCandidates.end())
        matchCandidates.push_back(ball);
}

void Track::RemoveSegment(ChainSegment* segment) {
    for (Plimb* item : segment->items) item->segment = nullptr;
    segments.erase(std::remove(segments.begin(), segments.end(), segment), segments.end());
    if (insertion.enteredSegment == segment) insertion.enteredSegment = nullptr;
    delete segment;
}

void Track::DeleteEmptySegments() {
    for (size_t i = segments.size(); i-- > 0;) {
        if (segments[i]->IsEmpty()) RemoveSegment(segments[i]);
    }
}

void Track::DestroyItem(Plimb* item) {
    if (item->segment != nullptr) {
        std::vector<Plimb*>& members = item->segment->items;
        members.erase(std::remove(members.begin(), members.end(), item), members.end());
    }
    items.erase(std::remove(items.begin(), items.end(), item), items.end());
    matchCandidates.erase(std::remove(matchCandidates.begin(), matchCandidates.end(), item), matchCandidates.end());
    robots.erase(std::remove(robots.begin(), robots.end(), item), robots.end());
    for (Pusher* robot : robots) {
        if (robot->robotAhead == item) robot->robotAhead = nullptr;
    }
    for (Plimb* other : items) {
        if (other->gapLeft == item) other->gapLeft = nullptr;
        if (other->gapRight == item) other->gapRight = nullptr;
    }
    if (Plimb* shot = insertion.shot) {
        if (shot->gapLeft == item) shot->gapLeft = nullptr;
        if (shot->gapRight == item) shot->gapRight = nullptr;
    }
    if (lastInserted == item) lastInserted = nullptr;
    if (insertion.anchor == item) insertion.anchor = nullptr;
    if (insertion.pushedNeighbour == item) insertion.pushedNeighbour = nullptr;
    delete item;
}

void Track::Draw() const {
    DrawBetween(-std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity());
}

void Track::DrawBetween(float from, float to) const {
    auto inside = [&](const Plimb* item) { return !item->hidden && from <= item->distance && item->distance < to; };
    for (const Plimb* item : items) {
        if (inside(item)) item->DrawShadow();
    }
    for (const Plimb* item : items) {
        if (inside(item)) item->DrawBody();
    }
    const Plimb* shot = insertion.shot;
    if (shot != nullptr && from <= shot->distance && shot->distance < to) {
        shot->DrawShadow();
        shot->DrawBody();
    }
}
