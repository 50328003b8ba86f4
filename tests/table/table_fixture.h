// A laid-out table and a recording host on a virtual clock, shared by the table tests.
#pragma once
#include <cstdint>
#include <ostream>
#include <vector>

#include "table/layout.h"
#include "table/table_host.h"
#include "table/table_state.h"

namespace table {
// Readable points in test failures.
inline void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
} // namespace table

namespace tabletest {

// Records what the physics asks of the game; time moves 1 ms per idle pass and by Delay.
class RecordingHost : public table::TableHost {
public:
    uint32_t now = 1000;
    std::vector<int> effects;
    struct Drawn { int x, y, ball; uint32_t tick; };
    std::vector<Drawn> drawn;
    std::vector<int> pocketedBalls;
    int abnormalMessages = 0;
    bool allowCards = true;
    int removeCalls = 0;
    int gameEndChecks = 0;
    int handRefreshes = 0;
    std::vector<int> randoms;
    size_t nextRandom = 0;
    long stepCalls = 0;
    long passes = 0;
    long passLimit = 0;  // 0: no limit; otherwise passes beyond it count as a hang

    uint32_t Ticks() override { return now; }
    void Delay(int ms) override { if (ms > 0) now += static_cast<uint32_t>(ms); }
    void PlayEffect(int e) override { effects.push_back(e); }
    void DrawBall(int x, int y, int ball) override { drawn.push_back({x, y, ball, now}); }
    void EraseBall(int, int) override {}
    void DrawPocketedBall(int ball, int, int, int, int, int) override { pocketedBalls.push_back(ball); }
    void ShowAbnormalPosition() override { ++abnormalMessages; }
    bool RemoveMatchingCards(int) override { ++removeCalls; return allowCards; }
    void CheckGameEnd() override { ++gameEndChecks; }
    void RefreshHands() override { ++handRefreshes; }
    int ScatterRandom() override { return nextRandom < randoms.size() ? randoms[nextRandom++] : 0; }
    void PassEnded(int calls) override {
        stepCalls += calls;
        ++passes;
        if (calls == 0) now += 1;
    }
};

// An 800 x 600 pixel client, diameter 250: CushionRect (550, 1510, 7450, 5180).
inline table::TableState LaidOutTable(int diameter = 250) {
    table::TableState t;
    table::TableGeometry& g = t.Geometry;
    g.FrameWidth = 8080;
    g.FrameHeight = 6460;
    g.BallDiameter = diameter;
    g.BallRadius = diameter / 2;
    table::LayOutTable(g, 800, 600);
    table::LayOutPockets(g, 800, 600);
    table::LayOutSpots(g);
    // Every object ball pocketed and out of the way unless a test puts it on the table.
    for (int i = 0; i <= table::LastBall; ++i) t.Document.BallPos[i] = {table::OffTable, 1};
    t.Document.StrokeCount = 1;
    return t;
}

// Puts ball `ball` with its centre at (cx, cy).
inline void PutCentre(table::TableState& t, int ball, int cx, int cy) {
    const int r = t.Geometry.BallRadius;
    t.Document.BallPos[ball] = {cx - r, cy - r};
    if (ball == 0) t.Shot.CueBallTrack = t.Document.BallPos[0];
}

// Sets a ball moving.
inline void SetMoving(table::TableState& t, int ball, float slope, int dirX, int dirY, int steps, int order = 1) {
    table::BallMotion& m = t.Motion.Motion[ball];
    t.Motion.BallSlope[ball] = slope;
    m.dirX = dirX;
    m.dirY = dirY;
    m.steps = steps;
    m.order = order;
}

} // namespace tabletest
