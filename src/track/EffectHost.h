#pragma once
// What bonus items, the path-end fuse and its eater need from the board that
// owns them. The board implements it; tests use a recording fake.

#include <cstdint>

#include "track/PlayStyle.h"

class Object;

class EffectHost {
public:
    virtual ~EffectHost() = default;

    // Score context: the journey map's world index (-1 when there is none)
    // and the journey's play style.
    virtual int32_t WorldIndex() const = 0;
    virtual PlayStyle CurrentPlayStyle() const = 0;
    // Through to the game screen's AddScore.
    virtual void AddScore(int32_t points) = 0;
    // A floating number over the play field at a screen point.
    virtual void ShowPoints(int32_t points, float x, float y) = 0;
    // The board's effect objects; the board owns `effect` from now on.
    virtual void AddEffect(Object* effect) = 0;

    // Catch effects of bonus items: grants the launcher turns into special
    // balls, and timers in update ticks that the board counts down.
    virtual void SetFireGrant(int32_t value) = 0;
    virtual void SetBombGrant(int32_t value) = 0;
    virtual void SetSlowTimer(int32_t ticks) = 0;
    virtual void SetBackTimer(int32_t ticks) = 0;
    virtual void SetAimTimer(int32_t ticks) = 0;

    // The fuse reached its bomb: the board's firework burst at a screen point.
    virtual void FireworkBurst(float x, float y) = 0;
    // Degrees added to the rotation of a fuse's bomb: one of two board angles,
    // the first for eater 0, the second for the others.
    virtual float WickAngleOffset(bool secondEater) const = 0;
};
