// Benchmarks of the motion loop on a virtual clock without drawing: the break, a long cushion
// shot, and one path sweep.
#include <benchmark/benchmark.h>

#include "table/contacts.h"
#include "table/direction.h"
#include "table/layout.h"
#include "table/motion.h"

namespace {

// Time moves 1 ms per pass that stepped no ball, as in the lab; nothing is drawn.
class VirtualHost final : public table::TableHost {
public:
    uint32_t now = 1000;
    int draw = 0;
    uint32_t Ticks() override { return now; }
    void Delay(int ms) override { if (ms > 0) now += static_cast<uint32_t>(ms); }
    void PlayEffect(int) override {}
    void DrawBall(int, int, int) override {}
    void EraseBall(int, int) override {}
    void DrawPocketedBall(int, int, int, int, int, int) override {}
    void ShowAbnormalPosition() override {}
    bool RemoveMatchingCards(int) override { return true; }
    void CheckGameEnd() override {}
    void RefreshHands() override {}
    int ScatterRandom() override { return (draw++ * 37 + 11) % 100; }
    void PassEnded(int calls) override { if (calls == 0) now += 1; }
};

table::TableState Table() {
    table::TableState t;
    t.Geometry.FrameWidth = 8080;
    t.Geometry.FrameHeight = 6460;
    table::SelectBallSize(t.Geometry, 600, 16);
    table::LayOutTable(t.Geometry, 800, 600);
    table::LayOutPockets(t.Geometry, 800, 600);
    table::LayOutSpots(t.Geometry);
    t.Document.StrokeCount = 1;
    return t;
}

void Fire(table::TableState& t, table::Point aim, int steps) {
    const int r = t.Geometry.BallRadius;
    const table::Point cue = t.Document.BallPos[0];
    for (int i = 0; i <= table::LastBall; ++i) t.Motion.ShotStartPos[i] = t.Document.BallPos[i];
    t.Shot.CueBallTrack = cue;
    const table::Direction d = table::DirectionFromPoints(t, aim.x, aim.y, cue.x + r, cue.y + r);
    t.Motion.BallSlope[0] = d.slope;
    t.Motion.Motion[0] = {d.dirX, d.dirY, 1, steps, 0, 0, 0};
}

void RunShots(benchmark::State& state, const table::TableState& start) {
    uint32_t virtualMs = 0;
    for (auto _ : state) {
        table::TableState t = start;
        VirtualHost host;
        table::RunMotion(t, host);
        virtualMs = host.now - 1000;
        benchmark::DoNotOptimize(t.Document.BallPos);
    }
    state.counters["virtual_ms"] = virtualMs;
}

void BM_RunMotionBreak(benchmark::State& state) {
    table::TableState t = Table();
    table::PlaceRack(t.Geometry, t.Document.BallPos);
    t.Document.BallPos[0] = table::CueBallStart(t.Geometry);
    t.Shot.BreakShot = true;
    t.ScatterVariant = true;
    Fire(t, {1056, 2847}, static_cast<int>(80 * 1.6f));
    RunShots(state, t);
}
BENCHMARK(BM_RunMotionBreak)->Unit(benchmark::kMicrosecond);

void BM_RunMotionLongCushionShot(benchmark::State& state) {
    table::TableState t = Table();
    for (int i = 1; i <= table::LastBall; ++i) t.Document.BallPos[i] = {table::OffTable, 1};
    t.Document.BallPos[0] = {1000, 3000};
    t.Shot.SideSpin = 1;
    Fire(t, {0, 3300}, static_cast<int>(100 * 1.5f));  // a shallow path, cushion after cushion
    RunShots(state, t);
}
BENCHMARK(BM_RunMotionLongCushionShot)->Unit(benchmark::kMicrosecond);

void BM_SweepTest(benchmark::State& state) {
    table::TableState t = Table();
    for (auto _ : state) {
        benchmark::DoNotOptimize(table::SweepTest(t, {2000, 3300}, {2150, 3390}, {2500, 3600}));
    }
}
BENCHMARK(BM_SweepTest);

} // namespace

BENCHMARK_MAIN();
