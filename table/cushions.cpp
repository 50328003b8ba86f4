// Advancing a ball's centre along its slope, and the cushion clamp with its rebounds and side spin.
#include <cmath>

#include "table/float_math.h"
#include "table/motion.h"

namespace table {

namespace {

// Guards the walk along y against a slope that is not a number; real slopes reach the step
// length within a few dozen increments.
constexpr int kMaxWalk = 100000;

// The slope after side spin acts on a rebound: turned by one spin unit, or set from the vertical
// spin angle when the path was vertical.
float SpunSlope(const ShotState& shot, float s) {
    const float spin = static_cast<float>(shot.SideSpin);
    const float a = s != 0.0f ? Atan(1.0f / s) - spin * shot.SideSpinStep : spin * shot.SideSpinVertical;
    return 1.0f / Tan(a);
}

} // namespace

Point AdvanceAlongSlope(TableState& t, int x, int y, float s) {
    const ShotState& shot = t.Shot;
    MotionRecords& m = t.Motion;
    const int len = shot.StepLength;
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);

    if (std::fabs(s) >= 15.0f && !shot.HorizontalMove) {
        // Shallow: a full step along x, y following from the slope.
        if (IsPositive(s))
            m.WorkDirX = m.WorkDirY > 0 ? len : -len;
        else if (IsNegative(s))
            m.WorkDirX = m.WorkDirY > 0 ? -len : len;
        const float nx = m.WorkDirX > 0 ? fx + static_cast<float>(len) : fx - static_cast<float>(len);
        const float ny = (nx - fx) / s + fy;
        return {Trunc(nx), Trunc(ny)};
    }

    // Walk along y in increments of 10 (or one full step along x when horizontal).
    const float inc = shot.HorizontalMove ? 0.0f : (m.WorkDirY > 0 ? 10.0f : -10.0f);
    float xp = fx, yp = fy;
    float prevX = fx, prevY = fy;
    bool first = true;
    int d = 0;
    for (int n = 0; n < kMaxWalk; ++n) {
        first = n == 0;
        prevX = xp;
        prevY = yp;
        if (!shot.HorizontalMove) {
            yp += inc;
            xp = fx + (yp - fy) * s;
        } else {
            xp = m.WorkDirX > 0 ? xp + static_cast<float>(len) : xp - static_cast<float>(len);
        }
        const float ex = xp - fx;
        const float ey = yp - fy;
        const int sum = Trunc(ex * static_cast<float>(Trunc(ex)) + static_cast<float>(Trunc(ey)) * ey);
        d = Trunc(std::sqrt(static_cast<double>(sum)));
        if (d >= len || shot.HorizontalMove) break;
    }
    if (!shot.HorizontalMove && d > t.Geometry.BallDiameter + 50) {
        if (!first) {
            xp = prevX;
            yp = prevY;
        } else {
            xp = fx + (yp - fy) * s * 0.33333334f;
        }
    }
    return {Trunc(xp), Trunc(yp)};
}

Point MoveWithCushions(TableState& t, TableHost& host, int x, int y, float& s) {
    ShotState& shot = t.Shot;
    MotionRecords& m = t.Motion;
    const Rect& cr = t.Geometry.CushionRect;
    const int d = t.Geometry.BallDiameter;

    Point p = AdvanceAlongSlope(t, x, y, s);
    // Two plain bounds rather than std::clamp: a window too small for its balls gives an empty
    // rectangle, and the ball must still land somewhere defined.
    if (p.x < cr.left) p.x = cr.left;
    if (p.x > cr.right) p.x = cr.right;
    if (p.y < cr.top) p.y = cr.top;
    if (p.y > cr.bottom) p.y = cr.bottom;
    shot.CushionHit = false;

    // Long cushion.
    if (p.y == cr.top || p.y == cr.bottom) {
        host.PlayEffect(0);
        m.WorkDirY = -m.WorkDirY;
        s = -s;
        if (shot.SideSpin != 0) {
            const float spun = SpunSlope(shot, s);
            // Spin that would turn the ball back across the slope is ignored unless nearly vertical.
            if (!(spun * s < 0.0f && std::fabs(s) > 0.1f)) s = spun;
        }
        shot.CushionHit = true;
    }

    // Short cushion; in a corner both rebounds apply in the same step.
    if (p.x == cr.left || p.x == cr.right) {
        host.PlayEffect(0);
        s = -s;
        m.WorkDirX = -m.WorkDirX;
        if (shot.SideSpin != 0) {
            if (shot.HorizontalMove) {
                s = Tan(-static_cast<float>(shot.SideSpin) * shot.SideSpinVertical);
                shot.HorizontalMove = false;
                if (p.x == cr.left) {
                    m.WorkDirX = d;
                    m.WorkDirY = s > 0.0f ? d : -d;
                } else {
                    m.WorkDirX = -d;
                    m.WorkDirY = s > 0.0f ? -d : d;
                }
            } else {
                const float spun = SpunSlope(shot, s);
                if (spun * s < 0.0f) {
                    if (std::fabs(s) >= 25.0f) {
                        s = spun;
                        m.WorkDirY = -m.WorkDirY;
                    }
                } else {
                    s = spun;
                }
            }
        }
        shot.CushionHit = true;
    }
    return p;
}

} // namespace table
