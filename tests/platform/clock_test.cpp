// Delay on the virtual clock: zero and negative waits, the signed difference across the wrap.
#include "platform/clock.h"
#include "platform/wait_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Counts reads and idles, and moves one millisecond per idle so the loop's exit is visible.
class SteppingClock final : public platform::Clock {
public:
    explicit SteppingClock(uint32_t start) : now(start) {}
    uint32_t Ticks() override { ++reads; return now; }
    void Idle(uint32_t untilTick) override
    {
        ++idles;
        lastUntil = untilTick;
        sawWaiting = sawWaiting || platform::IsWaiting();
        ++now;
    }
    uint32_t now;
    uint32_t lastUntil = 0;
    int reads = 0;
    int idles = 0;
    bool sawWaiting = false;
};

TEST(Delay, WaitsTheSignedDifferenceOnTheVirtualClock)
{
    struct Case { uint32_t start; int32_t ms; uint32_t end; };
    const std::vector<Case> cases = {
        {1000, 0, 1000},
        {1000, -5, 1000},
        {1000, 1, 1001},
        {1000, 250, 1250},
        {0xFFFFFFF0u, 0x20, 0x10},  // across the wrap of the 32-bit counter
        {0xFFFFFFFFu, 1, 0},
    };
    for (const Case& c : cases) {
        platform::VirtualClock clock(c.start);
        platform::Delay(clock, c.ms);
        EXPECT_EQ(clock.Ticks(), c.end) << "start " << c.start << " ms " << c.ms;
    }
}

TEST(Delay, NonPositiveWaitReadsNothing)
{
    for (int32_t ms : {0, -5, INT32_MIN}) {
        SteppingClock clock(5);
        platform::Delay(clock, ms);
        EXPECT_EQ(clock.reads, 0);
        EXPECT_EQ(clock.idles, 0);
    }
}

TEST(Delay, IdlesUntilTheTickAcrossTheWrap)
{
    SteppingClock clock(0xFFFFFFF0u);
    platform::Delay(clock, 0x20);
    EXPECT_EQ(clock.now, 0x10u);
    EXPECT_EQ(clock.idles, 0x20);
    EXPECT_EQ(clock.lastUntil, 0x10u);
    EXPECT_TRUE(clock.sawWaiting);
    EXPECT_FALSE(platform::IsWaiting());
}

TEST(SystemClock, DelayWaitsAtLeastTheTime)
{
    platform::SystemClock clock;
    const uint32_t start = clock.Ticks();
    platform::Delay(clock, 30);
    const int32_t waited = static_cast<int32_t>(clock.Ticks() - start);
    EXPECT_GE(waited, 30);
    EXPECT_LT(waited, 200);
}

} // namespace
