// The computer's stroke settings: power from the planned distance, side spin from the target's path.
#include "computer/stroke_choice.h"

#include "computer/shot_geometry.h"
#include "table/pockets.h"

namespace computer {

int ChoosePowerLevel(const table::TableGeometry& g, int d) {
    const double l = g.FrameWidth;
    const double dd = d;
    if (dd >= 0.75 * l) return 90;
    if (dd >= 0.6 * l) return 80;
    if (dd >= 0.4 * l) return 70;
    if (dd >= 0.3 * l) return 60;
    if (dd > 0.22 * l) return 50;
    return 40;
}

int ChooseSideSpin(table::TableState& t, table::Point a, table::Point target) {
    const table::Rect& cr = t.Geometry.CushionRect;
    if (a.y != target.y) {
        // Upwards the path meets the top cushion, downwards the bottom one.
        const int y = a.y > target.y ? cr.top : cr.bottom;
        const int x = LineXAtY(a, target, y).value;
        if (cr.left <= x && x <= cr.right) return table::PocketTest(t, x, y) ? 1 : 0;
    }
    // A level path, or one that leaves through a short side: both ends are tried.
    if (table::PocketTest(t, cr.left, LineYAtX(a, target, cr.left).value)) return 1;
    return table::PocketTest(t, cr.right, LineYAtX(a, target, cr.right).value) ? 1 : 0;
}

} // namespace computer
