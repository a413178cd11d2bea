#pragma once
// Developer keys over the chain demo (--track-demo) to watch the effects:
// 1 .. 6 drop a coin, fire, bomb, slow, back or aim item (caught when it falls
// on the launcher's place at the bottom middle); F and B shoot a fire ball or
// a bomb; W lays a burning fuse on every path of the scene; C sets off a
// celebration burst; L flashes a lightning bolt; E lights or puts out a fire.
// It stands in for the board, so it is the effects' host too. Not reachable
// from the menus.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/ObjectManager.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"
#include "track/EffectHost.h"
#include "track/EffectImages.h"
#include "ui/Gadget.h"

class Eater;
class FireEmitter;
class LightningBolt;
class TrackDemo;

class EffectsDemo : public Gadget, public EffectHost {
public:
    // `scene` holds the tracks the fuses are laid on; it outlives this gadget.
    explicit EffectsDemo(const TrackDemo& scene);
    ~EffectsDemo() override;

    void OnFirstUpdate() override;
    void Update() override;
    void Draw() override;
    void OnKeyDown(int32_t key) override;

    int32_t WorldIndex() const override { return -1; }
    PlayStyle CurrentPlayStyle() const override { return PlayStyle::Normal; }
    void AddScore(int32_t points) override { score += points; }
    void ShowPoints(int32_t points, float x, float y) override {}
    void AddEffect(Object* effect) override { effects.Add(effect); }
    void SetFireGrant(int32_t value) override { fireGrant = value; }
    void SetBombGrant(int32_t value) override { bombGrant = value; }
    void SetSlowTimer(int32_t ticks) override { slowTimer = ticks; }
    void SetBackTimer(int32_t ticks) override { backTimer = ticks; }
    void SetAimTimer(int32_t ticks) override { aimTimer = ticks; }
    void FireworkBurst(float x, float y) override;
    float WickAngleOffset(bool secondEater) const override { return 0; }

private:
    void LoadImages();
    void DropBonus(int32_t kind);
    void Shoot(bool bomb);
    void LayFuses();
    void CatchBonuses();
    void MoveShots();

    const TrackDemo& scene;
    // Pictures of the catalogue, or a soft dot where one is missing.
    Sprite halo, bomb, wickSegment, spark, speck, smoke[EffectImages::kSmokeCount];
    SpriteStrip coin, bonusItems, fireball;
    EffectImages images;
    ObjectManager bonuses, shots, effects;
    std::vector<std::unique_ptr<Eater>> eaters;  // one per path of the scene
    std::unique_ptr<FireEmitter> fire;
    std::unique_ptr<LightningBolt> bolt;
    int32_t boltTicks = 0;
    int32_t coinKind = 0;
    int32_t score = 0;
    int32_t fireGrant = 0, bombGrant = 0, slowTimer = 0, backTimer = 0, aimTimer = 0;
};
