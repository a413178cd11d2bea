#pragma once
// Developer scene (--track-demo): waves roll along the two paths of the Blue
// board over its background, with robots pushing, pieces joining after balls
// are taken out now and then, and chains running into their ends. The mouse
// aims the launcher; the left button shoots, the others swap. It stands in
// for the board, so it hosts the chains and the launcher. Not reachable from
// the menus.

#include <memory>
#include <vector>

#include "core/ObjectManager.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"
#include "track/Launcher.h"
#include "track/LauncherHost.h"
#include "track/Track.h"
#include "track/TrackHost.h"
#include "ui/Gadget.h"

class TrackDemo : public Gadget, public TrackHost, public LauncherHost {
public:
    TrackDemo();
    ~TrackDemo() override;

    void Update() override;
    void Draw() override;
    void OnMouseMove(float x, float y) override { targetX = x; }
    void OnMouseDown(float x, float y, int32_t button) override;

    const std::vector<std::unique_ptr<Track>>& Tracks() const { return tracks; }

    float BallSpacing() const override;
    float HitRadius() const override;
    float BallScale() const override;
    int32_t ColourCount() const override;
    float RushFraction() const override;
    bool IsRushActive() const override { return rush; }
    void EndRush() override { rush = false; }
    bool IsReversing() const override { return false; }
    bool IsSlowed() const override { return false; }
    bool IsFrozen() const override { return false; }
    bool IsProgressGoalReached() const override { return false; }
    bool AnyTrackHoldsItems() const override;
    int32_t LauncherLoadedColour() const override { return -1; }
    int32_t LauncherNextColour() const override { return -1; }
    void OnPop(Plimb& ball) override {}
    void OnGroup(const std::vector<Plimb*>& group) override {}
    void OnCombo(int32_t comboCount, Vec2 where) override {}
    void OnAfterPop() override {}
    void OnCollision(Plimb& rear, Plimb& front, float speedDifference) override {}
    void OnRobotCleared(Vec2 where) override {}
    void OnHit(Plimb& shot, Plimb& ball) override {}
    void AddScore(int32_t points) override { score += points; }
    void AddProgress(int32_t points) override {}
    int32_t WorldIndex() const override { return -1; }
    PlayStyle CurrentPlayStyle() const override { return PlayStyle::Normal; }
    void CountStatistic(TrackStatistic statistic, int32_t amount) override {}
    void RaiseStatistic(TrackStatistic statistic, int32_t value) override {}
    void PlaySound(TrackSound sound, float pitch, float volume) override {}
    const TrackImages* Images() const override { return &images; }
    void ShowFloatingText(const String& text, Vec2 where, FloaterKind kind) override;

    TrackHost* BallBoard() override { return this; }
    float TargetX() const override { return targetX; }
    int32_t ChooseLauncherColour(int32_t excludedColour) override;
    bool HasFireGrant() const override { return false; }
    void ClearFireGrant() override {}
    bool HasBombGrant() const override { return false; }
    void ClearBombGrant() override {}
    Plimb* MakeFireBall() override { return nullptr; }
    Plimb* MakeBomb() override { return nullptr; }
    float ShotPitch() const override { return shotPitch; }
    void SetShotPitch(float pitch) override { shotPitch = pitch; }
    void SetPitchResetTicks(int32_t ticks) override { pitchReset = ticks; }
    void LaunchShot(Plimb* shot) override { shots.push_back(shot); }
    void CountLauncherStatistic(LauncherStatistic statistic) override {}
    void PlayLauncherSound(LauncherSound sound, float pitch, float volume) override {}
    const LauncherImages* LauncherArt() const override { return nullptr; }

private:
    void StartTracks();
    // Shots fly up in small steps and are offered to every chain after each.
    void FlyShots();
    // Stand-ins while the artwork is missing: the path as a line, balls as squares.
    void DrawPathLines() const;
    void DrawSquares(const std::vector<Plimb*>& balls) const;
    void DrawLauncherStandIn() const;

    std::vector<std::unique_ptr<Track>> tracks;
    ObjectManager effects;
    bool rush = true;
    int32_t ticks = 0;
    int32_t score = 0;
    float targetX = 400.0f;
    float shotPitch = 1.0f;
    int32_t pitchReset = 0;
    Launcher launcher{this};
    std::vector<Plimb*> shots;  // owned while they fly
    Sprite background;
    SpriteStrip ballStrips[TrackImages::kColours];
    SpriteStrip robotStrip;
    TrackImages images;
};
