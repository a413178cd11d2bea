// Pieces of chain meeting, splitting, and robots leaving the track.
#include <algorithm>
#include <cmath>

#include "track/Plimb.h"
#include "track/Pusher.h"
#include "track/Track.h"
#include "track/TrackHost.h"

namespace {
// Pieces join when their facing balls are at most a spacing and this apart (pixels).
constexpr float kJoinSlack = 0.5f;
constexpr float kBumpPitch = 1.25f;
constexpr float kBumpVolume = 0.75f;
}  // namespace

void Track::JoinSegments() {
    for (;;) {
        DeleteEmptySegments();
        size_t i = 0;
        for (; i + 1 < segments.size(); ++i) {
            ChainSegment* rear = segments[i];
            ChainSegment* front = segments[i + 1];
            if (rear == insertion.enteredSegment) continue;
            if (front->First()->distance - rear->Last()->distance <= ballSpacing + kJoinSlack) break;
        }
        if (i + 1 >= segments.size()) return;
        ChainSegment* rear = segments[i];
        ChainSegment* front = segments[i + 1];
        Plimb* last = rear->Last();
        Plimb* first = front->First();
        if (!first->isRobot || insertLock > 0) {
            board->OnCollision(*last, *first, std::fabs(last->speed - first->speed));
            if (last->colour == first->colour) AddMatchCandidate(first);
            for (Plimb* item : front->items) item->segment = rear;
            rear->items.insert(rear->items.end(), front->items.begin(), front->items.end());
            front->items.clear();
            if (front->speed < 0.0f) rear->speed = front->speed;
            if (insertion.enteredSegment == front) insertion.enteredSegment = rear;
            RemoveSegment(front);
            board->PlaySound(TrackSound::BallBump, kBumpPitch, kBumpVolume);
        } else {
            // The piece behind has caught up with a robot: it has nothing left to push.
            front->items.erase(front->items.begin());
            if (front->speed > 0.0f) front->speed = 0.0f;
            first->segment = nullptr;
            ClearRobot(static_cast<Pusher*>(first));
        }
    }
}

void Track::CleanUpRobots() {
    if (insertion.shot != nullptr || !matchCandidates.empty()) return;
    bool removed = true;
    while (removed) {
        removed = false;
        for (Pusher* robot : robots) {
            ChainSegment* segment = robot->segment;
            if (segment == nullptr) continue;
            if (segment->First() != robot) {
                SplitAround(robot, -1, -1);
            } else if (segment->items.size() == 1) {
                int32_t index = IndexOfItem(robot);
                bool frontMost = segments.back() == segment;
                bool robotNext = index + 1 < static_cast<int32_t>(items.size()) && items[index + 1]->isRobot;
                if (!frontMost && !robotNext) continue;
                RemoveSegment(segment);
            } else {
                continue;
            }
            ClearRobot(robot);
            removed = true;
            break;
        }
    }
}

void Track::ClearRobot(Pusher* robot) {
    board->CountStatistic(TrackStatistic::RobotsCleared, 1);
    lastRobotDistance = robot->distance;
    board->OnRobotCleared(robot->position);
    DestroyItem(robot);
}

void Track::SplitAround(Plimb* ball, int32_t first, int32_t last) {
    ChainSegment* segment = ball->segment;
    if (segment == nullptr) return;
    std::vector<Plimb*>& members = segment->items;
    if (first == -1 && last == -1) {
        first = last = static_cast<int32_t>(std::find(members.begin(), members.end(), ball) - members.begin());
    }
    const int32_t count = static_cast<int32_t>(members.size());
    if (first < 0 || last < first || last >= count) return;

    std::vector<Plimb*> ahead(members.begin() + last + 1, members.end());
    for (int32_t i = first; i <= last; ++i) members[i]->segment = nullptr;
    members.erase(members.begin() + first, members.end());
    segment->pullBack = false;
    if (ahead.empty()) {
        if (members.empty()) RemoveSegment(segment);
        return;
    }
    // A piece ahead of the hole stops rather than rolling on alone.
    ChainSegment* front = segment;
    if (!members.empty()) {
        front = new ChainSegment();
        segments.insert(segments.begin() + IndexOfSegment(segment) + 1, front);
    }
    front->items = std::move(ahead);
    front->speed = std::min(segment->speed, 0.0f);
    for (Plimb* item : front->items) item->segment = front;
}

void Track::RemoveBall(Plimb* ball) {
    if (ball == nullptr || IndexOfItem(ball) < 0) return;
    SplitAround(ball, -1, -1);
    DestroyItem(ball);
}
