// The cue stick, the push-mode cue and the contact mark.
#include "render/cue.h"
#include "render/ball_painter.h"

#include <cmath>

namespace render {

using platform::CBrush;
using platform::CPen;
using platform::PALETTERGB;

namespace {

// The point at distance |k| from a on the line through a and b (towards b for k < 0), with a
// real distance.
table::Point PointBeyond(table::Point a, table::Point b, float k)
{
    const int64_t ex = int64_t(a.x) - b.x, ey = int64_t(a.y) - b.y;
    float h = float(std::sqrt(double(ex * ex + ey * ey)));
    const float r = -k;
    if (std::fabs(h - r) < 0.01f)
        h = h + 0.1f;
    float w = r / (h - r);
    if (std::fabs(w + 1.0f) < 0.01f)
        w = -1.1f;
    const double wd = w;
    return {int((a.x + wd * b.x) / (1.0 + wd)), int((a.y + wd * b.y) / (1.0 + wd))};
}

struct Vec {
    double x, y;
};

platform::Point At(Vec base, Vec n, double k) { return {int(base.x + n.x * k), int(base.y + n.y * k)}; }

} // namespace

void DrawCue(Canvas& c, table::Point p, table::Point b)
{
    platform::CDC& dc = c.dc;
    const int D = c.t.Geometry.BallDiameter, r = c.t.Geometry.BallRadius;
    const table::Point centre{b.x + r, b.y + r};
    const table::Point T = PointBeyond(centre, p, -0.7f * float(D));
    const table::Point U = PointBeyond(centre, p, -18.0f * float(D));
    const int w = r / 2;

    // Unit axis from U to T and its normal.
    const double ax = T.x - U.x, ay = T.y - U.y;
    const double length = std::sqrt(ax * ax + ay * ay);
    Vec axis{0, 0}, n{0, 1};
    if (length > 0)
        axis = {ax / length, ay / length};
    if (ay == 0)
        n = {0, 1};
    else if (ax == 0)
        n = {1, 0};
    else
        n = {-axis.y, axis.x};
    const Vec u{double(U.x), double(U.y)}, t{double(T.x), double(T.y)};

    const int oldRop = dc.SetROP2(platform::R2_XORPEN);
    const CPen oldPen = dc.SelectObject(CPen(platform::PS_SOLID, 10, PALETTERGB(255, 0, 255)));
    const CBrush oldBrush = dc.SelectObject(CBrush(PALETTERGB(64, 128, 128)));
    const platform::Point uPlus = At(u, n, w), uMinus = At(u, n, -w);
    const platform::Point tMinus = At(t, n, -w / 2.0), tPlus = At(t, n, w / 2.0);
    const platform::Point shaft[6] = {uPlus, {U.x, U.y}, uMinus, tMinus, {T.x, T.y}, tPlus};
    dc.Polygon(shaft, 6);

    dc.SelectObject(CBrush(platform::RGB(192, 192, 192)));
    const platform::Point rear[5] = {uPlus, {U.x, U.y}, uMinus, {(uMinus.x + tMinus.x) / 2, (uMinus.y + tMinus.y) / 2},
                                     {(uPlus.x + tPlus.x) / 2, (uPlus.y + tPlus.y) / 2}};
    dc.Polygon(rear, 5);

    // Rounded ends: control points beyond each end, away from the other end.
    auto away = [](platform::Point from, Vec dir, double k) {
        return platform::Point{int(from.x + dir.x * k), int(from.y + dir.y * k)};
    };
    const Vec back{-axis.x, -axis.y};  // from T toward U and beyond
    const platform::Point butt[4] = {uPlus, away(uPlus, back, w), away(uMinus, back, w), uMinus};
    dc.PolyBezier(butt, 4);
    const platform::Point tip[4] = {tMinus, away(tMinus, axis, w / 3), away(tPlus, axis, w / 3), tPlus};
    dc.PolyBezier(tip, 4);

    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.SetROP2(oldRop);
}

table::Point PulledBackBall(float ux, float uy, int diameter, float v, int cx, int cy)
{
    const float d = float(diameter), r = float(diameter / 2);
    return {int(ux * d * v - r + float(cx)), int(uy * d * v - r + float(cy))};
}

void DrawPushCue(Canvas& c, float dir)
{
    const int D = c.t.Geometry.BallDiameter, r = c.t.Geometry.BallRadius;
    const table::Point A = c.t.Shot.AimPoint;
    const table::Point C{c.t.Shot.CurrentBallPos.x + r, c.t.Shot.CurrentBallPos.y + r};
    const int64_t dx = int64_t(A.x) - C.x, dy = int64_t(A.y) - C.y;
    const int L = int(std::sqrt(double(dx * dx + dy * dy)));
    if (L == 0)
        return;  // the pointer on the ball's centre gives no direction
    const table::Point F{int(C.x + (int64_t(100) * D * dx) / L), int(C.y + (int64_t(100) * D * dy) / L)};
    const float ux = float(dx) / float(L), uy = float(dy) / float(L);
    DrawCue(c, F, PulledBackBall(ux, uy, D, c.view.DrawnPushOffset, C.x, C.y));
    if (dir >= -0.5f)
        DrawCue(c, F, PulledBackBall(ux, uy, D, c.view.PushOffset, C.x, C.y));
    c.view.DrawnPushOffset = c.view.PushOffset;
}

void DrawContactMark(Canvas& c)
{
    platform::CDC& dc = c.dc;
    const table::ShotState& shot = c.t.Shot;
    const int D = c.t.Geometry.BallDiameter, r = c.t.Geometry.BallRadius;
    DrawBall(c, shot.CurrentBallPos.x, shot.CurrentBallPos.y, 0);
    const int X = shot.CurrentBallPos.x + r + (shot.SideSpin * D) / 4;
    int Y = shot.CurrentBallPos.y + r;
    if (shot.SpinKind == 1)
        Y -= D / 4;
    else if (shot.SpinKind == 3)
        Y += D / 4;
    const int oldRop = dc.SetROP2(platform::R2_COPYPEN);
    const CPen oldPen = dc.SelectObject(CPen(platform::PS_SOLID, 20, platform::RGB(255, 0, 0)));
    dc.MoveTo(X - D / 8, Y);
    dc.LineTo(X + D / 8, Y);
    dc.MoveTo(X, Y - D / 8);
    dc.LineTo(X, Y + D / 8);
    dc.SelectObject(oldPen);
    dc.SetROP2(oldRop);
}

} // namespace render
