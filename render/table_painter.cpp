// The full table paint: background, rail, cloth, pocket mouths, cushions, pockets, diamonds,
// spots, head-string line, balls, caption and music.
#include "render/table_painter.h"
#include "render/ball_painter.h"
#include "render/card_strip.h"
#include "render/fast_rectangle.h"
#include "table/layout.h"

#include <cmath>

namespace render {

using platform::CBrush;
using platform::COLORREF;
using platform::CPen;
using platform::PALETTERGB;
using platform::PS_SOLID;

namespace {

const COLORREF kBlack = PALETTERGB(0, 0, 0);

int Trunc(double v) { return int(v); }

void Line(platform::CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void ClosedOutline(platform::CDC& dc, std::initializer_list<platform::Point> corners)
{
    platform::Point points[5];
    int n = 0;
    for (const platform::Point& p : corners)
        points[n++] = p;
    points[n++] = points[0];
    dc.Polyline(points, n);
}

} // namespace

int SpotInset(const table::TableGeometry& g)
{
    const int f = g.BallDiameter <= 160 ? 2 : 1;
    return g.RailWidth / 2 - 50 / f;
}

void DrawTable(Canvas& c)
{
    DrawTableBed(c);
    // CushionRect and RackArea were stored by the layout at its start.
    DrawDiamonds(c);
    DrawSpots(c, SpotInset(c.t.Geometry));
    DrawAllBalls(c);
    c.host.SetCaption(CaptionText);
    if (c.host.MusicOn())
        c.host.StartPlayMusic();
}

void DrawTableBed(Canvas& c)
{
    platform::CDC& dc = c.dc;
    table::TableGeometry& g = c.t.Geometry;
    const int W = c.ClientWidth(), H = c.ClientHeight();
    table::LayOutTable(g, W, H);
    const int D = g.BallDiameter;
    const int rail = g.RailWidth;

    dc.SetBkColor(platform::RGB(0, 0, 0));
    dc.SetBkMode(platform::OPAQUE);
    const table::Rect T{0, table::CardStripHeight, 10 * W, 10 * H};

    const CPen oldPen = dc.SelectObject(CPen(PS_SOLID, 0, kBlack));
    const CBrush oldBrush = dc.SelectObject(CBrush(c.res.BackgroundTile));
    FastRectangle(dc, T.left, T.top, T.right, T.bottom);

    // Rail and cloth, outlined 2 pixels wide.
    const table::Rect F{T.left - 30, T.top - 30, T.right + 30, T.bottom - D + 10};
    dc.SelectObject(CPen(PS_SOLID, 20, kBlack));
    dc.SelectObject(CBrush(c.res.RailTile));
    FastRectangle(dc, F.left, F.top, F.right, F.bottom);
    const int cloth = Trunc(0.75 * rail);
    const table::Rect C{F.left + cloth, F.top + cloth, F.right - cloth, F.bottom - cloth};
    dc.SelectObject(CBrush(c.res.ClothColour));
    FastRectangle(dc, C.left, C.top, C.right, C.bottom);

    // Pocket mouths and the straight cushion edges between them.
    const int h = Trunc(0.8 * cloth), l = (2 * cloth) / 3, m = Trunc(1.4 * cloth);
    const double s = m * std::sin(0.5233333333333333), k = m * std::cos(0.5233333333333333);
    const int cx = (C.left + C.right) / 2;
    auto mouth = [&](double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3) {
        const platform::Point p[4] = {{Trunc(x0), Trunc(y0)}, {Trunc(x1), Trunc(y1)},
                                      {Trunc(x2), Trunc(y2)}, {Trunc(x3), Trunc(y3)}};
        dc.PolyBezier(p, 4);
    };
    {
        int p0x = C.left + h, p3y = C.top + h;
        mouth(p0x, C.top, p0x - s, C.top - k, C.left - k, p3y - s, C.left, p3y);
        mouth(cx - l, C.top, cx - l, C.top - cloth, cx + l, C.top - cloth, cx + l, C.top);
        p0x = C.right - h;
        mouth(p0x, C.top, p0x + s, C.top - k, C.right + k, p3y - s, C.right, p3y);
        p3y = C.bottom - h;
        mouth(p0x, C.bottom, p0x + s, C.bottom + k, C.right + k, p3y + s, C.right, p3y);
        mouth(cx - l, C.bottom, cx - l, C.bottom + cloth, cx + l, C.bottom + cloth, cx + l, C.bottom);
        p0x = C.left + h;
        mouth(p0x, C.bottom, p0x - s, C.bottom + k, C.left - k, p3y + s, C.left, p3y);
    }
    Line(dc, C.left + h, C.top, cx - l, C.top);
    Line(dc, cx + l, C.top, C.right - h, C.top);
    Line(dc, C.right, C.top + h, C.right, C.bottom - h);
    Line(dc, C.right - h, C.bottom, cx + l, C.bottom);
    Line(dc, cx - l, C.bottom, C.left + h, C.bottom);
    Line(dc, C.left, C.bottom - h, C.left, C.top + h);

    dc.SelectObject(CPen(PS_SOLID, 0, kBlack));
    dc.SelectObject(CBrush(c.res.CushionTile));

    // Cushion shading.
    const int O = Trunc(0.2 * D), cw = O / 2, q = l / 2, e = q + cw / 2, S = Trunc(0.5 * cw);
    dc.SelectObject(CPen(PS_SOLID, cw, kBlack));
    Line(dc, C.left + h + O + q + 10, C.top + e, cx - l - h / 2 - O - 10, C.top + e);
    Line(dc, C.left + h + O + q + cw + 10, C.top + e + cw, cx - l - h / 2 - cw - O - 10, C.top + e + cw);
    Line(dc, cx + O + l + h / 2 + 10, C.top + e, C.right - h - h / 2 - O - 10, C.top + e);
    Line(dc, cx + O + l + h / 2 + cw + 10, C.top + e + cw, C.right - h - h / 2 - cw - O - 10, C.top + e + cw);
    Line(dc, C.left + e, C.top + h + q + 2 * O, C.left + e, C.bottom - h - q - 2 * O);
    Line(dc, C.left + e + cw, C.top + h + q + 3 * O, C.left + e + cw, C.bottom - h - q - 3 * O);
    dc.SelectObject(CPen(PS_SOLID, cw, PALETTERGB(64, 64, 64)));
    const int yb = C.bottom - q - cw - S, xr = C.right - q - cw - S;
    Line(dc, C.left + h + 2 * O + 10 + q, yb, cx - l - 2 * O - 10 - h / 2, yb);
    Line(dc, cx + l + 2 * O + 10 + h / 2, yb, C.right - 2 * O - 10 - h - h / 2, yb);
    Line(dc, xr, C.top + h + O + q + S + cw, xr, C.bottom - h - q - cw - O - S);
    Line(dc, F.left, F.top - 15, F.right, F.top - 15);
    Line(dc, F.left, F.bottom, F.right, F.bottom);

    // Cushion outlines, filled with the cushion tile on the larger tables.
    dc.SelectObject(CPen(PS_SOLID, 0, kBlack));
    const int i = h / 2;
    const bool fill = D > 170;
    auto piece = [&](std::initializer_list<platform::Point> corners, int seedX, int seedY) {
        ClosedOutline(dc, corners);
        if (fill)
            dc.FloodFill(seedX, seedY, kBlack);
    };
    piece({{C.left + h, C.top}, {cx - l - 10, C.top}, {cx - l - 10 - i, C.top + q}, {C.left + h + i, C.top + q}},
          C.left + h + 2 * l, C.top + 20);
    piece({{C.right - h - 10, C.top}, {cx + l + 10, C.top}, {cx + l + 10 + i, C.top + q},
           {C.right - h - 10 - i, C.top + q}},
          C.right - h - 10 - 2 * l, C.top + 20);
    piece({{C.left + h + 10, C.bottom}, {cx - l - 10, C.bottom}, {cx - l - 10 - i, C.bottom - q},
           {C.left + h + 10 + i, C.bottom - q}},
          C.left + h + 10 + 2 * l, C.bottom - 20);
    piece({{C.right - h - 20, C.bottom}, {cx + l + 10, C.bottom}, {cx + l + 10 + i, C.bottom - q},
           {C.right - h - 20 - i, C.bottom - q}},
          C.right - h - 20 - 2 * l, C.bottom - 20);
    piece({{C.left, C.top + h + 20}, {C.left, C.bottom - h - 20}, {C.left + q, C.bottom - h - 20 - i},
           {C.left + q, C.top + h + 20 + i + 20}},
          C.left + 20, C.top + h + 20 + 2 * l);
    piece({{C.right, C.top + h + 20}, {C.right, C.bottom - h - 20}, {C.right - q, C.bottom - h - 20 - i},
           {C.right - q, C.top + h + 20 + i}},
          C.right - 20, C.top + h + 20 + 2 * l);

    // Highlights.
    dc.SelectObject(CPen(PS_SOLID, 1, PALETTERGB(255, 255, 255)));
    Line(dc, C.left + h + O + q + 10, C.bottom - q - S, cx - l - h / 2 - O - 10, C.bottom - q - S);
    Line(dc, cx + O + l + h / 2 + 10, C.bottom - q - S, C.right - h - h / 2 - O - 10, C.bottom - q - S);
    Line(dc, C.right - q - S, C.top + h + O + q + S, C.right - q - S, C.bottom - h - q - O - S);
    Line(dc, F.left, F.top + 2 * S, F.right, F.top + 2 * S);
    Line(dc, F.left, F.bottom, F.right, F.bottom);

    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    DrawPockets(c);
}

void ClearAfterimages(Canvas& c)
{
    PrepareSurface(c.dc, c.t.Geometry, c.res.GamePalette);
    DrawTable(c);
}

void DrawPockets(Canvas& c)
{
    platform::CDC& dc = c.dc;
    table::TableGeometry& g = c.t.Geometry;
    if (c.view.RedrawTable) {
        table::LayOutTable(g, c.ClientWidth(), c.ClientHeight());
        table::LayOutPockets(g, c.ClientWidth(), c.ClientHeight());
    }
    const CPen oldPen = dc.SelectObject(CPen(PS_SOLID, 0, platform::RGB(0, 0, 0)));
    const CBrush oldBrush = dc.SelectObject(CBrush(platform::HS_DIAGCROSS, PALETTERGB(128, 128, 128)));
    const COLORREF oldBack = dc.SetBkColor(platform::RGB(0, 0, 0));
    const int oldMode = dc.SetBkMode(platform::OPAQUE);
    for (int p : {1, 4, 3, 2, 5, 6}) {
        const table::Rect& r = g.PocketRect[p];
        dc.Ellipse(r.left, r.top, r.right, r.bottom);
    }
    dc.SetBkMode(oldMode);
    dc.SetBkColor(oldBack);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

void DrawDiamonds(Canvas& c)
{
    DrawDiamondMarks(c);
    if (c.t.Shot.BreakShot && c.view.FirstPaintOfGame) {
        c.host.Delay(1000);
        c.host.CardShower(80);
        c.view.FirstPaintOfGame = false;
    }
    DrawCardStrip(c);
}

void DrawDiamondMarks(Canvas& c)
{
    platform::CDC& dc = c.dc;
    const table::TableGeometry& g = c.t.Geometry;
    const table::Rect& ra = g.RackArea;
    const int b = g.BallDiameter <= 160 ? 2 : 1;
    const int a2 = 2 * ((g.RailWidth / 2) - 50 / b);
    const int dx = (ra.right + a2 - ra.left) / 8, dy = (ra.bottom + a2 - ra.top) / 4;
    const int z = 60 / b;
    const double o = 0.6 * g.RailWidth;
    const CPen oldPen = dc.SelectObject(CPen(PS_SOLID, 10, c.res.ClothColour));
    const CBrush oldBrush = dc.SelectObject(CBrush(platform::RGB(255, 255, 0)));
    auto diamond = [&](int x, int y) { dc.Ellipse(x, y, x + z, y + z); };
    const int left = Trunc(ra.left - o), right = Trunc(ra.right + o), top = Trunc(ra.top - o),
              bottom = Trunc(ra.bottom + o);
    for (int step = 1; step <= 7; ++step) {
        if (step == 4)
            continue;  // the middle pocket
        diamond(left + step * dx, top);
        diamond(left + step * dx, bottom);
    }
    for (int step = 1; step <= 3; ++step) {
        diamond(left, top + step * dy);
        diamond(right, top + step * dy);
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

void DrawSpot(Canvas& c, const table::Rect& sq)
{
    platform::CDC& dc = c.dc;
    const CPen oldPen = dc.SelectObject(CPen(PS_SOLID, 0, platform::RGB(0, 0, 0)));
    const CBrush oldBrush = dc.SelectObject(CBrush(PALETTERGB(0, 0, 128)));
    dc.Ellipse(sq.left, sq.top, sq.right, sq.bottom);
    // The white centre keeps the ring navy: its edge is white too.
    dc.SelectObject(CPen(PS_SOLID, 0, PALETTERGB(255, 255, 255)));
    dc.SelectObject(CBrush(PALETTERGB(255, 255, 255)));
    dc.Ellipse(sq.left + 20, sq.top + 20, sq.right - 20, sq.bottom - 20);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

void DrawSpots(Canvas& c, int a)
{
    table::TableGeometry& g = c.t.Geometry;
    if (!g.SpotsLaidOut)
        table::LayOutSpots(g);
    (void)a;  // the layout derives the same inset from the ball size
    DrawSpot(c, g.LeftSpot);
    DrawSpot(c, g.CentreSpot);
    DrawSpot(c, g.RightSpot);
    // The line stays while the cue ball is still being placed for the break (state 1), so that a
    // repaint in the middle of the placement does not lose it.
    const bool preparingBreak = c.t.Shot.BreakShot && c.view.PlacementState <= 1;
    if (preparingBreak || c.t.Game.CueInHand) {
        DrawHeadLine(c, a);
        if (c.t.Shot.BreakShot && c.view.PlacementState == 0)
            c.view.PlacementState = 1;
    }
}

void DrawHeadLine(Canvas& c, int a)
{
    platform::CDC& dc = c.dc;
    const table::TableGeometry& g = c.t.Geometry;
    const table::Rect& ra = g.RackArea;
    const int x = ra.left + ((ra.right + 2 * a - ra.left) / 8) * 2 - a - g.BallRadius / 2;
    const int top = ra.top - a / 2 - 20, bottom = ra.bottom + a / 2;
    const CPen oldPen = dc.SelectObject(CPen(PS_SOLID, 10, PALETTERGB(0, 0, 0)));
    Line(dc, x, top, x, bottom);
    dc.SelectObject(oldPen);
    c.view.HeadLineX = x;
    c.view.HeadLineTop = top;
    c.view.HeadLineBottom = bottom;
}

} // namespace render
