// The computer's geometry: direction angles, a line evaluated at x or y, pocket aim points and
// the path test against the object balls.
#pragma once
#include "table/table_state.h"

namespace computer {

// A line evaluated at a coordinate; `ok` is false where the line never reaches it.
struct LineValue {
    bool ok = true;
    int value = 0;
};

// Angle of the vector from a to b, counter-clockwise from +x with y up, 0..6.28 (3.14 stands for
// pi); a level direction to the right is 6.28, not 0.
float DirectionAngle(table::Point a, table::Point b);

// The line through a and b at a given y (its x) or at a given x (its y), truncated.
LineValue LineXAtY(table::Point a, table::Point b, int y);
LineValue LineYAtX(table::Point a, table::Point b, int x);

// Where the target centre t is to be sent for pocket 1..6: a point just inside the pocket,
// nudged by the direction from there to t.
table::Point PocketAimPoint(const table::TableGeometry& g, int pocket, table::Point t);

// Would a ball travelling from a to b touch an object ball other than `skip`? The sweep records
// its contact as a shot's sweep does.
bool PathBlocked(table::TableState& t, table::Point a, table::Point b, int skip);

} // namespace computer
