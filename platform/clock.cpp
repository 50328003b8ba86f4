// The millisecond tick counter, Delay, and the system clock's waiting that keeps the window live.
#include "platform/clock.h"
#include "platform/wait_state.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <thread>

namespace platform {

namespace {

int64_t SteadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

constexpr int64_t kPresentIntervalNs = 16'000'000;

// Process-wide because the event loop is: a timer that fires inside our processEvents and waits
// again must not start a second, nested processEvents.
thread_local int waitDepth = 0;
thread_local bool presenting = false;

} // namespace

bool IsWaiting() { return waitDepth > 0; }

void Delay(Clock& clock, int32_t ms)
{
    if (ms <= 0)
        return;
    const uint32_t start = clock.Ticks();
    const uint32_t until = start + static_cast<uint32_t>(ms);
    ++waitDepth;
    while (static_cast<int32_t>(clock.Ticks() - start) < ms)
        clock.Idle(until);
    --waitDepth;
}

// The monotonic clock counts from boot, as the system's tick count does; a clock that started at
// zero with the program would hand a clock-seeded generator the same seed on every run.
SystemClock::SystemClock() : startNs_(0), lastPresentNs_(SteadyNs()) {}

uint32_t SystemClock::Ticks()
{
    // Truncated to 32 bits: the counter wraps at 2^32 ms like the system's own.
    return static_cast<uint32_t>(static_cast<uint64_t>((SteadyNs() - startNs_) / 1'000'000));
}

void SystemClock::Idle(uint32_t untilTick)
{
    ++waitDepth;
    int64_t now = SteadyNs();
    if (QCoreApplication::instance() && !presenting && now - lastPresentNs_ >= kPresentIntervalNs) {
        presenting = true;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        presenting = false;
        lastPresentNs_ = SteadyNs();
        now = lastPresentNs_;
    }

    // Sleep to the tick waited for, or to the next presentation, whichever is first. The tick is
    // whole milliseconds: aim just past the boundary so one sleep usually ends the wait.
    const int32_t remainingMs = static_cast<int32_t>(untilTick - Ticks());
    if (remainingMs > 0) {
        const int64_t msInNs = (now - startNs_) % 1'000'000; // into the current millisecond
        int64_t sleepNs = int64_t(remainingMs) * 1'000'000 - msInNs + 50'000;
        if (QCoreApplication::instance()) {
            const int64_t toPresent = lastPresentNs_ + kPresentIntervalNs - now;
            if (toPresent < sleepNs)
                sleepNs = toPresent > 0 ? toPresent : 0;
        }
        if (sleepNs > 0)
            std::this_thread::sleep_for(std::chrono::nanoseconds(sleepNs));
    }
    --waitDepth;

    // Input held back while we waited stays queued until the next X event unless we wake the loop.
    if (static_cast<int32_t>(Ticks() - untilTick) >= 0 && QCoreApplication::instance()) {
        if (auto* dispatcher = QAbstractEventDispatcher::instance())
            dispatcher->wakeUp();
    }
}

} // namespace platform
