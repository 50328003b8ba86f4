// The millisecond tick counter and Delay, on a real or a virtual clock.
#pragma once
#include <cstdint>

namespace platform {

// A wrapping 32-bit millisecond tick counter. The game reads time only through this, so tests and
// the lab can run on a virtual clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t Ticks() = 0;
    // Called by Delay between two reads of the tick while it waits for `untilTick`. The real clock
    // presents the window and sleeps here; the virtual clock jumps to the tick.
    virtual void Idle(uint32_t untilTick) = 0;
};

// Waits until at least `ms` milliseconds have passed on `clock` (signed 32-bit difference);
// returns at once for ms <= 0.
void Delay(Clock& clock, int32_t ms);

// Milliseconds since the system started, like the system's own tick count, wrapping at 2^32 ms
// (so a tick read at start-up differs from run to run). While it idles it keeps the screen
// presented (processEvents without user input, about every 16 ms) and sleeps instead of spinning.
// Game timer handlers that must not run inside a wait check platform::IsWaiting().
class SystemClock final : public Clock {
public:
    SystemClock();
    uint32_t Ticks() override;
    void Idle(uint32_t untilTick) override;
private:
    int64_t startNs_;
    int64_t lastPresentNs_;
};

// Time that moves only when told: Idle jumps straight to the tick waited for.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(uint32_t start = 1000) : now_(start) {}
    uint32_t Ticks() override { return now_; }
    void Idle(uint32_t untilTick) override { now_ = untilTick; }
    void Advance(uint32_t ms) { now_ += ms; }
    void Set(uint32_t tick) { now_ = tick; }
private:
    uint32_t now_;
};

} // namespace platform
