#include "core/Oscillator.h"

void Oscillator::Update() {
    ++mCounter;
    if (mPeriod > 0 && mCounter >= mPeriod) {
        mCounter -= mPeriod;
        mOn = !mOn;
        mChanged = true;
    }
}

void Oscillator::Restart(bool on) {
    mCounter = 0;
    mOn = on;
    mChanged = false;
}

bool Oscillator::TakeChanged() {
    bool changed = mChanged;
    mChanged = false;
    return changed;
}
