#pragma once
// One ball chain on one path of a board: the path and its one-pixel samples,
// the balls and robots on it (rear-most first), the pieces of chain they form
// and the waves still to come. The board updates it once per tick; the track
// moves everything, joins touching pieces, clears robots with nothing left to
// push and decides when the balls have reached the end of the path.
//
// Distances are pixels along the path; speeds pixels per tick (100 ticks per
// second). The track owns its items, segments and waves.

#include <cstdint>
#include <memory>
#include <vector>

#include "track/ChainSegment.h"
#include "track/QuickSpline.h"
#include "track/Vec2.h"
#include "track/WaveSpec.h"

class IOBuffer;
class Plimb;
class Pusher;
class TrackHost;

class Track {
public:
    // Bounds of a loaded record.
    static constexpr int32_t kMaxItems = 10000;
    static constexpr int32_t kMaxWaves = 1000;
    // Ticks with a ball at the end before the chain is lost (lost on the next).
    static constexpr int32_t kEndTicksAllowed = 50;
    // EndDistance() while the track holds nothing.
    static constexpr float kNoEndDistance = 100000.0f;
    // Robots carry negative colours, one lower per wave; they never match.
    static constexpr int32_t kFirstRobotColour = -100;

    // An empty track taking its ball metrics from the board; board must
    // outlive it.
    explicit Track(TrackHost* board);
    virtual ~Track();
    Track(const Track&) = delete;
    Track& operator=(const Track&) = delete;

    // The board fills the path, then builds; a path without a segment leaves
    // the track empty (length 0) and it never releases a wave.
    QuickSpline& Path() { return path; }
    void BuildFromPath();

    // The path point at a distance, between samples; the ends outside the path.
    Vec2 PointAtDistance(float d) const;
    // Drawing direction of a ball at a distance (the path direction + 90), in
    // [90, 450); 0 on an empty path.
    float AngleAtDistance(float d) const;

    // One tick.
    virtual void Update();
    // Every visible item's shadow, then every body, then the shot sliding in.
    virtual void Draw() const;
    // The same for the items at path positions in [from, to) only; the shot
    // sliding in counts at its slot's position. Layered boards draw a track
    // in parts, so each item falls in exactly one of them.
    void DrawBetween(float from, float to) const;

    // The board hands out the level's waves before the first tick.
    void AddWave(const WaveSpec& wave);
    int32_t WaveCount() const { return static_cast<int32_t>(waves.size()); }
    WaveSpec& WaveAt(int32_t index) { return *waves[index]; }
    void StartWave();
    void TrySpawnWave();
    void StopWaves() { wavesStopped = true; }
    // Matching ends of neighbouring pieces roll back together.
    void RejoinGaps();
    // No item left, or the rear-most one beyond the end of the path.
    bool IsRearmostBeyondEnd() const;

    // The hittable item nearest to (x, y), strictly closer than the hit
    // radius; robots skipped when asked. Ties keep the rear-most.
    Plimb* FindNearestBall(float x, float y, bool skipRobots) const;
    // A flying shot offered to the chain: true when it hit and now belongs to
    // the track (it slides into its slot over the next ticks); false leaves it
    // with the board, perhaps with the gap it flew through recorded.
    bool InsertShot(Plimb* shot);
    // A fire ball touching the chain burns the nearest ball (pays 50 points).
    void BurnBallAt(const Plimb& fireball);
    bool IsInserting() const { return insertion.shot != nullptr; }
    const Plimb* InsertingShot() const { return insertion.shot; }
    int32_t ComboCount() const { return comboCount; }
    int32_t InsertLock() const { return insertLock; }
    Vec2 PopMeanPoint() const { return popMeanPoint; }

    // Takes a ball out of its chain (splitting its piece) and destroys it.
    void RemoveBall(Plimb* ball);
    // Splits ball's piece around its members first .. last (both -1: the
    // ball's own place); the members leave the piece but stay in Items().
    void SplitAround(Plimb* ball, int32_t first, int32_t last);

    // Balls there are hidden and cannot be hit (tunnels, covers).
    void AddHiddenRange(float from, float to) { hiddenRanges.push_back({from, to}); }

    // The track record of the saved game. Load answers false on a short or
    // damaged record, leaving the track unchanged.
    void Save(IOBuffer& out) const;
    bool Load(IOBuffer& in);
    // Load in two steps, so that a board can read every part of its record
    // before anything changes: ReadRecord checks a whole record (null when it
    // is refused) and TakeRecord puts it in place.
    struct RecordParts;
    struct RecordPartsDeleter {
        void operator()(RecordParts* parts) const;
    };
    using PendingRecord = std::unique_ptr<RecordParts, RecordPartsDeleter>;
    PendingRecord ReadRecord(IOBuffer& in) const;
    void TakeRecord(PendingRecord record);

    int32_t Length() const { return length; }
    const std::vector<Vec2>& Samples() const { return samples; }
    const std::vector<Plimb*>& Items() const { return items; }
    Plimb* Rearmost() const { return items.empty() ? nullptr : items.front(); }
    const std::vector<ChainSegment*>& Segments() const { return segments; }
    const std::vector<Pusher*>& Robots() const { return robots; }
    int32_t BallCount() const { return static_cast<int32_t>(items.size() - robots.size()); }
    bool IsLost() const { return lost; }
    void SetLost(bool on) { lost = on; }
    bool WavesStopped() const { return wavesStopped; }
    int32_t WaveDelay() const { return waveDelay; }
    void SetWaveDelay(int32_t ticks) { waveDelay = ticks; }
    float EndDistance() const { return endDistance; }
    float LastRobotDistance() const { return lastRobotDistance; }
    int32_t EndTicks() const { return endTicks; }

private:
    struct Range {
        float from, to;
    };
    // The shot on its way into the chain.
    struct Insertion {
        Plimb* shot = nullptr;
        Plimb* anchor = nullptr;
        Plimb* pushedNeighbour = nullptr;
        int32_t index = 0;
        bool behind = false;
        bool arrived = false;
        bool gapOpened = false;
        bool roomMade = false;
        float flightLeft = 0;
        float roomLeft = 0;
        ChainSegment* enteredSegment = nullptr;
    };

    int32_t SampleIndex(float d) const;
    // Update steps.
    void UpdateFlags();
    void UpdateSpeeds();
    void DriveSegmentsForward();
    void DriveRobotSegment(ChainSegment& segment, Pusher& robot, float freePath);
    void UpdateEnd();
    void MoveSegments();
    // Shots (TrackShots.cpp) and matching (TrackMatching.cpp).
    void ChooseSlot(Plimb* shot, Plimb* hit);
    void RecordGapFlanks(Plimb* shot) const;
    void FollowAnchor();
    void ProgressInsertion();
    void FlyShot();
    void PushNeighbour();
    void CompleteInsertion();
    void MatchColours();
    // Pops the group around a candidate; answers whether it popped.
    bool PopGroupAround(Plimb* candidate);
    void PayGroup(int32_t size, bool gapBonusDue);
    void MagnetAfterInsertion();
    void PullBack(ChainSegment* segment);
    void JoinSegments();
    void CleanUpRobots();
    void UpdateItems();

    int32_t IndexOfItem(const Plimb* item) const;
    int32_t IndexOfSegment(const ChainSegment* segment) const;
    void DeleteEmptySegments();
    void RemoveSegment(ChainSegment* segment);
    void AddMatchCandidate(Plimb* ball);
    void ClearRobot(Pusher* robot);
    // Removes the item from every list and reference of the track, then deletes it.
    void DestroyItem(Plimb* item);

    TrackHost* board;
    QuickSpline path;
    std::vector<Vec2> samples;
    std::vector<float> sampleAngles;  // AngleAtDistance per sample index
    int32_t length = 0;
    Vec2 startPoint;
    float ballSpacing;
    float hitRadius;
    float ballScale;
    float fastZone = 0;
    float slowZone;
    float dangerZone;
    float brake;
    float acceleration;
    float endDistance;
    float rushDistance = 0;

    std::vector<std::unique_ptr<WaveSpec>> waves;
    std::vector<std::unique_ptr<WaveSpec>> retiredWaves;
    int32_t nextWave = 0;
    int32_t insertLock = 0;
    float nextWaveDistance = 0;
    int32_t waveDelay = 0;
    bool wavesStopped = false;

    std::vector<Plimb*> items;  // owned, rear-most first
    std::vector<Plimb*> matchCandidates;
    std::vector<ChainSegment*> segments;  // owned, rear-most first
    std::vector<Pusher*> robots;
    std::vector<Range> hiddenRanges;
    Plimb* lastInserted = nullptr;
    Insertion insertion;
    bool comboActive = false;
    int32_t comboCount = 0;
    int32_t nextRobotColour;
    int32_t robotTrigger;
    int32_t endTicks = 0;
    bool lost = false;

    // Where the last group popped and the last robot was cleared.
    float popSmallestDistance = 0;
    float popMeanDistance = 0;
    Vec2 popSmallestPoint;
    Vec2 popMeanPoint;
    float lastRobotDistance = 0;
};
