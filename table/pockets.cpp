// Pockets: the capture test, capturing a ball, respotting, and the placement helpers.
#include "table/pockets.h"

#include <algorithm>

namespace table {

bool PocketTest(TableState& t, int x, int y) {
    const TableGeometry& g = t.Geometry;
    const Rect& cr = g.CushionRect;
    const Rect* pr = g.PocketRect;
    const int r = g.BallRadius;
    t.Motion.PocketNumber = 0;
    // Only a ball near a long cushion can drop.
    if (cr.top + r < y && y < cr.bottom - r) return false;

    const int c = static_cast<int>(static_cast<float>(g.BallDiameter) * 0.75f);
    int pocket = 0;
    if (x < pr[1].right + c && y < pr[1].bottom + c)
        pocket = 1;
    else if (x < pr[2].right + c && y > pr[2].top - c)
        pocket = 2;
    else if (x > pr[3].left - c && y > pr[3].top - c)
        pocket = 3;
    else if (x > pr[4].left - c && y < pr[4].bottom + c)
        pocket = 4;
    else if (pr[5].left <= x && x <= pr[5].right && y <= cr.top)
        pocket = 5;
    else if (pr[6].left <= x && x <= pr[6].right && y >= cr.bottom)
        pocket = 6;
    t.Motion.PocketNumber = pocket;
    return pocket != 0;
}

void CapturePocketed(TableState& t, TableHost& host, int x, int y) {
    const TableGeometry& g = t.Geometry;
    const int r = g.BallRadius;
    const int i = t.Shot.CurrentBall;
    if (!PocketTest(t, x + r, y + r)) return;

    const int p = t.Motion.PocketNumber;
    const int w = (g.PocketRect[1].right - g.BallDiameter - g.PocketRect[1].left) / 2;
    host.DrawPocketedBall(i, p, x, y, g.PocketRect[p].left + w, g.PocketRect[p].top + w);
    t.Document.BallPos[i] = {OffTable, t.CurrentPlayer};
    t.Motion.Motion[i].steps = 0;
    t.Motion.Motion[i].order = 0;

    ShotOutcome& o = t.Outcome;
    if (i == 0) {
        o.CueBallPocketed = true;
        return;
    }
    o.PocketedThisShot.Append(i);
    o.ObjectBallPocketed = true;
    if (host.RemoveMatchingCards(i)) {
        host.PlayEffect(4);
        host.CheckGameEnd();
        t.Document.BallsLeft -= 1;
        host.RefreshHands();
    } else {
        o.WrongBallPocketed = i;
    }
}

bool IsOccupied(const TableState& t, int cx, int cy) {
    const int d = t.Geometry.BallDiameter;
    const int r = t.Geometry.BallRadius;
    const int left = cx - r, top = cy - r;
    const int right = left + d + 30, bottom = top + d + 30;
    for (int j = 0; j <= LastBall; ++j) {
        if (j == t.Shot.CurrentBall) continue;
        const Point b = t.Document.BallPos[j];
        const int w = std::min(right, b.x + d + 30) - std::max(left, b.x);
        const int h = std::min(bottom, b.y + d + 30) - std::max(top, b.y);
        if (w > 10 && h > 10) return true;
    }
    return false;
}

bool OutsideCushions(const TableState& t, int x, int y) {
    const Rect& cr = t.Geometry.CushionRect;
    return !(cr.left <= x && x < cr.right && cr.top <= y && y < cr.bottom);
}

void RespotPocketed(TableState& t, int mode, const std::function<bool(int ball)>& heldAtShotStart) {
    if (mode != 2 && mode != 3) return;
    const int r = t.Geometry.BallRadius;
    const Rect& ls = t.Geometry.LeftSpot;
    const int l = ls.left - r - 30;
    const int tp = ls.top - r - 30;
    const int px = l + (ls.right - l + r + 30) / 2;
    const int py = tp + (ls.bottom - tp + r + 30) / 2;

    const int savedCurrent = t.Shot.CurrentBall;
    const BallList pocketed = t.Outcome.PocketedThisShot;
    for (int n = 0; n < pocketed.count; ++n) {
        const int b = pocketed.balls[n];
        if (mode == 3 && heldAtShotStart && heldAtShotStart(b)) continue;
        t.Shot.CurrentBall = b;  // so that IsOccupied ignores the ball itself
        auto place = [&](int cy) { t.Document.BallPos[b] = {px - r, cy - r}; };
        if (!IsOccupied(t, px, py)) {
            place(py);
            continue;
        }
        // Outward along the vertical line, one radius at a time, up before down.
        for (int up = py, down = py;;) {
            up -= r;
            down += r;
            if (OutsideCushions(t, px, up)) break;
            if (!IsOccupied(t, px, up)) { place(up); break; }
            if (!OutsideCushions(t, px, down) && !IsOccupied(t, px, down)) { place(down); break; }
        }
    }
    t.Shot.CurrentBall = savedCurrent;
}

} // namespace table
