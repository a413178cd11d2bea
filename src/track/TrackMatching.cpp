// Groups of three or more balls of one colour pop, score and pull matching
// ends back together.
#include <algorithm>

#include "track/Plimb.h"
#include "track/ScoreRule.h"
#include "track/Track.h"
#include "track/TrackHost.h"

namespace {
constexpr int32_t kSmallestGroup = 3;
constexpr int32_t kPointsPerBall = 100;
constexpr int32_t kProgressPerBall = 2;
constexpr int32_t kGapBonusPoints = 250;
// The explosion rises in pitch with every further group of a combo.
constexpr float kExplodePitchStep = 0.125f;
constexpr float kExplodePitchLimit = 1.75f;
// Speed of a piece pulled back to the matching piece behind it.
constexpr float kMagnetSpeed = -1.0f;
}  // namespace

void Track::PullBack(ChainSegment* segment) {
    segment->speed = kMagnetSpeed;
    segment->pullBack = true;
}

void Track::MatchColours() {
    if (insertLock != 0 || matchCandidates.empty() || items.empty()) return;
    if (lost) {
        matchCandidates.clear();
        return;
    }
    const std::vector<Plimb*> candidates = matchCandidates;
    bool popped = false;
    for (Plimb* candidate : candidates) {
        // An earlier group may have taken this one with it.
        if (std::find(matchCandidates.begin(), matchCandidates.end(), candidate) == matchCandidates.end()) continue;
        if (candidate->segment == nullptr) continue;
        popped = PopGroupAround(candidate) || popped;
    }
    matchCandidates.clear();
    if (popped) board->OnAfterPop();
}

bool Track::PopGroupAround(Plimb* candidate) {
    std::vector<Plimb*>& members = candidate->segment->items;
    const int32_t at = static_cast<int32_t>(std::find(members.begin(), members.end(), candidate) - members.begin());
    bool gapBonusDue = candidate->gapShot;
    candidate->gapShot = false;
    int32_t first = at;
    while (first > 0 && members[first - 1]->colour == candidate->colour) --first;
    int32_t last = at;
    while (last + 1 < static_cast<int32_t>(members.size()) && members[last + 1]->colour == candidate->colour) ++last;
    const int32_t size = last - first + 1;
    std::vector<Plimb*> group(members.begin() + first, members.begin() + last + 1);
    for (Plimb* member : group) {
        if (member->gapShot) gapBonusDue = true;
        member->gapShot = false;
    }
    if (size < kSmallestGroup) return false;

    board->CountStatistic(TrackStatistic::PlimbsPopped, size);
    board->RaiseStatistic(TrackStatistic::LargestGroupPopped, size);
    if (comboActive) {
        ++comboCount;
    } else {
        comboActive = true;
        comboCount = 1;
    }
    board->PlaySound(TrackSound::Explode,
                     std::min(1.0f + static_cast<float>(comboCount - 1) * kExplodePitchStep, kExplodePitchLimit), 1.0f);

    const int32_t hole = IndexOfItem(group.front());
    SplitAround(candidate, first, last);
    float smallest = group.front()->distance;
    float sum = 0.0f;
    for (Plimb* member : group) {
        smallest = std::min(smallest, member->distance);
        sum += member->distance;
        board->OnPop(*member);
    }
    board->OnGroup(group);
    for (Plimb* member : group) DestroyItem(member);
    popSmallestDistance = smallest;
    popMeanDistance = sum / static_cast<float>(size);
    popSmallestPoint = PointAtDistance(popSmallestDistance);
    popMeanPoint = PointAtDistance(popMeanDistance);

    PayGroup(size, gapBonusDue);

    // Magnet: equal colours on both sides of the hole pull together.
    if (hole > 0 && hole < static_cast<int32_t>(items.size())) {
        Plimb* before = items[hole - 1];
        Plimb* after = items[hole];
        if (before->colour == after->colour && before->distance > 0.0f && after->distance > 0.0f &&
            after->segment != nullptr)
            PullBack(after->segment);
    }
    return true;
}

void Track::PayGroup(int32_t size, bool gapBonusDue) {
    const int32_t world = board->WorldIndex();
    const PlayStyle style = board->CurrentPlayStyle();
    const int32_t points = ScaledPoints(comboCount * size * kPointsPerBall, world, style);
    board->AddScore(points);
    board->AddProgress(comboCount * size * kProgressPerBall);
    board->ShowFloatingText(String::Format("%d", points), popMeanPoint, FloaterKind::Points);
    if (gapBonusDue) {
        board->PlaySound(TrackSound::GapBonus, 1.0f, 1.0f);
        const int32_t bonus = ScaledPoints(kGapBonusPoints, world, style);
        board->AddScore(bonus);
        board->ShowFloatingText(String::Format("GAP BONUS + %d", bonus), popMeanPoint, FloaterKind::GapBonus);
    }
    if (comboCount > 1) {
        board->ShowFloatingText(String::Format("X%d", comboCount), popMeanPoint, FloaterKind::Combo);
        board->OnCombo(comboCount, popMeanPoint);
        board->RaiseStatistic(TrackStatistic::LargestCombo, comboCount);
        if (comboCount == 2) board->CountStatistic(TrackStatistic::ComboCount, 1);
    }
}

void Track::MagnetAfterInsertion() {
    if (!matchCandidates.empty() || lastInserted == nullptr) return;
    Plimb* shot = lastInserted;
    lastInserted = nullptr;
    ChainSegment* segment = shot->segment;
    if (segment == nullptr) return;
    const int32_t at = IndexOfItem(shot);
    if (segment->First() == shot && at > 0) {
        Plimb* before = items[at - 1];
        if (before->segment != segment && before->colour == shot->colour) PullBack(segment);
    }
    if (segment->Last() == shot && at + 1 < static_cast<int32_t>(items.size())) {
        Plimb* after = items[at + 1];
        if (after->segment != segment && after->colour == shot->colour && after->segment != nullptr)
            PullBack(after->segment);
    }
}
