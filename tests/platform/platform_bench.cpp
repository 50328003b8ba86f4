// Benchmarks of the platform layer: the cost of waiting, presenting the surface, drawing a ball.
#include "platform/clock.h"
#include "platform/dc.h"
#include "platform/fonts.h"
#include "platform/surface.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cmath>

namespace {

double ProcessCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Delay(1000) on the real clock: the share of one core it keeps busy.
void BM_SystemClockDelay1000(benchmark::State& state)
{
    platform::SystemClock clock;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpu0 = ProcessCpuSeconds();
        const auto wall0 = std::chrono::steady_clock::now();
        platform::Delay(clock, 1000);
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
        cpu += ProcessCpuSeconds() - cpu0;
    }
    state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_SystemClockDelay1000)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

class SurfaceView final : public QWidget {
public:
    explicit SurfaceView(platform::Surface& surface) : surface_(surface)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(surface.Image().size());
    }
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        surface_.Paint(painter, event->rect());
    }
private:
    platform::Surface& surface_;
};

// A whole 1800 x 1050 surface through a widget's paint event, as the view presents it.
void BM_PresentFullSurface(benchmark::State& state)
{
    platform::Surface surface(QSize(1800, 1050), qRgb(0, 128, 64));
    SurfaceView view(surface);
    view.show();
    QApplication::processEvents();
    for (auto _ : state)
        view.repaint();
}
BENCHMARK(BM_PresentFullSurface)->Unit(benchmark::kMillisecond);

// The copy alone, onto an image of the offscreen backing store's format.
void BM_CopyFullSurface(benchmark::State& state)
{
    platform::Surface surface(QSize(1800, 1050), qRgb(0, 128, 64));
    QImage target(1800, 1050, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        surface.Paint(painter, target.rect());
    }
}
BENCHMARK(BM_CopyFullSurface)->Unit(benchmark::kMillisecond);

// What one moving striped ball costs per step: erase rectangle, body, band, flood, number.
void BM_StripedBallStep(benchmark::State& state)
{
    platform::Surface surface(QSize(1800, 1050), qRgb(0, 128, 64));
    const int d = 280;
    int x = 3000;
    for (auto _ : state) {
        platform::CDC dc(surface);
        dc.SetMapMode(platform::MM_ISOTROPIC);
        dc.SetWindowExt(18000, 10500);
        dc.SetViewportExt(1800, 1050);
        dc.SelectObject(platform::CPen::Null());
        dc.SelectObject(platform::CBrush(platform::RGB(0, 128, 64)));
        dc.Rectangle(x - 10, 5000 - 10, x + d + 40, 5000 + d + 40);
        x = 3000 + (x + 37) % 9000;
        dc.SelectObject(platform::CPen(platform::PS_SOLID, 1, platform::RGB(192, 192, 192)));
        dc.SelectObject(platform::CBrush(platform::RGB(255, 255, 255)));
        dc.Ellipse(x, 5000, x + d, 5000 + d);
        const int o = d / 2, u = int(o * std::cos(0.785f)), v = int(o * std::sin(0.785f));
        const int cx = x + o, cy = 5000 + o;
        const platform::Point lower[] = {{cx - u, cy + v}, {cx - u, cy + v - o / 3}, {cx + u, cy + v - o / 3}, {cx + u, cy + v}};
        const platform::Point upper[] = {{cx - u, cy - v}, {cx - u, cy - v + o / 3}, {cx + u, cy - v + o / 3}, {cx + u, cy - v}};
        dc.PolyBezier(lower, 4);
        dc.PolyBezier(upper, 4);
        dc.SelectObject(platform::CBrush(platform::RGB(255, 0, 0)));
        dc.FloodFill(cx, cy, platform::RGB(192, 192, 192));
        dc.SelectObject(platform::CFont{110, 0, platform::FW_NORMAL, false, false, platform::SHIFTJIS_CHARSET, "MS Scans Serif"});
        dc.SetBkMode(platform::TRANSPARENT);
        dc.TextOut(cx - 60, cy - 60, "11");
    }
}
BENCHMARK(BM_StripedBallStep)->Unit(benchmark::kMicrosecond);

// The largest figure of a full table paint: the window-sized background in its tile.
void BM_FullWindowTiledRectangle(benchmark::State& state)
{
    platform::Surface surface(QSize(1800, 1050));
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(qRgb(192, 192, 192));
    tile.setPixel(0, 0, qRgb(0, 191, 191));
    for (auto _ : state) {
        platform::CDC dc(surface);
        dc.SetMapMode(platform::MM_ISOTROPIC);
        dc.SetWindowExt(18000, 10500);
        dc.SetViewportExt(1800, 1050);
        dc.SelectObject(platform::CBrush(tile));
        dc.Rectangle(0, 960, 18000, 10500);
    }
}
BENCHMARK(BM_FullWindowTiledRectangle)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
