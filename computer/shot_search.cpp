// The computer's shot search and its cue-ball placement.
#include "computer/shot_search.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "computer/shot_geometry.h"
#include "table/direction.h"
#include "table/float_math.h"
#include "table/pockets.h"

namespace computer {

namespace {

int LiveCards(std::span<const int> hand) {
    int n = 0;
    for (const int card : hand) n += card != -1 ? 1 : 0;
    return n;
}

table::Point BallCentre(const table::TableState& t, int ball) {
    const int r = t.Geometry.BallRadius;
    const table::Point p = t.Document.BallPos[ball];
    return {p.x + r, p.y + r};
}

// The single-precision root of an integer sum of squares. The sum is taken in 64 bits so that
// far-apart points cannot overflow it.
float Length(table::Point a, table::Point b) {
    const int64_t dx = static_cast<int64_t>(a.x) - b.x;
    const int64_t dy = static_cast<int64_t>(a.y) - b.y;
    return std::sqrt(static_cast<float>(dy * dy + dx * dx));
}

// The fallback shot's length: the one that gives the power for 0.6 of the window's width.
int FallbackDistance(const table::TableGeometry& g) { return table::Trunc(0.6 * g.FrameWidth); }

bool AnyClear(const ShotCandidate (&cands)[6]) {
    for (const ShotCandidate& s : cands)
        if (s.clear) return true;
    return false;
}

// Class of one clear pocket for the cue ball at centre `cue`: 0 blocked or cut back, 2 a nearly
// straight shot, 1 anything in between. Writes the contact point to `contact`.
int ShotClass(SearchContext& c, int ball, table::Point target, table::Point cue, const ShotCandidate& s,
              table::Point& contact) {
    if (!s.clear) return 0;
    contact = table::PointBeyond(target, s.aim, c.t.Geometry.BallDiameter + 20);
    if (PathBlocked(c.t, contact, cue, ball)) return 0;
    const float back = DirectionAngle(contact, cue);
    const float on = DirectionAngle(contact, s.aim);
    const float delta = std::fabs(back - on);
    if (delta < 1.57f) return 0;
    if (2.0f < delta && delta < 4.0f) return 2;
    return 1;
}

} // namespace

void EvaluatePockets(SearchContext& c, int ball, table::Point target, ShotCandidate (&out)[6]) {
    for (int i = 0; i < 6; ++i) {
        ShotCandidate& s = out[i];
        s = ShotCandidate{};
        s.pocket = i + 1;
        s.aim = PocketAimPoint(c.t.Geometry, i + 1, target);
        s.clear = !PathBlocked(c.t, target, s.aim, ball);
    }
}

void SortByDistance(table::Point target, ShotCandidate (&cands)[6]) {
    for (ShotCandidate& s : cands) s.distance = table::Trunc(Length(s.aim, target));
    for (int p = 0; p < 5; ++p)
        for (int q = p + 1; q < 6; ++q)
            if (cands[q].distance < cands[p].distance) std::swap(cands[p], cands[q]);
}

table::Point FindComputerShot(SearchContext& c, ComputerHost& host) {
    if (c.t.Game.CueInHand) return PlaceCueBallForComputer(c, host);
    const int p = c.t.CurrentPlayer;
    const int n = LiveCards(c.hands[p]);
    const int r = c.t.Geometry.BallRadius;
    const table::Point cue = {c.t.Shot.CurrentBallPos.x + r, c.t.Shot.CurrentBallPos.y + r};

    table::Point target{};
    for (int k = 1; k <= n; ++k) {
        const int b = CandidateTarget(c, k);
        c.ComputerTarget = b;
        target = BallCentre(c.t, b);
        ShotCandidate cands[6];
        EvaluatePockets(c, b, target, cands);
        if (!AnyClear(cands)) continue;
        // Classes are worked out in pocket order (the path tests record their contacts), then
        // the pockets are ordered by distance.
        table::Point contact[7];
        for (ShotCandidate& s : cands) s.shotClass = ShotClass(c, b, target, cue, s, contact[s.pocket]);
        SortByDistance(target, cands);
        const ShotCandidate* chosen = nullptr;
        for (const int wanted : {2, 1}) {
            for (const ShotCandidate& s : cands) {
                if (s.shotClass == wanted) {
                    chosen = &s;
                    break;
                }
            }
            if (chosen) break;
        }
        if (!chosen) continue;
        c.PlannedDistance = table::Trunc(Length(cue, target) + static_cast<float>(chosen->distance));
        return contact[chosen->pocket];
    }
    // Nothing pots: straight at the last candidate's centre (with an empty hand, the highest ball
    // on the table) with the power for 0.6 of the width.
    if (n == 0) {
        c.ComputerTarget = CandidateTarget(c, 1);
        target = BallCentre(c.t, c.ComputerTarget);
    }
    c.PlannedDistance = FallbackDistance(c.t.Geometry);
    return target;
}

table::Point PlaceCueBallForComputer(SearchContext& c, ComputerHost& host) {
    table::TableState& t = c.t;
    const int x = c.HeadLineX;
    const int d = t.Geometry.BallDiameter;
    const int r = t.Geometry.BallRadius;
    const int n = LiveCards(c.hands[t.CurrentPlayer]);

    bool onPocketLine = false;
    table::Point spot{}, pocketAim{}, target{};
    for (int k = 1; k <= n && !onPocketLine; ++k) {
        const int b = CandidateTarget(c, k);
        c.ComputerTarget = b;
        target = BallCentre(t, b);
        ShotCandidate cands[6];
        EvaluatePockets(c, b, target, cands);
        if (!AnyClear(cands) && k < n) continue;
        SortByDistance(target, cands);
        t.Shot.CurrentBall = 0;
        for (const ShotCandidate& s : cands) {
            if (!s.clear) continue;
            // The cue ball stands on the placement line, on the line from the pocket through the
            // target.
            const int y = LineYAtX(target, s.aim, x).value;
            if (table::OutsideCushions(t, x, y)) continue;
            if (table::IsOccupied(t, x, y)) continue;
            if (PathBlocked(t, {x, y}, target, b)) continue;
            spot = {x, y};
            pocketAim = s.aim;
            onPocketLine = true;
            break;
        }
    }
    if (n == 0) {
        c.ComputerTarget = CandidateTarget(c, 1);
        target = BallCentre(t, c.ComputerTarget);
        t.Shot.CurrentBall = 0;
    }

    bool found = onPocketLine;
    if (!found) {
        // Any free spot on the placement line: upwards from the left spot's top, then downwards
        // from one diameter below it.
        const int y0 = t.Geometry.LeftSpot.top;
        for (int y = y0; !found; y -= d) {
            if (y != y0 && table::OutsideCushions(t, x, y)) break;
            if (!table::IsOccupied(t, x, y)) {
                spot = {x, y};
                found = true;
            }
        }
        for (int y = y0 + d; !found; y += d) {
            if (y != y0 + d && table::OutsideCushions(t, x, y)) break;
            if (!table::IsOccupied(t, x, y)) {
                spot = {x, y};
                found = true;
            }
        }
    }

    c.Placed = found;
    c.PlacedAt = found ? spot : table::Point{};
    const table::Point cueTopLeft = t.Shot.CurrentBallPos;
    if (found) {
        host.EraseBall(cueTopLeft.x, cueTopLeft.y);
        host.DrawBall(spot.x - r, spot.y - r, 0);
        host.Delay(20);
        host.PressLButton({spot.x / 10, spot.y / 10});
    } else {
        // No room anywhere: the cue ball is shot from where it lies.
        t.Game.CueInHand = false;
        host.PressLButton({(cueTopLeft.x + r) / 10, (cueTopLeft.y + r) / 10});
    }
    c.PlannedDistance = onPocketLine ? table::Trunc(Length(spot, pocketAim)) : FallbackDistance(t.Geometry);
    return target;
}

} // namespace computer
