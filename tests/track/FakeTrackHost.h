#pragma once
// A board for chains under test: flags the test sets, and a record of every
// hook, statistic and sound the chain produces.

#include <vector>

#include <string>
#include "track/Plimb.h"
#include "track/TrackHost.h"

struct FakeTrackHost : TrackHost {
    struct Collision {
        int32_t rearColour, frontColour;
        float speedDifference;
    };
    struct Floater {
        std::string text;
        Vec2 where;
        FloaterKind kind;
    };
    struct Played {
        TrackSound sound;
        float pitch, volume;
    };

    float BallSpacing() const override { return spacing; }
    float HitRadius() const override { return hitRadius; }
    float BallScale() const override { return scale; }
    int32_t ColourCount() const override { return colourCount; }
    float RushFraction() const override { return rushFraction; }
    bool IsRushActive() const override { return rush; }
    void EndRush() override { rush = false; }
    bool IsReversing() const override { return reversing; }
    bool IsSlowed() const override { return slowed; }
    bool IsFrozen() const override { return frozen; }
    bool IsProgressGoalReached() const override { return goalReached; }
    bool AnyTrackHoldsItems() const override { return anyItems; }
    int32_t LauncherLoadedColour() const override { return loadedColour; }
    int32_t LauncherNextColour() const override { return nextColour; }
    void OnPop(Plimb& ball) override { popped.push_back(ball.colour); }
    void OnGroup(const std::vector<Plimb*>& group) override { groups.push_back(static_cast<int32_t>(group.size())); }
    void OnCombo(int32_t count, Vec2 where) override { combos.push_back(count); }
    void OnAfterPop() override { ++afterPops; }
    void OnCollision(Plimb& rear, Plimb& front, float difference) override {
        collisions.push_back({rear.colour, front.colour, difference});
    }
    void OnRobotCleared(Vec2 where) override { wrecks.push_back(where); }
    void OnHit(Plimb& shot, Plimb& ball) override { ++hits; }
    void AddScore(int32_t points) override { score += points; }
    void AddProgress(int32_t points) override { progress += points; }
    int32_t WorldIndex() const override { return worldIndex; }
    PlayStyle CurrentPlayStyle() const override { return style; }
    void CountStatistic(TrackStatistic statistic, int32_t amount) override {
        statistics[static_cast<int32_t>(statistic)] += amount;
    }
    void RaiseStatistic(TrackStatistic statistic, int32_t value) override {
        int32_t& kept = statistics[static_cast<int32_t>(statistic)];
        if (value > kept) kept = value;
    }
    void PlaySound(TrackSound sound, float pitch, float volume) override { sounds.push_back({sound, pitch, volume}); }
    const TrackImages* Images() const override { return nullptr; }
    void ShowFloatingText(const String& text, Vec2 where, FloaterKind kind) override {
        floaters.push_back({text.str(), where, kind});
    }

    int32_t Statistic(TrackStatistic statistic) const { return statistics[static_cast<int32_t>(statistic)]; }

    float spacing = 32.0f;
    float hitRadius = 32.5f;
    float scale = 0.6f;
    int32_t colourCount = 3;
    float rushFraction = 0.25f;
    bool rush = false;
    bool reversing = false;
    bool slowed = false;
    bool frozen = false;
    bool goalReached = false;
    bool anyItems = true;
    int32_t loadedColour = -1;
    int32_t nextColour = -1;
    int32_t worldIndex = -1;
    PlayStyle style = PlayStyle::Normal;

    std::vector<int32_t> popped;
    std::vector<int32_t> groups;
    std::vector<int32_t> combos;
    int32_t afterPops = 0;
    std::vector<Collision> collisions;
    std::vector<Vec2> wrecks;
    int32_t hits = 0;
    int32_t score = 0;
    int32_t progress = 0;
    int32_t statistics[5] = {};
    std::vector<Played> sounds;
    std::vector<Floater> floaters;
};
