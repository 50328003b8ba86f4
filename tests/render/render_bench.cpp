// Drawing benchmarks (run by hand, QT_QPA_PLATFORM=offscreen): a full table paint at 1798 x 1010
// client pixels, and one erase-and-draw of a moving ball.
#include "render_fixture.h"
#include "render/view_drawing.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_DrawTable(benchmark::State& state)
{
    rendertest::Table tb(1798, 1010);
    for (auto _ : state)
        render::DrawTable(tb.canvas);
}
BENCHMARK(BM_DrawTable)->Unit(benchmark::kMillisecond);

// The table under the balls alone, to see where the time goes.
void BM_TableBed(benchmark::State& state)
{
    rendertest::Table tb(1798, 1010);
    for (auto _ : state)
        render::DrawTableBed(tb.canvas);
}
BENCHMARK(BM_TableBed)->Unit(benchmark::kMillisecond);


void BM_EraseAndDrawMovingBall(benchmark::State& state)
{
    rendertest::Table tb(int(state.range(0)), int(state.range(1)));
    render::DrawTable(tb.canvas);
    const int id = 11;  // a striped ball: outline, two curves and a flood fill
    tb.t.Shot.CurrentBall = id;
    table::BallMotion& m = tb.t.Motion.Motion[id];
    m.steps = 100;
    m.dirY = -tb.t.Geometry.BallDiameter;
    int x = 3000, y = 3000;
    for (auto _ : state) {
        render::EraseBall(tb.canvas, x, y);
        x = x < 12000 ? x + 20 : 3000;
        ++m.stepCount;
        render::DrawBall(tb.canvas, x, y, id);
    }
}
// The same through the game's drawing interface, which copies the state it is given.
void BM_ViewDrawingEraseAndDraw(benchmark::State& state)
{
    rendertest::Table tb(1798, 1010);
    render::DrawTable(tb.canvas);
    render::ViewDrawing drawing(tb.surface, nullptr, "no-such-color.def");
    const int id = 11;
    tb.t.Shot.CurrentBall = id;
    int x = 3000, y = 3000;
    for (auto _ : state) {
        drawing.EraseBall(tb.t, x, y);
        x = x < 12000 ? x + 20 : 3000;
        drawing.DrawBall(tb.t, x, y, id);
    }
}
BENCHMARK(BM_ViewDrawingEraseAndDraw)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_EraseAndDrawMovingBall)->Args({1798, 1010})->Args({800, 560})->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
