// Benchmarks of the computer's search: a racked table with a long hand (most candidates fail),
// and the placement search along the head line.
#include <benchmark/benchmark.h>

#include "computer/shot_search.h"
#include "tests/computer/computer_fixture.h"
#include "table/layout.h"

namespace {

class NullHost final : public computer::ComputerHost {
public:
    void Delay(int) override {}
    void EraseBall(int, int) override {}
    void DrawBall(int, int, int) override {}
    void PressLButton(table::Point) override {}
    void ReleaseCapture() override {}
    void ClearAiming() override {}
    void SetShotArmed() override {}
    void ClearGuideActive() override {}
    void SetHandsHidden(bool) override {}
    void DrawCardStrip() override {}
    int RunShotBar() override { return 1; }
    void ValidateWindow() override {}
    void EraseCueAndGuide() override {}
    int PowerLevel() override { return 0; }
    void SetPowerLevel(int) override {}
    int StrokeDelay(int) override { return 80; }
    void AnimateCueStroke(table::Point, table::Point, int) override {}
    void FireStroke(int, table::Point) override {}
};

// The rack with the cue ball at its start; player 2 holds thirteen unique balls.
computertest::Board Racked() {
    computertest::Board b;
    table::PlaceRack(b.t.Geometry, b.t.Document.BallPos);
    b.t.Document.BallPos[0] = table::CueBallStart(b.t.Geometry);
    b.t.Shot.CurrentBallPos = b.t.Document.BallPos[0];
    b.hand2 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    return b;
}

void BM_FindShotOnTheRack(benchmark::State& state) {
    computertest::Board b = Racked();
    NullHost host;
    for (auto _ : state) {
        computer::SearchContext c = b.Context();
        benchmark::DoNotOptimize(computer::FindComputerShot(c, host));
    }
}
BENCHMARK(BM_FindShotOnTheRack);

void BM_PlaceCueBallOnTheRack(benchmark::State& state) {
    computertest::Board b = Racked();
    b.headLineX = 2084;
    NullHost host;
    for (auto _ : state) {
        b.t.Game.CueInHand = true;
        computer::SearchContext c = b.Context();
        benchmark::DoNotOptimize(computer::FindComputerShot(c, host));
    }
}
BENCHMARK(BM_PlaceCueBallOnTheRack);

} // namespace

BENCHMARK_MAIN();
