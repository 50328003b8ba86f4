// Ball size, table layout, pockets, spots, the rack and the cue ball's start.
#include "table/layout.h"

#include <algorithm>

namespace table {

void SelectBallSize(TableGeometry& g, int clientHeight, int dialogBaseUnitY) {
    const int t = std::max(40, dialogBaseUnitY * 18 / 8 + 5);
    int n = (clientHeight - t / 2 - 96) / 20;
    if (g.FrameWidth < 10000) n += 1;
    n = std::clamp(n, 15, 30);
    const int d = 10 * n;

    // Snapped in this order; 290 and 300 stay as they are.
    struct Snap { int from, to, diameter; float scale; };
    static constexpr Snap kSnaps[] = {
        {260, 280, 280, 1.6f}, {220, 250, 250, 1.5f}, {190, 210, 210, 1.3f},
        {160, 180, 170, 1.2f}, {150, 150, 150, 1.1f}, {290, 300, 0, 1.6f},
    };
    g.BallDiameter = d;
    for (const Snap& s : kSnaps) {
        if (d >= s.from && d <= s.to) {
            if (s.diameter != 0) g.BallDiameter = s.diameter;
            g.DisplayScale = s.scale;
            break;
        }
    }
    g.BallRadius = g.BallDiameter / 2;
}

void LayOutTable(TableGeometry& g, int clientWidth, int clientHeight) {
    const int d = g.BallDiameter;
    const int r = g.BallRadius;
    const int w = 10 * clientWidth;
    const int h = 10 * clientHeight;
    const int c = static_cast<int>(static_cast<float>(d) * 1.5f);
    g.TableRect = {0, CardStripHeight, w, h};
    g.RailWidth = c;
    g.CushionRect = {c + r + d / 5, CardStripHeight + c + r + d / 5, w - c - r - d / 5,
                     h - c - r - d - d / 5 - 20};
    g.RackArea = {c - 30, CardStripHeight + c - 30, w - c + 30, h - d - c + 10};
}

void LayOutPockets(TableGeometry& g, int clientWidth, int clientHeight) {
    const int d = g.BallDiameter;
    const int a = static_cast<int>(static_cast<float>(g.RailWidth) * 0.8f);
    const Rect rail = {a - 30, CardStripHeight + a - 30, 10 * clientWidth - a + 30,
                       10 * clientHeight - d - a + 10};
    const int f = static_cast<int>(static_cast<float>(d) * 0.6f);
    const int gg = f + f / 4;
    const int k = f - f / 4;
    const int e = 2 * (f / 6);
    const int mid = (rail.left + rail.right) / 2;
    g.PocketRect[0] = {};
    g.PocketRect[1] = {rail.left - k, rail.top - k, rail.left + gg, rail.top + gg};
    g.PocketRect[2] = {rail.left - k, rail.bottom - gg, rail.left + gg, rail.bottom + k};
    g.PocketRect[3] = {rail.right - gg, rail.bottom - gg, rail.right + k, rail.bottom + k};
    g.PocketRect[4] = {rail.right - gg, rail.top - k, rail.right + k, rail.top + gg};
    g.PocketRect[5] = {mid - f, rail.top - f - e, mid + f, rail.top + f - e};
    g.PocketRect[6] = {mid - f, rail.bottom + e - f, mid + f, rail.bottom + f + e};
}

void LayOutSpots(TableGeometry& g) {
    const Rect& ra = g.RackArea;
    const int r = g.BallRadius;
    const int a = g.BallDiameter <= 160 ? g.RailWidth / 2 - 25 : g.RailWidth / 2 - 50;
    const int q8 = (ra.right - ra.left + 2 * a) / 8;
    const int q4 = (ra.bottom - ra.top + 2 * a) / 4;
    const int top = ra.top + 2 * q4 - 20 - a - r / 2;
    const int left = ra.left + 4 * q8 - 20 - a - r / 2;
    g.CentreSpot = {left, top, left + r, top + r};
    g.LeftSpot = {left - 2 * q8, top, left - 2 * q8 + r, top + r};
    g.RightSpot = {left + 2 * q8, top, left + 2 * q8 + r, top + r};
    g.SpotsLaidOut = true;
}

void PlaceRack(const TableGeometry& g, Point* ballPos) {
    const Rect& ra = g.RackArea;
    const int r = g.BallRadius;
    const int s = g.BallDiameter + 10;
    const int h = s / 2;
    const int b = g.RailWidth / 2 - 50;
    const int x0 = static_cast<int>(static_cast<float>(ra.right - ra.left + 2 * b) * 0.75f +
                                    static_cast<float>(ra.left - b - 20) - static_cast<float>(r));
    const int y0 = ra.top + ((ra.bottom - ra.top + 2 * b) / 4) * 2 - r / 2 - b - 20;

    // The triangle points to the left end of the table; ball 1 is the apex.
    static constexpr int kOffsets[LastBall + 1][2] = {
        {0, 0},                                                  // cue ball: not racked
        {0, 0}, {4, 4}, {4, -4}, {4, 2}, {4, 0},                 // 1..5 (dy in half spacings)
        {4, -2}, {1, 1}, {1, -1}, {3, 3}, {3, -3},               // 6..10
        {2, 2}, {2, 0}, {2, -2}, {3, 1}, {3, -1},                // 11..15
    };
    for (int ball = 1; ball <= LastBall; ++ball)
        ballPos[ball] = {x0 + kOffsets[ball][0] * s, y0 + kOffsets[ball][1] * h};
}

Point CueBallStart(const TableGeometry& g) {
    return {g.FrameWidth / 4 - g.BallRadius, (g.FrameHeight - 4000) / 2 + 1600};
}

} // namespace table
