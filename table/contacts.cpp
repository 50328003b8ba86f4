// Contacts between balls: the pixel sweep, the rule-based response and the break's scatter.
#include "table/contacts.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "table/direction.h"
#include "table/float_math.h"

namespace table {

namespace {

Point Centre(Point p, int r) { return {p.x + r, p.y + r}; }

// +BallDiameter when the slope leads away from `from` (the larger squared distance), else minus.
int DirYAway(float s, int dx, int dy, int d) {
    const float plus = static_cast<float>(dx) + s;
    const float minus = static_cast<float>(dx) - s;
    const int64_t below = static_cast<int64_t>(dy) + 1;
    const int64_t above = static_cast<int64_t>(dy) - 1;
    const int ePlus = Trunc(plus * static_cast<float>(Trunc(plus)) + static_cast<float>(below * below));
    const int eMinus = Trunc(minus * static_cast<float>(Trunc(minus)) + static_cast<float>(above * above));
    return ePlus >= eMinus ? d : -d;
}

// The striker glances off the last struck ball, turned by side spin and mirrored by the cushion
// that ball lies on.
void Deflect(TableState& t, int s, int k, float slopeK, float a, float l, Point origin) {
    MotionRecords& m = t.Motion;
    const int d = t.Geometry.BallDiameter;
    const int r = t.Geometry.BallRadius;
    const Rect& cr = t.Geometry.CushionRect;
    const Point c = m.ContactPos;
    const int dx = c.x - origin.x;
    const int dy = c.y - origin.y;
    if (std::fabs(a - l) >= 0.125663704f) {
        const float u = 2.0f * SlopeToAngle(m.BallSlope[s]) - SlopeToAngle(slopeK);
        m.BallSlope[s] = std::fabs(u) < 0.005f ? 10000.0f : -1.0f / Tan(u);
        m.Motion[s].dirY = DirYAway(m.BallSlope[s], dx, dy, d);
    }
    if (t.Shot.SideSpin != 0) {
        m.BallSlope[s] = RotateSlope(m.BallSlope[s], static_cast<float>(t.Shot.SideSpin) * t.Shot.SideSpinStep);
        m.Motion[s].dirY = DirYAway(m.BallSlope[s], dx, dy, d);
    }
    const Point kc = Centre(t.Document.BallPos[k], r);
    if (kc.x == cr.left || kc.x == cr.right) {
        m.BallSlope[s] = -m.BallSlope[s];
        m.Motion[s].dirX = -m.Motion[s].dirX;
    }
    if (kc.y == cr.top || kc.y == cr.bottom) {
        m.BallSlope[s] = -m.BallSlope[s];
        m.Motion[s].dirY = -m.Motion[s].dirY;
    }
}

// The striker comes back along the struck ball's line, turned by side spin.
void Draw(TableState& t, int s, int k, float slopeK) {
    MotionRecords& m = t.Motion;
    const int d = t.Geometry.BallDiameter;
    if (t.Shot.SideSpin == 0) {
        m.Motion[s].dirX = -m.WorkDirX;
        m.Motion[s].dirY = -m.WorkDirY;
        m.BallSlope[s] = slopeK;
        return;
    }
    const float spin = static_cast<float>(t.Shot.SideSpin);
    if (t.Shot.HorizontalMove) {
        t.Shot.HorizontalMove = false;
        m.BallSlope[s] = 1.0f / Tan(spin * t.Shot.SideSpinVertical);
        return;
    }
    const float slope = 1.0f / Tan(Atan(1.0f / slopeK) - spin * t.Shot.SideSpinStep);
    m.BallSlope[s] = slope;
    m.Motion[s].dirX = -m.WorkDirX;
    const Point kp = t.Document.BallPos[k];
    m.Motion[s].dirY = DirYAway(slope, m.ContactPos.x - kp.x, m.ContactPos.y - kp.y, d);
}

} // namespace

bool SweepTest(TableState& t, Point s, Point e, Point target) {
    const int d = t.Geometry.BallDiameter;
    const int r = t.Geometry.BallRadius;
    const int dx = (e.x - s.x) / 10;
    const int dy = (e.y - s.y) / 10;
    const int adx = std::abs(dx);
    const int ady = std::abs(dy);
    const int n = std::max(adx, ady);
    const int g = d / 10;
    const int r2 = (d + 20) * (d + 20) / 100;
    const int tx = target.x / 10;
    const int ty = target.y / 10;

    int x = s.x / 10, y = s.y / 10;
    int accX = 0, accY = 0;
    for (int it = 0; it <= n; ++it) {
        const int px = x, py = y;
        accX += adx;
        accY += ady;
        if (accX > n) {
            accX -= n;
            if (dx != 0) x += dx > 0 ? 1 : -1;
        }
        if (accY > n) {
            accY -= n;
            if (dy != 0) y += dy > 0 ? 1 : -1;
        }
        if (x == px && y == py) continue;
        const int ox = tx - x;
        const int oy = ty - y;
        if (std::abs(ox) <= g && std::abs(oy) <= g && ox * ox + oy * oy <= r2) {
            t.Outcome.NoContactYet = false;
            t.Motion.ContactPos = {px * 10 - r, py * 10 - r};
            return true;
        }
    }
    return false;
}

bool FindContacts(TableState& t, TableHost& host, int x, int y) {
    MotionRecords& m = t.Motion;
    const int r = t.Geometry.BallRadius;
    const int current = t.Shot.CurrentBall;
    const Point start = Centre(t.Shot.PrevPos, r);
    Point end = {x + r, y + r};
    m.HitList.Clear();
    for (int j = 1; j <= LastBall; ++j) {
        if (j == current || t.Document.BallPos[j].x == OffTable) continue;
        if (SweepTest(t, start, end, Centre(t.Document.BallPos[j], r))) {
            if (t.Outcome.CollisionCount < 5) host.PlayEffect(1);
            m.HitList.Append(j);
            // Later balls are tested against the path up to this contact.
            end = Centre(m.ContactPos, r);
        }
    }
    if (current != 0 && t.Document.BallPos[0].x != OffTable) {
        if (SweepTest(t, start, end, Centre(t.Shot.CueBallTrack, r))) {
            if (t.Outcome.CollisionCount < 5) host.PlayEffect(1);
            m.HitList.Append(0);
        }
    }
    return m.HitList.count > 0;
}

void ResolveContact(TableState& t, TableHost& host) {
    MotionRecords& m = t.Motion;
    ShotState& shot = t.Shot;
    const Rect& cr = t.Geometry.CushionRect;
    const int r = t.Geometry.BallRadius;
    const int s = shot.StrikerBall;
    const Point origin = shot.PrevPos;

    // Touching two balls in one step puts the striker back where the step began.
    if (m.HitList.count > 1) m.ContactPos = origin;
    // The pixel walk can leave a contact centre up to 9 LU past the top or left cushion line;
    // a ball never rests outside the cushions.
    Point centre = Centre(m.ContactPos, r);
    if (centre.x < cr.left) centre.x = cr.left;
    if (centre.x > cr.right) centre.x = cr.right;
    if (centre.y < cr.top) centre.y = cr.top;
    if (centre.y > cr.bottom) centre.y = cr.bottom;
    m.ContactPos = {centre.x - r, centre.y - r};
    const Point c = m.ContactPos;
    t.Document.BallPos[s] = c;
    if (s == 0) shot.CueBallTrack = c;

    const Point p = m.ShotStartPos[s];
    float l = p.y == c.y ? 10000.0f : static_cast<float>(p.x - c.x) / static_cast<float>(p.y - c.y);
    float a = 0.0f;
    float slopeK = 0.0f;
    int last = s;
    for (int i = 1; i <= m.HitList.count; ++i) {
        const int k = m.HitList.balls[i - 1];
        last = k;
        t.Outcome.CollisionCount += 1;
        shot.CurrentBall = k;
        const Point kp = t.Document.BallPos[k];
        const Direction dir = DirectionFromPoints(t, c.x, c.y, kp.x, kp.y);
        slopeK = dir.slope == 0.0f ? 0.01f : dir.slope;
        m.WorkDirX = dir.dirX;
        m.WorkDirY = dir.dirY;
        if (i == 1) {
            a = SlopeToAngle(slopeK);
            l = SlopeToAngle(l);
        }
        BallMotion& km = m.Motion[k];
        km.dirX = dir.dirX;
        km.dirY = dir.dirY;
        m.BallSlope[k] = slopeK;
        km.order = m.Motion[s].order + i + 10;
        km.stepCount = 0;
        km.creep = 0;
        // A fixed share of the striker's speed.
        const int v = static_cast<int>(static_cast<float>(m.Motion[s].steps) * 0.65f);
        km.steps = v > 6 ? v : std::max(m.Motion[s].steps - 1, 6);
        if (km.kick > 0) km.kick = 0;
        if (s == 0 && shot.CushionHit) {
            m.Motion[0].order = 0;
            m.Motion[0].steps = 0;
        }
    }

    BallMotion& sm = m.Motion[s];
    const int v = m.Motion[last].steps;
    sm.steps = v > 10 ? static_cast<int>(static_cast<float>(v) * 0.8f) : v - 1;

    int scatter = shot.BreakShot ? static_cast<int>(static_cast<float>(sm.steps) * 0.8f)
                                 : static_cast<int>(static_cast<float>(sm.steps) * 0.5f);
    if (scatter < 3) scatter = 3;
    if (shot.BreakShot) {
        BreakScatter(t, host, scatter);
        shot.BreakShot = false;
    }

    switch (shot.SpinKind) {
    case 1:
        Deflect(t, s, last, slopeK, a, l, origin);
        break;
    case 2:
        if (std::fabs(std::fabs(a) - std::fabs(l)) < 0.15707963f) {
            // Nearly straight: the cue ball dies and its speed goes to the struck ball.
            sm.order = 0;
            m.Motion[last].steps = static_cast<int>(static_cast<float>(sm.steps) * 0.7f);
            sm.steps = 0;
        } else {
            Deflect(t, s, last, slopeK, a, l, origin);
        }
        break;
    case 3:
        Draw(t, s, last, slopeK);
        break;
    default:
        break;  // no spin: the striker keeps its own course
    }

    host.DrawBall(c.x, c.y, s);
    shot.SpinKind = 1;
}

void BreakScatter(TableState& t, TableHost& host, int steps) {
    MotionRecords& m = t.Motion;
    const int d = t.Geometry.BallDiameter;
    const int s = t.Shot.StrikerBall;
    int st = steps;
    if (st > 50)
        st = 50;
    else if (st <= 5)
        st = 3;
    const int strikerSteps = m.Motion[s].steps;
    const int strikerOrder = m.Motion[s].order;
    const int fast = std::min(strikerSteps, 3 * st);

    for (int i = 1; i <= LastBall; ++i) {
        float slope = Sin(static_cast<float>(host.ScatterRandom()));
        if (std::fabs(slope) < 0.01f) slope = 1.0f;
        m.BallSlope[i] = slope;
        const int sg = slope > 0.0f ? 1 : -1;
        BallMotion& bm = m.Motion[i];
        bm.steps = st;
        if (t.ScatterVariant) {
            switch (i) {
            case 1:
                bm.steps = fast; bm.dirX = sg * d; bm.dirY = -d; bm.order += strikerOrder + i + 600;
                break;
            case 2: case 3: case 4: case 5:
                bm.dirX = d; bm.dirY = sg * d; bm.order += strikerOrder + i + 300;
                break;
            case 6:
                bm.steps = fast; bm.dirX = d; bm.dirY = sg * d; bm.order += strikerOrder + i + 300;
                break;
            case 7:
                bm.steps = fast; bm.dirX = sg * d; bm.dirY = d; bm.order += strikerOrder + i + 250;
                break;
            case 8:
                bm.steps = fast; bm.dirX = -sg * d; bm.dirY = -d; bm.order += strikerOrder + i + 200;
                break;
            case 9: case 11:
                bm.dirX = sg * d; bm.dirY = d; bm.order += strikerOrder + i + 250;
                break;
            case 10: case 13:
                bm.dirX = -sg * d; bm.dirY = -d; bm.order += strikerOrder + i + 200;
                break;
            default:  // 12, 14, 15: an order at or below zero keeps them still until struck
                bm.dirX = d; bm.dirY = sg * d; bm.order += strikerOrder - i;
                break;
            }
        } else {
            if (i == 2 || i == 3 || i == 5) bm.steps = std::min(strikerSteps, 2 * st);
            bm.dirX = d;
            bm.dirY = sg * d;
        }
        bm.kick = -10;
        bm.stepCount = 0;
        bm.creep = 0;
    }
}

} // namespace table
