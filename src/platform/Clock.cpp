#include "platform/Clock.h"

#include <SDL.h>

#include <atomic>

uint32_t RealClock::Now() { return SDL_GetTicks(); }

void RealClock::Sleep(uint32_t milliseconds) { SDL_Delay(milliseconds); }

void VirtualClock::Sleep(uint32_t milliseconds) {
    mNow += milliseconds;
    mSlept += milliseconds;
}

namespace {
RealClock gRealClock;
std::atomic<Clock*> gClock{&gRealClock};
}  // namespace

Clock& GetClock() { return *gClock.load(); }

void SetClock(Clock* clock) { gClock = clock ? clock : &gRealClock; }
