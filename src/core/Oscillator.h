#pragma once
// A counter that flips an on/off state every `period` update steps (blinking).

#include <cstdint>

#include "core/Object.h"

class Oscillator : public Object {
public:
    explicit Oscillator(int32_t period) : mPeriod(period) {}

    void Update() override;
    bool IsOn() const { return mOn; }
    void Restart(bool on = true);
    // Answers whether the state flipped since the last call, and clears the flag.
    bool TakeChanged();

    int32_t mCounter = 0;
    int32_t mPeriod;
    bool mOn = true;
    bool mChanged = false;
};
