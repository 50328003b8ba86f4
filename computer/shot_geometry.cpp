// The computer's geometry: direction angles, lines, pocket aim points and the path test.
#include "computer/shot_geometry.h"

#include "table/contacts.h"
#include "table/float_math.h"

namespace computer {

namespace {

// Pocket nudge limits: degrees times 3.14/180.
constexpr float k20 = 0.348889f;
constexpr float k70 = 1.221111f;
constexpr float k160 = 2.791111f;
constexpr float k165 = 2.878333f;
constexpr float k200 = 3.488889f;
constexpr float k250 = 4.361111f;
constexpr float k290 = 5.058889f;
constexpr float k340 = 5.931111f;

} // namespace

float DirectionAngle(table::Point a, table::Point b) {
    if (b.x == a.x) return b.y <= a.y ? 1.57f : 3.14f + 1.57f;
    const float s = static_cast<float>(b.y - a.y) / static_cast<float>(b.x - a.x);
    if (b.x > a.x) return b.y < a.y ? -table::Atan(s) : 6.28f - table::Atan(s);
    return 3.14f - table::Atan(s);
}

LineValue LineXAtY(table::Point a, table::Point b, int y) {
    if (a.x == b.x) return {true, a.x};
    if (a.y == b.y) return {false, 0};
    const float slope = static_cast<float>(b.y - a.y) / static_cast<float>(b.x - a.x);
    return {true, table::Trunc(static_cast<float>(y - a.y) / slope + static_cast<float>(a.x))};
}

LineValue LineYAtX(table::Point a, table::Point b, int x) {
    if (a.x == b.x) return {false, 0};
    if (a.y == b.y) return {true, a.y};
    const float slope = static_cast<float>(b.y - a.y) / static_cast<float>(b.x - a.x);
    return {true, table::Trunc(slope * static_cast<float>(x - a.x) + static_cast<float>(a.y))};
}

table::Point PocketAimPoint(const table::TableGeometry& g, int pocket, table::Point t) {
    const table::Rect& p = g.PocketRect[pocket];
    const int r = g.BallRadius;
    const int third = r / 3, half = r / 2;
    table::Point base;
    switch (pocket) {
    case 1: base = {p.right + r, p.bottom + r}; break;
    case 2: base = {p.right + r, p.top - r}; break;
    case 3: base = {p.left - r, p.top - r}; break;
    case 4: base = {p.left - r, p.bottom + r}; break;
    case 5: base = {(p.left + p.right) / 2, p.bottom + r}; break;
    default: base = {(p.left + p.right) / 2, p.top - r}; break;
    }
    const float a = DirectionAngle(base, t);
    table::Point aim = base;
    switch (pocket) {
    case 1:
        if (a > k340) aim.y -= third;
        if (a < k290) aim.x -= third;
        break;
    case 2:
        if (a > k70) aim.x -= third;
        if (a < k20) aim.y += third;
        break;
    case 3:  // this corner's limits sit at 165 and 160 degrees
        if (a > k165) aim.y += third;
        if (a < k160) aim.x += third;
        break;
    case 4:
        if (a > k250) aim.x += third;
        if (a < k200) aim.y -= third;
        break;
    case 5:
        if (a > k340 || a < k200) aim.y -= half;
        break;
    default:
        if (a > k160 || a < k20) aim.y += half;
        break;
    }
    return aim;
}

bool PathBlocked(table::TableState& t, table::Point a, table::Point b, int skip) {
    const int r = t.Geometry.BallRadius;
    for (int id = 1; id <= table::LastBall; ++id) {
        if (id == skip) continue;
        const table::Point p = t.Document.BallPos[id];
        if (p.x == table::OffTable) continue;
        if (table::SweepTest(t, a, b, {p.x + r, p.y + r})) return true;
    }
    return false;
}

} // namespace computer
