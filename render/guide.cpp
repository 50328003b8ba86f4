// The aiming guide.
#include "render/guide.h"
#include "render/cue.h"
#include "table/contacts.h"
#include "table/direction.h"
#include "table/motion.h"

#include <cmath>

namespace render {

namespace {

// The guide is computed silently: no cushion or contact sound, no drawing through the host.
class SilentHost final : public table::TableHost {
public:
    uint32_t Ticks() override { return 0; }
    void Delay(int) override {}
    void PlayEffect(int) override {}
    void DrawBall(int, int, int) override {}
    void EraseBall(int, int) override {}
    void DrawPocketedBall(int, int, int, int, int, int) override {}
    void ShowAbnormalPosition() override {}
    bool RemoveMatchingCards(int) override { return false; }
    void CheckGameEnd() override {}
    void RefreshHands() override {}
    int ScatterRandom() override { return 0; }
};

// More cushion steps than any table needs; a guard against a point that never settles.
constexpr int kMaxGuideSteps = 10000;

bool SecondLegHitsBall(table::TableState& t, table::Point g1, table::Point g2)
{
    SilentHost host;
    const int r = t.Geometry.BallRadius;
    t.Outcome.CollisionCount = 10;
    t.Shot.PrevPos = {g1.x - r, g1.y - r};
    const bool hit = table::FindContacts(t, host, g2.x - r, g2.y - r);
    t.Shot.PrevPos = g1;
    return hit;
}

void Ghost(platform::CDC& dc, const table::TableState& t)
{
    const table::Point p = t.Motion.ContactPos;
    const int D = t.Geometry.BallDiameter, r = t.Geometry.BallRadius;
    dc.LineTo(p.x + r, p.y + r);
    dc.Ellipse(p.x, p.y, p.x + D, p.y + D);
}

struct GuideDrawing {
    platform::CDC& dc;
    int oldRop;
    platform::CPen oldPen;
    platform::CBrush oldBrush;
    explicit GuideDrawing(platform::CDC& d)
        : dc(d), oldRop(d.SetROP2(platform::R2_XORPEN)),
          oldPen(d.SelectObject(platform::CPen(platform::PS_SOLID, 5, platform::PALETTERGB(255, 255, 255)))),
          oldBrush(d.SelectObject(platform::CBrush::Null()))
    {
    }
    ~GuideDrawing()
    {
        dc.SelectObject(oldPen);
        dc.SelectObject(oldBrush);
        dc.SetROP2(oldRop);
    }
};

} // namespace

table::Point FirstCushionPoint(table::TableState& t, table::Point aim, table::Point from)
{
    SilentHost host;
    const int D = t.Geometry.BallDiameter;
    t.Shot.StepLength = D;
    t.Shot.HorizontalMove = false;
    const table::Direction d = table::DirectionFromPoints(t, aim.x, aim.y, from.x, from.y);
    t.Motion.WorkDirX = d.dirX;
    t.Motion.WorkDirY = d.dirY;
    float slope = d.slope;
    if (std::fabs(slope) >= 15.0f)
        t.Shot.StepLength = 2 * D;
    const table::Rect& cr = t.Geometry.CushionRect;
    table::Point p = from;
    for (int n = 0; n < kMaxGuideSteps; ++n) {
        const table::Point next = table::MoveWithCushions(t, host, p.x, p.y, slope);
        const bool same = next == p;
        p = next;
        if (same || p.x == cr.left || p.x == cr.right || p.y == cr.top || p.y == cr.bottom)
            break;
    }
    return p;
}

bool GuideHitsBall(table::TableState& t)
{
    SilentHost host;
    const int r = t.Geometry.BallRadius;
    const table::Point g1 = t.Shot.PrevPos;
    t.Outcome.CollisionCount = 10;
    t.Shot.PrevPos = t.Shot.CurrentBallPos;
    const bool hit = table::FindContacts(t, host, g1.x - r, g1.y - r);
    t.Shot.PrevPos = g1;
    return hit;
}

table::Point GuideRebound(const table::TableState& t, table::Point g1, table::Point m)
{
    const table::Rect& cr = t.Geometry.CushionRect;
    const double a = g1.x, b = g1.y, c = m.x, d = m.y;
    const int spin = t.Shot.SideSpin;
    double f = std::fabs(b - d) < 1 ? 32767.0 : (a - c) / (b - d);
    double h = f;
    if (spin != 0) {
        const double angle = f != 0 ? std::atan(1 / f) - spin * double(t.Shot.SideSpinStep)
                                    : spin * double(t.Shot.SideSpinVertical);
        h = 1 / std::tan(angle);
    }
    const bool bottom = b >= cr.bottom, top = !bottom && b <= cr.top;
    const bool right = !bottom && !top && a >= cr.right;
    if (bottom || top) {
        if (c == a && spin == 0)
            return {g1.x, bottom ? cr.bottom : cr.top};
        if (h * f < 0 && std::fabs(f) > 0.1 && spin != 0)
            h = f;  // a spin that would send the ball back is ignored
        const int x1 = c > a ? cr.right : cr.left;
        const int y1 = std::fabs(h) > 0.01 ? int((x1 - a) / h + b) : g1.y;
        if (y1 >= cr.top - 1 && y1 <= cr.bottom + 1)
            return {x1, y1};
        const int y2 = top ? cr.bottom : cr.top;
        return {int((y2 - b) * h + a), y2};
    }
    if (d == b && spin == 0)
        return {right ? cr.right : cr.left, g1.y};
    if (h * f < 0 && std::fabs(f) < 25 && spin != 0)
        h = f;
    const int y1 = d > b ? cr.bottom : cr.top;
    const int x1 = int((y1 - b) * h + a);
    if (x1 >= cr.left - 1 && x1 <= cr.right + 1)
        return {x1, y1};
    const int x2 = right ? cr.left : cr.right;
    return {x2, std::fabs(h) > 0.01 ? int((x2 - a) / h + b) : g1.y};
}

void DrawGuide(Canvas& c)
{
    table::TableState& t = c.t;
    const int r = t.Geometry.BallRadius;
    const table::Point C{t.Shot.CurrentBallPos.x + r, t.Shot.CurrentBallPos.y + r};
    t.Shot.CurrentBall = 0;
    const table::Point g1 = FirstCushionPoint(t, t.Shot.AimPoint, C);
    t.Shot.PrevPos = g1;

    GuideDrawing pen(c.dc);
    c.dc.MoveTo(C.x, C.y);
    if (GuideHitsBall(t)) {
        Ghost(c.dc, t);
        return;
    }
    c.dc.LineTo(g1.x, g1.y);
    c.view.GuideFirst = g1;
    const table::Rect& cr = t.Geometry.CushionRect;
    const bool onSide = g1.y > cr.top && g1.y < cr.bottom;
    const table::Point mirror = onSide ? table::Point{C.x, 2 * g1.y - C.y} : table::Point{2 * g1.x - C.x, C.y};
    c.view.GuideSecond = mirror;
    const table::Point g2 = GuideRebound(t, g1, mirror);
    c.view.GuideSecond = g2;
    if (SecondLegHitsBall(t, g1, g2))
        Ghost(c.dc, t);
    else
        c.dc.LineTo(g2.x, g2.y);
}

void EraseCueAndGuide(Canvas& c)
{
    table::TableState& t = c.t;
    const int r = t.Geometry.BallRadius;
    DrawCue(c, t.Shot.AimPoint, t.Shot.CurrentBallPos);
    GuideDrawing pen(c.dc);
    c.dc.MoveTo(t.Shot.CurrentBallPos.x + r, t.Shot.CurrentBallPos.y + r);
    if (GuideHitsBall(t)) {
        Ghost(c.dc, t);
        return;
    }
    c.dc.LineTo(c.view.GuideFirst.x, c.view.GuideFirst.y);
    if (SecondLegHitsBall(t, t.Shot.PrevPos, c.view.GuideSecond))
        Ghost(c.dc, t);
    else
        c.dc.LineTo(c.view.GuideSecond.x, c.view.GuideSecond.y);
}

} // namespace render
