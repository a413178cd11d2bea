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
    for (float value :
         {wave.speed, wave.speedInitial, wave.speedFast, wave.speedSlow, wave.delayDist, wave.sameTypeProbability})
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
                                              Either(kChainSpeed), kDelayShare,         kChance};
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

}  // namespace

// Everything a record holds, read and checked; the items, pieces and shot are
// deleted with it unless the track takes them.
struct Track::RecordParts {
    Vec2 startPoint, smallestPoint, meanPoint;
    float tuning[7];   // fastZone, slowZone, dangerZone, brake, acceleration, endDistance, nextWaveDistance
    float state[7];    // unused, unused, flightLeft, roomLeft, popSmallest, popMean, lastRobot
    int32_t ints[11];  // robotTrigger, nextWave, insertLock, comboCount, samples, nextRobotColour, -, -,
                       // insert index, waveDelay, endTicks
    bool flags[10];    // -, lost, -, comboActive, -, behind, arrived, gapOpened, roomMade, wavesStopped
    std::vector<std::unique_ptr<WaveSpec>> waves, retiredWaves;
    std::vector<Plimb*> items;
    std::vector<int32_t> gapIndices;  // two per item, then two for the shot
    std::vector<ChainSegment*> segments;
    std::vector<Pusher*> robots;
    std::vector<Plimb*> candidates;
    Plimb* shot = nullptr;
    int32_t refs[5];  // rearmost, lastInserted, anchor, unused, pushedNeighbour
    int32_t entered = -1;

    ~RecordParts() {
        for (Plimb* item : items) delete item;
        for (ChainSegment* segment : segments) delete segment;
        delete shot;
    }
};

void Track::RecordPartsDeleter::operator()(RecordParts* parts) const { delete parts; }

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
    for (bool flag : {false, lost, false, comboActive, false, insertion.behind, insertion.arrived, insertion.gapOpened,
                      insertion.roomMade, wavesStopped})
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
    if (insertion.shot != nullptr)
        insertion.shot->SaveRecord(out, IndexIn(items, insertion.shot->gapLeft),
                                   IndexIn(items, insertion.shot->gapRight));
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
    PendingRecord record = ReadRecord(in);
    if (!record) return false;
    TakeRecord(std::move(record));
    return true;
}

Track::PendingRecord Track::ReadRecord(IOBuffer& in) const {
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
    PendingRecord parts(new RecordParts());
    parts->startPoint = ReadVec(in);
    parts->smallestPoint = ReadVec(in);
    parts->meanPoint = ReadVec(in);
    for (float& value : parts->tuning) value = in.ReadFloat();
    for (int32_t i = 0; i < 2 * kUnusedSlots; ++i) in.ReadFloat();  // derived from the length, or unused
    for (float& value : parts->state) value = in.ReadFloat();
    for (int32_t& value : parts->ints) value = in.ReadInt();
    for (bool& flag : parts->flags) flag = in.ReadBool();
    if (in.HasError()) return nullptr;
    const float points[] = {parts->startPoint.x,    parts->startPoint.y, parts->smallestPoint.x,
                            parts->smallestPoint.y, parts->meanPoint.x,  parts->meanPoint.y};
    constexpr Bounds<float> kPointRanges[] = {kPoint, kPoint, kPoint, kPoint, kPoint, kPoint};
    const Bounds<float> tuningRanges[] = {path, path, path, kRate, kRate, path, path};
    const Bounds<float> stateRanges[] = {kUnused, kUnused, kPoint, kPoint, path, path, path};
    // robotTrigger is any number of balls; the sample count and two spares are not used.
    const Bounds<int32_t> intRanges[] = {kAny, {0, kMaxWaves}, kTicks,         kCount, kAny,  kNextRobotColour,
                                         kAny, kAny,           {0, kMaxItems}, kTicks, kTicks};
    if (!AllInBounds<float>(points, kPointRanges) || !AllInBounds<float>(parts->tuning, tuningRanges) ||
        !AllInBounds<float>(parts->state, stateRanges) || !AllInBounds<int32_t>(parts->ints, intRanges))
        return nullptr;

    if (!ReadWaves(in, parts->waves) || !ReadWaves(in, parts->retiredWaves)) return nullptr;

    const int32_t itemCount = in.ReadInt();
    if (in.HasError() || itemCount < 0 || itemCount > kMaxItems) return nullptr;
    std::vector<bool> robotFlags(itemCount);
    for (int32_t i = 0; i < itemCount; ++i) robotFlags[i] = in.ReadBool();
    std::vector<int32_t>& gapIndices = parts->gapIndices;
    gapIndices.assign(static_cast<size_t>(itemCount) * 2 + 2, -1);
    int32_t robotItems = 0;
    for (int32_t i = 0; i < itemCount; ++i) {
        Plimb* item;
        if (robotFlags[i]) {
            const int32_t waveIndex = in.ReadInt();
            const int32_t retiredIndex = in.ReadInt();
            const int32_t countdown = in.ReadInt();
            const float targetSpeed = in.ReadFloat();
            WaveSpec* wave = nullptr;
            if (waveIndex >= 0 && waveIndex < static_cast<int32_t>(parts->waves.size()) && retiredIndex == -1)
                wave = parts->waves[waveIndex].get();
            if (waveIndex == -1 && retiredIndex >= 0 && retiredIndex < static_cast<int32_t>(parts->retiredWaves.size()))
                wave = parts->retiredWaves[retiredIndex].get();
            if (wave == nullptr || !InBounds(countdown, kTicks) || !InBounds(targetSpeed, Either(kChainSpeed)))
                return nullptr;
            auto* robot = new Pusher(board, wave);
            robot->countdown = countdown;
            robot->targetSpeed = targetSpeed;
            item = robot;
            ++robotItems;
        } else {
            item = new Plimb(board);
        }
        parts->items.push_back(item);
        if (!item->LoadRecord(in, pathLength, gapIndices[2 * i], gapIndices[2 * i + 1])) return nullptr;
        if (item->isRobot != robotFlags[i]) return nullptr;
        for (int32_t k : {gapIndices[2 * i], gapIndices[2 * i + 1]}) {
            if (k < -1 || k >= itemCount) return nullptr;
        }
    }

    const int32_t robotCount = in.ReadInt();
    if (in.HasError() || robotCount != robotItems) return nullptr;
    for (int32_t i = 0; i < robotCount; ++i) {
        int32_t index = 0;
        if (!ReadIndex(in, itemCount, index) || index < 0 || !robotFlags[index]) return nullptr;
        auto* robot = static_cast<Pusher*>(parts->items[index]);
        if (std::find(parts->robots.begin(), parts->robots.end(), robot) != parts->robots.end()) return nullptr;
        parts->robots.push_back(robot);
    }

    // Every item in exactly one piece, the pieces in the order of the items.
    const int32_t segmentCount = in.ReadInt();
    if (in.HasError() || segmentCount < 0 || segmentCount > kMaxItems) return nullptr;
    int32_t nextItem = 0;
    for (int32_t s = 0; s < segmentCount; ++s) {
        auto* segment = new ChainSegment();
        parts->segments.push_back(segment);
        segment->speed = in.ReadFloat();
        segment->pullBack = in.ReadBool();
        const int32_t members = in.ReadInt();
        if (in.HasError() || !InBounds(segment->speed, Either(kChainSpeed)) || members < 0 ||
            members > itemCount - nextItem)
            return nullptr;
        for (int32_t m = 0; m < members; ++m) {
            int32_t index = 0;
            if (!ReadIndex(in, itemCount, index) || index != nextItem) return nullptr;
            segment->items.push_back(parts->items[index]);
            parts->items[index]->segment = segment;
            ++nextItem;
        }
    }
    if (nextItem != itemCount) return nullptr;

    const int32_t candidateCount = in.ReadInt();
    if (in.HasError() || candidateCount < 0 || candidateCount > itemCount) return nullptr;
    for (int32_t i = 0; i < candidateCount; ++i) {
        int32_t index = 0;
        if (!ReadIndex(in, itemCount, index) || index < 0) return nullptr;
        if (std::find(parts->candidates.begin(), parts->candidates.end(), parts->items[index]) ==
            parts->candidates.end())
            parts->candidates.push_back(parts->items[index]);
    }

    if (in.ReadBool()) {
        parts->shot = new Plimb(board);
        int32_t& left = gapIndices[2 * itemCount];
        int32_t& right = gapIndices[2 * itemCount + 1];
        if (!parts->shot->LoadRecord(in, pathLength, left, right) || parts->shot->isRobot) return nullptr;
        if (left < -1 || left >= itemCount || right < -1 || right >= itemCount) return nullptr;
    }
    for (int32_t& index : parts->refs) {
        if (!ReadIndex(in, itemCount, index)) return nullptr;
    }
    if (!ReadIndex(in, segmentCount, parts->entered)) return nullptr;
    // An insertion needs its anchor and a slot inside the items.
    const int32_t insertIndex = parts->ints[8];
    if (parts->shot != nullptr && (parts->refs[2] < 0 || insertIndex < 0 || insertIndex > itemCount)) return nullptr;
    if (in.HasError()) return nullptr;
    return parts;
}

void Track::TakeRecord(PendingRecord record) {
    RecordParts& parts = *record;
    for (Plimb* old : items) delete old;
    for (ChainSegment* old : segments) delete old;
    delete insertion.shot;
    items.swap(parts.items);
    parts.items.clear();
    segments.swap(parts.segments);
    parts.segments.clear();
    for (Plimb* item : items) item->track = this;
    auto item = [this](int32_t index) { return index < 0 ? nullptr : items[index]; };
    const int32_t itemCount = static_cast<int32_t>(items.size());
    for (int32_t i = 0; i < itemCount; ++i) {
        items[i]->gapLeft = item(parts.gapIndices[2 * i]);
        items[i]->gapRight = item(parts.gapIndices[2 * i + 1]);
    }
    robots = std::move(parts.robots);
    matchCandidates = std::move(parts.candidates);
    waves = std::move(parts.waves);
    retiredWaves = std::move(parts.retiredWaves);

    startPoint = parts.startPoint;
    popSmallestPoint = parts.smallestPoint;
    popMeanPoint = parts.meanPoint;
    fastZone = parts.tuning[0];
    slowZone = parts.tuning[1];
    dangerZone = parts.tuning[2];
    brake = parts.tuning[3];
    acceleration = parts.tuning[4];
    endDistance = parts.tuning[5];
    nextWaveDistance = parts.tuning[6];
    insertion = Insertion();
    insertion.flightLeft = parts.state[2];
    insertion.roomLeft = parts.state[3];
    popSmallestDistance = parts.state[4];
    popMeanDistance = parts.state[5];
    lastRobotDistance = parts.state[6];
    robotTrigger = parts.ints[0];
    nextWave = parts.ints[1];
    insertLock = parts.ints[2];
    comboCount = parts.ints[3];
    nextRobotColour = parts.ints[5];
    insertion.index = parts.ints[8];
    waveDelay = parts.ints[9];
    endTicks = parts.ints[10];
    lost = parts.flags[1];
    comboActive = parts.flags[3];
    insertion.behind = parts.flags[5];
    insertion.arrived = parts.flags[6];
    insertion.gapOpened = parts.flags[7];
    insertion.roomMade = parts.flags[8];
    wavesStopped = parts.flags[9];
    insertion.shot = parts.shot;
    parts.shot = nullptr;
    if (insertion.shot != nullptr) {
        insertion.shot->track = this;
        insertion.shot->gapLeft = item(parts.gapIndices[2 * itemCount]);
        insertion.shot->gapRight = item(parts.gapIndices[2 * itemCount + 1]);
    }
    lastInserted = item(parts.refs[1]);
    insertion.anchor = item(parts.refs[2]);
    insertion.pushedNeighbour = item(parts.refs[4]);
    insertion.enteredSegment = parts.entered < 0 ? nullptr : segments[parts.entered];
}
