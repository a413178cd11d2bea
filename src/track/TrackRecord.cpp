// The track record of the saved game and its loader. References travel as
// indices (-1 for none): items by their place in items, segments by theirs
// in segments. The loader treats the record as hostile: every count is
// bounded, every index checked, and nothing changes unless all of it reads.
#include <algorithm>
#include <limits>
#include <memory>

#include "core/IOBuffer.h"
#include "track/Plimb.h"
#include "track/Pusher.h"
#include "track/RecordLimits.h"
#include "track/Track.h"
#include "track/TrackHost.h"

namespace {
// Values the record carries for fields this game does not keep; written as
// the game has always written them, skipped when read.
constexpr float kUnusedShare = 1.25f;
constexpr int32_t kUnusedSlots = 3;
constexpr int32_t kLengthQuarterDivisor = 4;
constexpr float kEndApproach = 300.0f;
constexpr float kEndNear = 100.0f;

void WriteVec(IOBuffer& out, const Vec2& v) {
    out.WriteFloat(v.x);
    out.WriteFloat(v.y);
}

Vec2 ReadVec(IOBuffer& in) {
    Vec2 v;
    v.x = in.ReadFloat();
    v.y = in.ReadFloat();
    return v;
}

void WriteWave(IOBuffer& out, const WaveSpec& wave) {
    out.WriteInt(wave.count);
    out.WriteInt(wave.types);
    out.WriteInt(wave.delayTicks);
    out.WriteInt(wave.maxSameTypeChain);
    for (float value : {wave.speed, wave.speedInitial, wave.speedFast, wave.speedSlow, wave.delayDist,
                        wave.sameTypeProbability})
        out.WriteFloat(value);
    out.WriteBool(wave.repeat);
}

// Target track and robot trigger are not stored: a loaded wave has the defaults.
bool ReadWave(IOBuffer& in, WaveSpec& wave) {
    using namespace RecordLimits;
    // Level files keep the delay within 0.15 .. 0.85 of the path; a chance
    // above 1 means always.
    constexpr Bounds<float> kDelayShare = kUnit;
    constexpr Bounds<float> kChance{0, 100};
    // Level files give a wave at most 300 balls; the robot of a much longer
    // one would wait beyond the path margin.
    constexpr Bounds<int32_t> kBalls{0, 1000};
    constexpr Bounds<float> kFloatRanges[] = {Either(kChainSpeed), Either(kChainSpeed), Either(kChainSpeed),
                                              Either(kChainSpeed), kDelayShare,    kChance};
    constexpr Bounds<int32_t> kIntRanges[] = {kBalls, {0, kBallColours}, kTicks, {0, Track::kMaxItems}};
    int32_t ints[4];
    for (int32_t& value : ints) value = in.ReadInt();
    float floats[6];
    for (float& value : floats) value = in.ReadFloat();
    wave.repeat = in.ReadBool();
    if (in.HasError() || !AllInBounds<int32_t>(ints, kIntRanges) || !AllInBounds<float>(floats, kFloatRanges))
        return false;
    wave.count = ints[0];
    wave.types = ints[1];
    wave.delayTicks = ints[2];
    wave.maxSameTypeChain = ints[3];
    wave.speed = floats[0];
    wave.speedInitial = floats[1];
    wave.speedFast = floats[2];
    wave.speedSlow = floats[3];
    wave.delayDist = floats[4];
    wave.sameTypeProbability = floats[5];
    return true;
}

void WriteWaves(IOBuffer& out, const std::vector<std::unique_ptr<WaveSpec>>& waves) {
    out.WriteInt(static_cast<int32_t>(waves.size()));
    for (const auto& wave : waves) WriteWave(out, *wave);
}

bool ReadWaves(IOBuffer& in, std::vector<std::unique_ptr<WaveSpec>>& waves) {
    int32_t count = in.ReadInt();
    if (count < 0 || count > Track::kMaxWaves) return false;
    for (int32_t i = 0; i < count; ++i) {
        auto wave = std::make_unique<WaveSpec>();
        if (!ReadWave(in, *wave)) return false;
        waves.push_back(std::move(wave));
    }
    return true;
}

template <class T>
int32_t IndexIn(const std::vector<T>& list, const void* item) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].get() == item) return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t IndexIn(const std::vector<Plimb*>& list, const Plimb* item) {
    if (item == nullptr) return -1;
    auto found = std::find(list.begin(), list.end(), item);
    return found == list.end() ? -1 : static_cast<int32_t>(found - list.begin());
}

// An index read from the record: -1 (none) or a place in a list of `size`.
bool ReadIndex(IOBuffer& in, int32_t size, int32_t& index) {
    index = in.ReadInt();
    return !in.HasError() && index >= -1 && index < size;
}

// Deletes what a failed load built.
struct LoadedParts {
    std::vector<Plimb*> items;
    std::vector<ChainSegment*> segments;
    Plimb* shot = nullptr;
    ~LoadedParts() {
        for (Plimb* item : items) delete item;
        for (ChainSegment* segment : segments) delete segment;
        delete shot;
    }
};
}  // namespace

void Track::Save(IOBuffer& out) const {
    WriteVec(out, startPoint);
    WriteVec(out, popSmallestPoint);
    WriteVec(out, popMeanPoint);
    for (float value : {fastZone, slowZone, dangerZone, brake, acceleration, endDistance, nextWaveDistance})
        out.WriteFloat(value);
    out.WriteFloat(static_cast<float>(length / kLengthQuarterDivisor));
    out.WriteFloat(static_cast<float>(length) - kEndApproach);
    out.WriteFloat(static_cast<float>(length) - kEndNear);
    for (int32_t i = 0; i < kUnusedSlots; ++i) out.WriteFloat(0.0f);
    for (float value : {0.0f, kUnusedShare, insertion.flightLeft, insertion.roomLeft, popSmallestDistance,
                        popMeanDistance, lastRobotDistance})
        out.WriteFloat(value);
    for (int32_t value : {robotTrigger, nextWave, insertLock, comboCount, static_cast<int32_t>(samples.size()),
                          nextRobotColour, 0, 0, insertion.index, waveDelay, endTicks})
        out.WriteInt(value);
    for (bool flag : {false, lost, false, comboActive, false, insertion.behind, insertion.arrived,
                      insertion.gapOpened, insertion.roomMade, wavesStopped})
        out.WriteBool(flag);
    WriteWaves(out, waves);
    WriteWaves(out, retiredWaves);

    out.WriteInt(static_cast<int32_t>(items.size()));
    for (const Plimb* item : items) out.WriteBool(item->isRobot);
    for (const Plimb* item : items) {
        if (item->isRobot) {
            const auto* robot = static_cast<const Pusher*>(item);
            out.WriteInt(IndexIn(waves, robot->wave));
            out.WriteInt(IndexIn(retiredWaves, robot->wave));
            out.WriteInt(robot->countdown);
            out.WriteFloat(robot->targetSpeed);
        }
        item->SaveRecord(out, IndexIn(items, item->gapLeft), IndexIn(items, item->gapRight));
    }
    out.WriteInt(static_cast<int32_t>(robots.size()));
    for (const Pusher* robot : robots) out.WriteInt(IndexIn(items, robot));
    out.WriteInt(static_cast<int32_t>(segments.size()));
    for (const ChainSegment* segment : segments) {
        out.WriteFloat(segment->speed);
        out.WriteBool(segment->pullBack);
        out.WriteInt(static_cast<int32_t>(segment->items.size()));
        for (const Plimb* item : segment->items) out.WriteInt(IndexIn(items, item));
    }
    out.WriteInt(static_cast<int32_t>(matchCandidates.size()));
    for (const Plimb* item : matchCandidates) out.WriteInt(IndexIn(items, item));

    out.WriteBool(insertion.shot != nullptr);
    if (insertion.shot != nullptr) insertion.shot->SaveRecord(out, -1, -1);
    out.WriteInt(items.empty() ? -1 : 0);  // rearmost
    out.WriteInt(IndexIn(items, lastInserted));
    out.WriteInt(IndexIn(items, insertion.anchor));
    out.WriteInt(-1);  // a further insertion reference this game does not keep
    out.WriteInt(IndexIn(items, insertion.pushedNeighbour));
    int32_t entered = -1;
    for (size_t i = 0; i < segments.size(); ++i) {
        if (segments[i] == insertion.enteredSegment) entered = static_cast<int32_t>(i);
    }
    out.WriteInt(entered);
}

bool Track::Load(IOBuffer& in) {
    using namespace RecordLimits;
    // Speed a chain gains below its target and loses above it per tick: the
    // game's are below 0.1. A negative one would speed up a braking chain
    // without end.
    constexpr Bounds<float> kRate{0, kSpeedChange};
    constexpr Bounds<int32_t> kNextRobotColour{kRobotColour.low, kFirstRobotColour};
    constexpr Bounds<int32_t> kAny{INT32_MIN, INT32_MAX};
    constexpr Bounds<float> kUnused = Either(std::numeric_limits<float>::max());
    constexpr Bounds<float> kPoint = Either(kCoordinate);
    const float pathLength = static_cast<float>(length);
    const Bounds<float> path{-kPathMargin, pathLength + kPathMargin};
    const Vec2 loadedStart = ReadVec(in);
    const Vec2 smallestPoint = ReadVec(in);
    const Vec2 meanPoint = ReadVec(in);
    float tuning[7];  // fastZone, slowZone, dangerZone, brake, acceleration, endDistance, nextWaveDistance
    for (float& value : tuning) value = in.ReadFloat();
    for (int32_t i = 0; i < 2 * kUnusedSlots; ++i) in.ReadFloat();  // derived from the length, or unused
    float state[7];  // unused, unused, flightLeft, roomLeft, popSmallest, popMean, lastRobot
    for (float& value : state) value = in.ReadFloat();
    int32_t ints[11];  // robotTrigger, nextWave, insertLock, comboCount, samples, nextRobotColour, -, -,
                       // insert index, waveDelay, endTicks
    for (int32_t& value : ints) value = in.ReadInt();
    bool flags[10];  // -, lost, -, comboActive, -, behind, arrived, gapOpened, roomMade, wavesStopped
    for (bool& flag : flags) flag = in.ReadBool();
    if (in.HasError()) return false;
    const float points[] = {loadedStart.x, loadedStart.y, smallestPoint.x, smallestPoint.y, meanPoint.x, meanPoint.y};
    constexpr Bounds<float> kPointRanges[] = {kPoint, kPoint, kPoint, kPoint, kPoint, kPoint};
    const Bounds<float> tuningRanges[] = {path, path, path, kRate, kRate, path, path};
    const Bounds<float> stateRanges[] = {kUnused, kUnused, kPoint, kPoint, path, path, path};
    // robotTrigger is any number of balls; the sample count and two spares are not used.
    const Bounds<int32_t> intRanges[] = {kAny, {0, kMaxWaves}, kTicks,         kCount, kAny,  kNextRobotColour,
                                         kAny, kAny,           {0, kMaxItems}, kTicks, kTicks};
    if (!AllInBounds<float>(points, kPointRanges) || !AllInBounds<float>(tuning, tuningRanges) ||
        !AllInBounds<float>(state, stateRanges) || !AllInBounds<int32_t>(ints, intRanges))
        return false;

    std::vector<std::unique_ptr<WaveSpec>> loadedWaves;
    std::vector<std::unique_ptr<WaveSpec>> loadedRetired;
    if (!ReadWaves(in, loadedWaves) || !ReadWaves(in, loadedRetired)) return false;

    LoadedParts parts;
    const int32_t itemCount = in.ReadInt();
    if (in.HasError() || itemCount < 0 || itemCount > kMaxItems) return false;
    std::vector<bool> robotFlags(itemCount);
    for (int32_t i = 0; i < itemCount; ++i) robotFlags[i] = in.ReadBool();
    std::vector<int32_t> gapIndices(static_cast<size_t>(itemCount) * 2);
    int32_t robotItems = 0;
    for (int32_t i = 0; i < itemCount; ++i) {
        Plimb* item;
        if (robotFlags[i]) {
            const int32_t waveIndex = in.ReadInt();
            const int32_t retiredIndex = in.ReadInt();
            const int32_t countdown = in.ReadInt();
            const float targetSpeed = in.ReadFloat();
            WaveSpec* wave = nullptr;
            if (waveIndex >= 0 && waveIndex < static_cast<int32_t>(loadedWaves.size()) && retiredIndex == -1)
                wave = loadedWaves[waveIndex].get();
            if (waveIndex == -1 && retiredIndex >= 0 && retiredIndex < static_cast<int32_t>(loadedRetired.size()))
                wave = loadedRetired[retiredIndex].get();
            if (wave == nullptr || !InBounds(countdown, kTicks) || !InBounds(targetSpeed, Either(kChainSpeed))) return false;
            auto* robot = new Pusher(board, wave);
            robot->countdown = countdown;
            robot->targetSpeed = targetSpeed;
            item = robot;
            ++robotItems;
        } else {
            item = new Plimb(board);
        }
        parts.items.push_back(item);
        if (!item->LoadRecord(in, pathLength, gapIndices[2 * i], gapIndices[2 * i + 1])) return false;
        if (item->isRobot != robotFlags[i]) return false;
        for (int32_t k : {gapIndices[2 * i], gapIndices[2 * i + 1]}) {
            if (k < -1 || k >= itemCount) return false;
        }
        item->track = this;
    }

    std::vector<Pusher*> loadedRobots;
    const int32_t robotCount = in.ReadInt();
    if (in.HasError() || robotCount != robotItems) return false;
    for (int32_t i = 0; i < robotCount; ++i) {
        int32_t index = 0;
        if (!ReadIndex(in, itemCount, index) || index < 0 || !robotFlags[index]) return false;
        auto* robot = static_cast<Pusher*>(parts.items[index]);
        if (std::find(loadedRobots.begin(), loadedRobots.end(), robot) != loadedRobots.end()) return false;
        loadedRobots.push_back(robot);
    }

    // Every item in exactly one piece, the pieces in the order of the items.
    const int32_t segmentCount = in.ReadInt();
    if (in.HasError() || segmentCount < 0 || segmentCount > kMaxItems) return false;
    int32_t nextItem = 0;
    for (int32_t s = 0; s < segmentCount; ++s) {
        auto* segment = new ChainSegment();
        parts.segments.push_back(segment);
        segment->speed = in.ReadFloat();
        segment->pullBack = in.ReadBool();
        const int32_t members = in.ReadInt();
        if (in.HasError() || !InBounds(segment->speed, Either(kChainSpeed)) || members < 0 || members > itemCount - nextItem)
            return false;
        for (int32_t m = 0; m < members; ++m) {
            int32_t index = 0;
            if (!ReadIndex(in, itemCount, index) || index != nextItem) return false;
            segment->items.push_back(parts.items[index]);
            parts.items[index]->segment = segment;
            ++nextItem;
        }
    }
    if (nextItem != itemCount) return false;

    std::vector<Plimb*> candidates;
    const int32_t candidateCount = in.ReadInt();
    if (in.HasError() || candidateCount < 0 || candidateCount > itemCount) return false;
    for (int32_t i = 0; i < candidateCount; ++i) {
        int32_t index = 0;
        if (!ReadIndex(in, itemCount, index) || index < 0) return false;
        if (std::find(candidates.begin(), candidates.end(), parts.items[index]) == candidates.end())
            candidates.push_back(parts.items[index]);
    }

    if (in.ReadBool()) {
        parts.shot = new Plimb(board);
        int32_t left = 0, right = 0;
        if (!parts.shot->LoadRecord(in, pathLength, left, right) || parts.shot->isRobot) return false;
        parts.shot->track = this;
    }
    int32_t refs[5];  // rearmost, lastInserted, anchor, unused, pushedNeighbour
    for (int32_t& index : refs) {
        if (!ReadIndex(in, itemCount, index)) return false;
    }
    int32_t entered = 0;
    if (!ReadIndex(in, segmentCount, entered)) return false;
    // An insertion needs its anchor and a slot inside the items.
    if (parts.shot != nullptr && (refs[2] < 0 || ints[8] < 0 || ints[8] > itemCount)) return false;
    if (in.HasError()) return false;

    // Everything read: replace the track's state.
    for (Plimb* old : items) delete old;
    for (ChainSegment* old : segments) delete old;
    delete insertion.shot;
    items.swap(parts.items);
    parts.items.clear();
    segments.swap(parts.segments);
    parts.segments.clear();
    auto item = [this](int32_t index) { return index < 0 ? nullptr : items[index]; };
    for (int32_t i = 0; i < itemCount; ++i) {
        items[i]->gapLeft = item(gapIndices[2 * i]);
        items[i]->gapRight = item(gapIndices[2 * i + 1]);
    }
    robots = std::move(loadedRobots);
    matchCandidates = std::move(candidates);
    waves = std::move(loadedWaves);
    retiredWaves = std::move(loadedRetired);

    startPoint = loadedStart;
    popSmallestPoint = smallestPoint;
    popMeanPoint = meanPoint;
    fastZone = tuning[0];
    slowZone = tuning[1];
    dangerZone = tuning[2];
    brake = tuning[3];
    acceleration = tuning[4];
    endDistance = tuning[5];
    nextWaveDistance = tuning[6];
    insertion = Insertion();
    insertion.flightLeft = state[2];
    insertion.roomLeft = state[3];
    popSmallestDistance = state[4];
    popMeanDistance = state[5];
    lastRobotDistance = state[6];
    robotTrigger = ints[0];
    nextWave = ints[1];
    insertLock = ints[2];
    comboCount = ints[3];
    nextRobotColour = ints[5];
    insertion.index = ints[8];
    waveDelay = ints[9];
    endTicks = ints[10];
    lost = flags[1];
    comboActive = flags[3];
    insertion.behind = flags[5];
    insertion.arrived = flags[6];
    insertion.gapOpened = flags[7];
    insertion.roomMade = flags[8];
    wavesStopped = flags[9];
    insertion.shot = parts.shot;
    parts.shot = nullptr;
    lastInserted = item(refs[1]);
    insertion.anchor = item(refs[2]);
    insertion.pushedNeighbour = item(refs[4]);
    insertion.enteredSegment = entered < 0 ? nullptr : segments[entered];
    return true;
}
