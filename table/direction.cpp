// Directions between points and the slope/angle helpers.
#include "table/direction.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "table/float_math.h"

namespace table {

namespace {
constexpr float kHalfPi = 1.5707963f;
}

Direction DirectionFromPoints(int x1, int y1, int x2, int y2, int ballDiameter) {
    Direction out;
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    if (dy != 0) {
        out.slope = static_cast<float>(dx) / static_cast<float>(dy);
    } else {
        out.slope = 32767.0f;
        out.horizontal = true;
    }
    if (std::abs(dx) < 2 || std::fabs(out.slope) <= 0.03f) out.slope = 0.0f;

    out.dirX = ballDiameter;
    out.dirY = ballDiameter;
    if (IsPositive(out.slope)) {
        if (dx <= 0) out.dirY = -ballDiameter;
    } else if (IsNegative(out.slope)) {
        if (dx > 0) out.dirY = -ballDiameter;
    } else if (y1 >= y2) {
        out.dirY = -ballDiameter;
    }
    if (out.horizontal && x2 < x1) out.dirX = -ballDiameter;
    return out;
}

Direction DirectionFromPoints(TableState& t, int x1, int y1, int x2, int y2) {
    const Direction d = DirectionFromPoints(x1, y1, x2, y2, t.Geometry.BallDiameter);
    t.Shot.HorizontalMove = d.horizontal;
    return d;
}

float SlopeToAngle(float slope) {
    if (std::fabs(slope) >= 0.005f) return -Atan(1.0f / slope);
    return kHalfPi;
}

float RotateSlope(float slope, float turn) {
    float t = turn - Atan(slope) + kHalfPi;
    if (t > kHalfPi) t = kHalfPi - t;
    if (std::fabs(t) < 0.01f) return 10000.0f;
    return 1.0f / Tan(t);
}

Point PointBeyond(Point a, Point b, int k) {
    const int64_t ex = static_cast<int64_t>(a.x) - b.x;
    const int64_t ey = static_cast<int64_t>(a.y) - b.y;
    float h = static_cast<float>(std::sqrt(static_cast<double>(ex * ex + ey * ey)));
    const float r = -static_cast<float>(k);
    // Guards: a result on b, and a and b (nearly) the same point.
    if (std::fabs(h - r) < 0.01f) h = h + 0.1f;
    float w = r / (h - r);
    if (std::fabs(w + 1.0f) < 0.01f) w = -1.1f;
    const double wd = w;
    return {Trunc((a.x + wd * b.x) / (1.0 + wd)), Trunc((a.y + wd * b.y) / (1.0 + wd))};
}

} // namespace table
