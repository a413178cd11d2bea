#pragma once
// Records what bonus items, fuses and eaters ask of their board.

#include <vector>

#include "core/Object.h"
#include "track/EffectHost.h"

struct FakeEffectHost : EffectHost {
    struct Shown {
        int32_t points;
        float x, y;
    };
    ~FakeEffectHost() override {
        for (Object* effect : effects) delete effect;
    }
    int32_t WorldIndex() const override { return worldIndex; }
    PlayStyle CurrentPlayStyle() const override { return style; }
    void AddScore(int32_t points) override { score += points; }
    void ShowPoints(int32_t points, float x, float y) override { shown.push_back({points, x, y}); }
    void AddEffect(Object* effect) override { effects.push_back(effect); }
    void SetFireGrant(int32_t value) override { fireGrant = value; }
    void SetBombGrant(int32_t value) override { bombGrant = value; }
    void SetSlowTimer(int32_t ticks) override { slowTimer = ticks; }
    void SetBackTimer(int32_t ticks) override { backTimer = ticks; }
    void SetAimTimer(int32_t ticks) override { aimTimer = ticks; }
    void FireworkBurst(float x, float y) override { bursts.push_back({0, x, y}); }
    float WickAngleOffset(bool secondEater) const override { return secondEater ? 20.0f : 10.0f; }

    int32_t worldIndex = -1;
    PlayStyle style = PlayStyle::Normal;
    int32_t score = 0;
    int32_t fireGrant = 0, bombGrant = 0, slowTimer = 0, backTimer = 0, aimTimer = 0;
    std::vector<Shown> shown;
    std::vector<Shown> bursts;
    std::vector<Object*> effects;
};
