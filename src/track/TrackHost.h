#pragma once
// What a ball chain (Track) needs from the board and game screen that own it.
// The board implements it; tests use a recording fake. Every call happens on
// the main thread inside the board's update.

#include <cstdint>
#include <vector>

#include "core/String.h"
#include "track/PlayStyle.h"
#include "track/Vec2.h"

class Plimb;
class SpriteStrip;

// Statistics a chain counts; the board adds each to the application's lifetime
// statistic of that name and to the game screen's per-level tally.
enum class TrackStatistic : int32_t {
    RobotsCleared,       // "Robots Cleared"
    PlimbsPopped,        // "Plimbs Popped"
    LargestGroupPopped,  // "Largest Group Popped" (kept as a maximum)
    LargestCombo,        // "Largest Combo" (kept as a maximum)
    ComboCount,          // "Combo Count"
};

// Sounds a chain plays; TrackSoundName gives the catalogue name.
enum class TrackSound : int32_t { BallBump, Explode, GapBonus };
const char* TrackSoundName(TrackSound sound);

// What a floating text over a popped group shows; the board picks its look.
enum class FloaterKind : int32_t { Points, GapBonus, Combo };

// The images a chain draws with; a missing entry (null) is not drawn.
struct TrackImages {
    static constexpr int32_t kColours = 8;
    // 90-frame rolling strips by ball colour, already through the journey's
    // colour order.
    const SpriteStrip* balls[kColours] = {};
    const SpriteStrip* robot = nullptr;  // 90 frames, one per 4 degrees
};

class TrackHost {
public:
    virtual ~TrackHost() = default;

    // Ball metrics of the level: pixels between neighbouring ball centres, the
    // largest distance at which a shot hits a ball, the drawing scale.
    virtual float BallSpacing() const = 0;
    virtual float HitRadius() const = 0;
    virtual float BallScale() const = 0;
    // New balls take a random colour in [0, ColourCount()).
    virtual int32_t ColourCount() const = 0;
    // Share of each path length the opening rush covers.
    virtual float RushFraction() const = 0;

    // The board's flags.
    virtual bool IsRushActive() const = 0;
    virtual void EndRush() = 0;
    virtual bool IsReversing() const = 0;           // the back bonus runs
    virtual bool IsSlowed() const = 0;              // the slow bonus runs
    virtual bool IsFrozen() const = 0;              // chains hold still this tick
    virtual bool IsProgressGoalReached() const = 0;  // no new waves
    virtual bool AnyTrackHoldsItems() const = 0;
    // Colours of the launcher's loaded and next ball, -1 when there is none.
    virtual int32_t LauncherLoadedColour() const = 0;
    virtual int32_t LauncherNextColour() const = 0;

    // Hooks. The balls passed are destroyed by the track right after the call.
    virtual void OnPop(Plimb& ball) = 0;
    virtual void OnGroup(const std::vector<Plimb*>& group) = 0;
    virtual void OnCombo(int32_t comboCount, Vec2 where) = 0;
    virtual void OnAfterPop() = 0;
    // Two pieces of chain ran into each other; `speedDifference` in pixels per tick.
    virtual void OnCollision(Plimb& rear, Plimb& front, float speedDifference) = 0;
    // A robot was cleared at a screen point: its burst and its wreck.
    virtual void OnRobotCleared(Vec2 where) = 0;
    virtual void OnHit(Plimb& shot, Plimb& ball) = 0;

    // The game screen and the journey.
    virtual void AddScore(int32_t points) = 0;
    virtual void AddProgress(int32_t points) = 0;
    virtual int32_t WorldIndex() const = 0;  // -1 without a journey map
    virtual PlayStyle CurrentPlayStyle() const = 0;
    virtual void CountStatistic(TrackStatistic statistic, int32_t amount) = 0;
    virtual void RaiseStatistic(TrackStatistic statistic, int32_t value) = 0;

    // Media and effects.
    virtual void PlaySound(TrackSound sound, float pitch, float volume) = 0;
    virtual const TrackImages* Images() const = 0;  // null: nothing drawn
    // A floating text (one of the board's track effects) at a screen point.
    virtual void ShowFloatingText(const String& text, Vec2 where, FloaterKind kind) = 0;
};
