// Balls: body, shadow, stripe, number mark by rolling phase; erasing; the rack of pocketed balls.
#include "render/ball_painter.h"
#include "render/table_painter.h"
#include "table/layout.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace render {

using platform::CBrush;
using platform::COLORREF;
using platform::CPen;
using platform::PALETTERGB;
using platform::PS_SOLID;

namespace {

int Trunc(double v) { return int(v); }

const COLORREF kExactWhite = platform::RGB(255, 255, 255);
const COLORREF kExactSilver = platform::RGB(192, 192, 192);

void DrawNumber(Canvas& c, int x, int y, int id, int phase, COLORREF body)
{
    platform::CDC& dc = c.dc;
    const table::TableGeometry& g = c.t.Geometry;
    const int D = g.BallDiameter, r = g.BallRadius;
    const bool wide = g.FrameWidth > 7000;
    const std::string text = std::to_string(id);

    if (wide) {
        dc.SetBkColor(platform::RGB(255, 255, 255));
        dc.SetTextColor(platform::RGB(0, 0, 0));
    } else {
        dc.SetBkColor(body);
        if (platform::DisplayBitsPerPixel() + platform::DisplayPlanes() >= 8)
            dc.SetTextColor(platform::RGB(255, 255, 255));
        else
            dc.SetBkColor(platform::RGB(0, 0, 0));
    }
    dc.SetBkMode(platform::TRANSPARENT);

    const platform::Size extent = dc.GetTextExtent(text);
    int bx = (D - extent.cx) / 2, by = (D - extent.cy) / 2;
    if (c.view.isWindowsNT && id >= 10 && g.FrameWidth > 8100) {
        bx -= 10;
        by -= 10;
    }
    table::Rect B{x + bx, y + by, x + D - bx, y + D - by};
    const int bw = B.right - B.left, bh = B.bottom - B.top;
    int z = std::max(bw, bh);
    if (id <= 9)
        z -= 6;
    if (g.FrameWidth > 9000)
        z += 20;
    else if (g.FrameWidth > 7000)
        z += 10;
    table::Rect Q{B.left - (z - bw) / 2, B.top - (z - bh) / 2, 0, 0};
    Q.right = Q.left + z;
    Q.bottom = Q.top + z;

    dc.SelectObject(CPen(PS_SOLID, 10, kExactWhite));
    dc.SelectObject(CBrush(kExactWhite));
    auto move = [](table::Rect& rc, int dx, int dy) {
        rc.left += dx;
        rc.right += dx;
        rc.top += dy;
        rc.bottom += dy;
    };
    auto discAndText = [&] {
        if (wide)
            dc.Ellipse(Q.left, Q.top, Q.right, Q.bottom);
        dc.TextOut(B.left, B.top, text);
    };
    const int X = x + r, Y = y + r;
    constexpr double alpha = 0.44857142857142857, beta = 1.0666666666666667;
    switch (phase) {
    case 0:
        discAndText();
        break;
    case 1:
    case 6: {
        const int shift = phase == 1 ? r / 4 : -(r / 4);
        move(B, shift, -shift);
        move(Q, shift, -shift);
        if (wide) {
            discAndText();
        } else {
            const int px = (B.left + B.right) / 2, py = (B.top + B.bottom) / 2;
            dc.Ellipse(px, py, px, py);
        }
        break;
    }
    case 2:
        dc.Chord(x, y, x + D, y + D, Trunc(X + r * std::cos(alpha)), Trunc(Y - r * std::sin(alpha)),
                 Trunc(X + r * std::cos(beta)), Trunc(Y - r * std::sin(beta)));
        break;
    case 5:
        dc.Chord(x, y, x + D, y + D, Trunc(X - r * std::cos(alpha)), Trunc(Y + r * std::sin(alpha)),
                 Trunc(X - r * std::cos(beta)), Trunc(Y + r * std::sin(beta)));
        break;
    default:
        break;  // 3, 4, 7: the number is turned away
    }
}

bool Overlaps(const table::Rect& a, const table::Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

COLORREF BallColour(int id)
{
    if (id == 0)
        return PALETTERGB(255, 255, 255);
    static const COLORREF kColours[8] = {
        PALETTERGB(0, 0, 0),     PALETTERGB(200, 200, 31), PALETTERGB(0, 0, 128), PALETTERGB(255, 0, 0),
        PALETTERGB(0, 0, 255),   PALETTERGB(255, 128, 0),  PALETTERGB(0, 128, 64), PALETTERGB(128, 64, 0),
    };
    return kColours[id % 8];
}

int NumberFontIndex(int phase, int ballDiameter)
{
    if (ballDiameter <= 160)
        return 0;
    switch (phase) {
    case 0: return 0;
    case 2:
    case 5: return 2;
    default: return 1;
    }
}

int RollingPhase(const table::BallMotion& m)
{
    int phase = m.steps != 0 ? m.stepCount % 7 : 0;
    if (m.dirY > 0) {
        // Rolling toward the viewer turns the marks the other way round.
        if (phase == 2)
            phase = 7;
        else if (phase == 3)
            phase = 6;
        else if (phase == 6)
            phase = 3;
    }
    return phase;
}

void DrawBall(Canvas& c, int x, int y, int id)
{
    platform::CDC& dc = c.dc;
    const table::TableGeometry& g = c.t.Geometry;
    const int D = g.BallDiameter;
    const int phase = c.view.isWindowsNT ? 0 : RollingPhase(c.t.Motion.Motion[id]);
    const int fontIndex = NumberFontIndex(RollingPhase(c.t.Motion.Motion[id]), D);

    const CPen oldPen = dc.GetPen();
    const CBrush oldBrush = dc.GetBrush();
    const platform::CFont oldFont = dc.SelectObject(c.res.NumberFonts[id >= 10 ? 1 : 0][fontIndex]);
    const COLORREF oldBack = dc.GetBkColor(), oldText = dc.GetTextColor();
    const int oldMode = dc.GetBkMode();

    const bool pictured = id == 0 && D <= 280;
    if (id != 0 || !pictured) {
        dc.SelectObject(CPen(PS_SOLID, 10, PALETTERGB(0, 0, 0)));
        dc.SelectObject(CBrush(PALETTERGB(0, 0, 0)));
        dc.Ellipse(x + 30, y + 30, x + D + 30, y + D + 30);
    }
    const COLORREF body = BallColour(id);
    if (pictured) {
        const QImage& picture = c.res.CueBall[std::min(phase, 3)];
        if (!picture.isNull())
            dc.DrawIcon(x, y, picture);
    } else if (id <= 8 || c.view.isWindowsNT) {
        dc.SelectObject(CPen(PS_SOLID, 1, body));
        dc.SelectObject(CBrush(body));
        dc.Ellipse(x, y, x + D, y + D);
    } else {
        dc.SelectObject(CPen(PS_SOLID, 1, kExactSilver));
        dc.SelectObject(CBrush(kExactWhite));
        dc.Ellipse(x, y, x + D, y + D);
        const int o = D / 2, X = x + o, Y = y + o;
        const double u = o * std::cos(double(0.785f)), v = o * std::sin(double(0.785f));
        const int xa = Trunc(X - u), xb = Trunc(X + u), ya = Trunc(Y + v), yb = Trunc(Y - v);
        const platform::Point lower[4] = {{xa, ya}, {xa, ya - o / 3}, {xb, ya - o / 3}, {xb, ya}};
        const platform::Point upper[4] = {{xa, yb}, {xa, yb + o / 3}, {xb, yb + o / 3}, {xb, yb}};
        dc.PolyBezier(lower, 4);
        dc.PolyBezier(upper, 4);
        dc.SelectObject(CBrush(body));
        dc.FloodFill(X, Y, kExactSilver);
    }
    if (id >= 1)
        DrawNumber(c, x, y, id, phase, body);

    dc.SelectObject(oldFont);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.SetBkColor(oldBack);
    dc.SetTextColor(oldText);
    dc.SetBkMode(oldMode);
}

void EraseBall(Canvas& c, int x, int y)
{
    platform::CDC& dc = c.dc;
    const table::TableGeometry& g = c.t.Geometry;
    const int D = g.BallDiameter;
    const table::Rect area{x - 10, y - 10, x + D + 40, y + D + 40};
    const CPen oldPen = dc.SelectObject(CPen(platform::PS_NULL, 10, 0));
    const CBrush oldBrush = dc.SelectObject(CBrush(c.res.ClothColour));
    const int oldMode = dc.SetBkMode(platform::TRANSPARENT);
    dc.Rectangle(area.left, area.top, area.right, area.bottom);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.SetBkMode(oldMode);

    for (const table::Rect* spot : {&g.LeftSpot, &g.CentreSpot, &g.RightSpot})
        if (g.SpotsLaidOut && Overlaps(*spot, area))
            DrawSpot(c, *spot);
    for (int id = 0; id <= table::LastBall; ++id) {
        if (id == c.t.Shot.CurrentBall)
            continue;
        const table::Point p = c.t.Document.BallPos[id];
        // Only a real overlap: a sliver of 10 LU or less is left as it is.
        const int w = std::min(p.x + D + 30, area.right) - std::max(p.x, area.left);
        const int h = std::min(p.y + D + 30, area.bottom) - std::max(p.y, area.top);
        if (w > 10 && h > 10)
            DrawBall(c, p.x, p.y, id);
    }
    if (c.view.PlacementState == 1)
        DrawHeadLine(c, SpotInset(g));
}

void DrawAllBalls(Canvas& c)
{
    table::TableState& t = c.t;
    if (c.view.RackRequested) {
        table::PlaceRack(t.Geometry, t.Document.BallPos);
        c.view.RackRequested = false;
    }
    for (int id = 1; id <= table::LastBall; ++id) {
        const table::Point p = t.Document.BallPos[id];
        if (p.x != table::OffTable)
            DrawBall(c, p.x, p.y, id);
    }
    DrawBall(c, t.Shot.CueBallTrack.x, t.Shot.CueBallTrack.y, 0);
    DrawPocketedRack(c);
    t.Document.BallPos[0] = t.Shot.CueBallTrack;
}

void DrawPocketedRack(Canvas& c)
{
    const int D = c.t.Geometry.BallDiameter;
    const int y = 10 * c.ClientHeight() - D - 1, right = 10 * c.ClientWidth();
    int fromLeft = 0, fromRight = 0;
    for (int id = 1; id <= table::LastBall; ++id) {
        const table::Point p = c.t.Document.BallPos[id];
        if (p.x != table::OffTable)
            continue;
        if (p.y == 1)
            DrawBall(c, 50 + D * fromLeft++, y, id);
        else
            DrawBall(c, right - 50 - D * ++fromRight, y, id);
    }
}

void DrawPocketedBall(Canvas& c, int id, int p)
{
    const table::TableGeometry& g = c.t.Geometry;
    EraseBall(c, c.t.Shot.PrevPos.x, c.t.Shot.PrevPos.y);
    const int w = (g.PocketRect[1].right - g.BallDiameter - g.PocketRect[1].left) / 2;
    DrawBall(c, g.PocketRect[p].left + w, g.PocketRect[p].top + w, id);
}

} // namespace render
