// The cue stroke animation.
#include "render/stroke_animation.h"
#include "render/cue.h"

#include <cmath>
#include <initializer_list>

namespace render {

int StrokeDelay(int power)
{
    static constexpr struct {
        int atLeast, ms;
    } kDelays[] = {{90, 10}, {80, 20}, {70, 30}, {50, 40}, {30, 50}};
    for (const auto& step : kDelays)
        if (power >= step.atLeast)
            return step.ms;
    return 80;
}

void AnimateCueStroke(Canvas& c, table::Point p, table::Point cue, int e)
{
    const int D = c.t.Geometry.BallDiameter, R = c.t.Geometry.BallRadius;
    const table::Point C{cue.x + R, cue.y + R};
    const int64_t dx = int64_t(p.x) - C.x, dy = int64_t(p.y) - C.y;
    const int m = int(std::sqrt(double(dy * dy + dx * dx)));
    if (m == 0)
        return;  // no direction to stroke in
    const table::Point butt{int(C.x + (int64_t(100) * D * dx) / m), int(C.y + (int64_t(100) * D * dy) / m)};
    const float ux = float(dx) / float(m), uy = float(dy) / float(m);
    const int h = e / 2;
    auto draw = [&](float v) { DrawCue(c, butt, PulledBackBall(ux, uy, D, v, C.x, C.y)); };
    auto show = [&](std::initializer_list<float> vs) {
        for (float v : vs) {
            draw(v);
            c.host.Delay(h);
            draw(v);
        }
    };

    show({1.0f, 1.5f, 2.0f});
    draw(2.5f);
    c.host.Delay(h);
    c.host.Delay(h);
    c.host.Delay(e);
    draw(2.5f);
    show({3.0f, 2.5f, 2.0f, 1.5f, 1.0f, 0.5f});
    show({1.0f, 1.5f, 2.0f, 2.5f, 3.0f});
    draw(3.5f);
    c.host.Delay(h);
    c.host.Delay(h);
    c.host.Delay(h);
    draw(3.5f);
    show({4.0f, 3.5f, 3.0f, 2.5f, 2.0f, 1.5f, 1.0f, 0.5f});
}

} // namespace render
