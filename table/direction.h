// Directions between points and the slope/angle helpers shared by motion, aiming and the computer.
#pragma once
#include "table/table_state.h"

namespace table {

// A direction: slope dx/dy with the signs of travel; `horizontal` is what HorizontalMove becomes.
struct Direction {
    float slope = 0.0f;
    int dirX = 0;
    int dirY = 0;
    bool horizontal = false;
};

Direction DirectionFromPoints(int x1, int y1, int x2, int y2, int ballDiameter);
// The same, also setting shot.HorizontalMove as the game's routine does.
Direction DirectionFromPoints(TableState& t, int x1, int y1, int x2, int y2);

float SlopeToAngle(float slope);
float RotateSlope(float slope, float turn);

// The point at distance |k| from a on the line through a and b: away from b for k > 0, towards b
// for k < 0.
Point PointBeyond(Point a, Point b, int k);

} // namespace table
