// The motion loop with its pacing, and one step of a ball.
#include "table/motion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "table/contacts.h"
#include "table/pockets.h"

namespace table {

namespace {

// How long ball `steps` must wait before its next step, updating the ball's pacing delay.
uint32_t PaceFor(uint32_t& paceDelay, int steps, int gameSpeed) {
    const int base = static_cast<int>(static_cast<float>(9 - gameSpeed) * 2.5f);
    int want;
    if (steps < 40)
        want = 6 * base - steps;
    else if (steps <= 80)
        want = static_cast<int>(static_cast<float>(base) * 1.5f);
    else
        want = base;
    // Unsigned on purpose: a negative want is larger than any delay.
    if (paceDelay < static_cast<uint32_t>(want)) paceDelay = static_cast<uint32_t>(want);
    if (paceDelay < static_cast<uint32_t>(base)) paceDelay = static_cast<uint32_t>(base);
    if (paceDelay > static_cast<uint32_t>(4 * base)) paceDelay = static_cast<uint32_t>(4 * base);
    if (steps <= 6)
        paceDelay = static_cast<uint32_t>((6 - steps) * std::clamp(base, 5, 15) * 4);
    return paceDelay;
}

} // namespace

void RunMotion(TableState& t, TableHost& host) {
    MotionRecords& m = t.Motion;
    t.Outcome.CollisionCount = 0;
    uint32_t paceDelay[BallSlots];
    uint32_t lastStepTick[BallSlots];
    std::fill(std::begin(paceDelay), std::end(paceDelay), 5u);
    std::fill(std::begin(lastStepTick), std::end(lastStepTick), 0u);

    struct Pair { int ball; int order; };
    Pair list[LastBall + 1];
    int sortedFrom[LastBall + 1];  // the orders the current list was sorted from
    bool sorted = false;
    for (;;) {
        int movingCount = 0;
        bool sameOrders = sorted;
        for (int ball = 0; ball <= LastBall; ++ball) {
            if (m.Motion[ball].steps > 0) ++movingCount;
            sameOrders = sameOrders && sortedFrom[ball] == m.Motion[ball].order;
        }
        if (movingCount == 0) return;

        // Exchange sort, larger order first; equal keys are never swapped directly. Passes that
        // only wait for pacing change no order, and the same orders always sort the same way.
        if (!sameOrders) {
            for (int ball = 0; ball <= LastBall; ++ball) {
                list[ball] = {ball, m.Motion[ball].order};
                sortedFrom[ball] = list[ball].order;
            }
            for (int j = 0; j <= LastBall; ++j)
                for (int k = j + 1; k <= LastBall; ++k)
                    if (list[k].order > list[j].order) std::swap(list[j], list[k]);
            sorted = true;
        }

        bool passActive = false;
        int stepCalls = 0;
        for (const Pair& pair : list) {
            const int ball = pair.ball;
            BallMotion& bm = m.Motion[ball];
            t.Shot.ShotPower = 1;
            t.Shot.CurrentBall = ball;
            if (bm.steps <= 0 || bm.order <= 0) {
                paceDelay[ball] = 10;
                lastStepTick[ball] = 0;
                continue;
            }
            passActive = true;
            t.Shot.CurrentBallPos = t.Document.BallPos[ball];
            t.Shot.PrevPos = t.Document.BallPos[ball];
            m.StepCollided = false;

            if ((movingCount <= 5 || bm.steps <= 18) && movingCount <= 9) {
                const uint32_t delay = PaceFor(paceDelay[ball], bm.steps, t.GameSpeed);
                const uint32_t now = host.Ticks();
                const uint32_t elapsed = lastStepTick[ball] != 0 ? now - lastStepTick[ball] : delay + 2;
                if (delay > elapsed) continue;
                lastStepTick[ball] = now;
            }

            StepBall(t, host);
            ++stepCalls;

            // The abnormal-position test comes before a colliding step ends the pass: otherwise,
            // once StrokeCount > 1, two jammed balls strike each other for ever.
            if (t.Outcome.CollisionCount > AbnormalCollisionCount && !t.Shot.BreakShot) {
                host.ShowAbnormalPosition();
                return;
            }
            if (m.StepCollided && t.Document.StrokeCount > 1) break;
        }
        host.PassEnded(stepCalls);
        if (!passActive) return;
    }
}

void StepBall(TableState& t, TableHost& host) {
    ShotState& shot = t.Shot;
    MotionRecords& m = t.Motion;
    const int i = shot.CurrentBall;
    BallMotion& bm = m.Motion[i];
    const int d = t.Geometry.BallDiameter;
    const int r = t.Geometry.BallRadius;
    const Point at = shot.CurrentBallPos;

    if (shot.ShotPower < 1) return;
    shot.HorizontalMove = std::fabs(m.BallSlope[i]) > 10000.0f;

    m.WorkDirX = bm.dirX;
    m.WorkDirY = bm.dirY;
    bm.steps -= 1;

    // Step length: 1.2 radii while fast, shrinking over the last 25 steps (so 25 is longer than
    // 26), a full diameter while kicked, never below a fifth of the diameter.
    const int s = bm.steps;
    int length = s > 25 ? static_cast<int>(static_cast<float>(r) * 1.2f)
                        : static_cast<int>(static_cast<float>((s + 5) * r) * 1.2f * 0.04f);
    if (bm.kick < 0) length = d;
    bm.kick += 1;
    if (length < d / 5) length = d / 5;
    shot.StepLength = length;

    // Each roll ends with five extra minimum-length steps before the final two.
    if (bm.creep != 5 && bm.steps == 1) {
        bm.steps = 2;
        bm.creep += 1;
    }
    if (bm.steps < 0) {
        bm.order = 0;
        bm.steps = 0;
        shot.StepLength = 0;
        return;
    }

    bm.stepCount += 1;
    float slope = m.BallSlope[i];
    const Point c = MoveWithCushions(t, host, at.x + r, at.y + r, slope);
    const Point moved = {c.x - r, c.y - r};
    m.BallSlope[i] = slope;
    bm.dirX = m.WorkDirX;
    bm.dirY = m.WorkDirY;

    if (moved == shot.PrevPos) return;

    host.EraseBall(shot.PrevPos.x, shot.PrevPos.y);
    shot.StrikerBall = i;
    if (FindContacts(t, host, moved.x, moved.y)) {
        m.StepCollided = true;
        ResolveContact(t, host);
        return;
    }
    host.DrawBall(moved.x, moved.y, i);
    t.Document.BallPos[i] = moved;
    if (i == 0) shot.CueBallTrack = moved;
    shot.PrevPos = moved;
    shot.ShotPower -= 1;
    CapturePocketed(t, host, moved.x, moved.y);
}

} // namespace table
