#pragma once
// What the launcher needs from the board that owns it. The board implements
// it; tests use a recording fake.

#include <cstdint>

class Plimb;
class Sprite;
class TrackHost;

enum class LauncherStatistic : int32_t {
    SwitchesMade,   // "Switches Made"
    PlimbsLaunched  // "Plimbs Launched"
};

// Sounds of the launcher: "Sounds\\shot_sound" and "Sounds\\FIREBALL".
enum class LauncherSound : int32_t { Shot, FireBall };

// The launcher's pictures; a missing entry (null) is not drawn.
struct LauncherImages {
    const Sprite* base = nullptr;   // "graphics\\Launcher"
    const Sprite* light = nullptr;  // "graphics\\LauncherLight"
};

class LauncherHost {
public:
    virtual ~LauncherHost() = default;

    // The board as the owner of new balls (their scale and colours).
    virtual TrackHost* BallBoard() = 0;
    // The x the launcher slides towards (the mouse).
    virtual float TargetX() const = 0;
    // A colour for a new launcher ball, avoiding `excludedColour` (-1: none);
    // -1 means no ball now.
    virtual int32_t ChooseLauncherColour(int32_t excludedColour) = 0;
    // Grants of the fire and bomb bonuses, turned into special balls here.
    virtual bool HasFireGrant() const = 0;
    virtual void ClearFireGrant() = 0;
    virtual bool HasBombGrant() const = 0;
    virtual void ClearBombGrant() = 0;
    virtual Plimb* MakeFireBall() = 0;
    virtual Plimb* MakeBomb() = 0;
    // Pitch of the shot sound and the ticks until it returns to 1.
    virtual float ShotPitch() const = 0;
    virtual void SetShotPitch(float pitch) = 0;
    virtual void SetPitchResetTicks(int32_t ticks) = 0;
    // A fired ball becomes a ball in flight; the board owns it from now on.
    virtual void LaunchShot(Plimb* shot) = 0;
    virtual void CountLauncherStatistic(LauncherStatistic statistic) = 0;
    virtual void PlayLauncherSound(LauncherSound sound, float pitch, float volume) = 0;
    virtual const LauncherImages* LauncherArt() const = 0;  // null: nothing drawn
};
