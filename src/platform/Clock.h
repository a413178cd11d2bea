#pragma once
// Millisecond time for the application loop. Play uses the real clock; tests
// and --fast use a virtual one that only moves when told to (or when asked to
// sleep), so loop timing can be replayed exactly.

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; wraps after 49 days like the
    // multimedia timer it stands in for.
    virtual uint32_t Now() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};

class RealClock : public Clock {
public:
    uint32_t Now() override;
    void Sleep(uint32_t milliseconds) override;
};

class VirtualClock : public Clock {
public:
    explicit VirtualClock(uint32_t start = 0) : mNow(start) {}
    uint32_t Now() override { return mNow; }
    // Sleeping passes the time at once and is remembered for inspection.
    void Sleep(uint32_t milliseconds) override;
    void Advance(uint32_t milliseconds) { mNow += milliseconds; }
    uint64_t TotalSlept() const { return mSlept; }

private:
    uint32_t mNow;
    uint64_t mSlept = 0;
};

// The process-wide clock: the real one unless another was installed. The
// installed clock must outlive its use; null restores the real clock.
Clock& GetClock();
void SetClock(Clock* clock);
