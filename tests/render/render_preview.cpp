// Writes full tables with the rack and both hands to PNG files, to look at.
#include "render_fixture.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const char* out = argc > 1 ? argv[1] : ".";
    for (auto [w, h] : {std::pair{800, 560}, std::pair{1798, 1010}, std::pair{632, 413}}) {
        rendertest::Table tb(w, h);
        tb.t.Document.BallPos[3] = {table::OffTable, 1};
        tb.t.Document.BallPos[12] = {table::OffTable, 2};
        tb.t.Motion.Motion[5] = {250, -250, 1, 10, 0, 1, 0};
        tb.t.Motion.Motion[6] = {250, -250, 1, 10, 0, 2, 0};
        tb.t.Shot.BreakShot = true;
        render::DrawTable(tb.canvas);
        const std::string path = std::string(out) + "/table_" + std::to_string(w) + ".png";
        tb.surface.Image().save(QString::fromStdString(path));
        const table::TableGeometry& g = tb.t.Geometry;
        std::printf("%s D=%d rail=%d headX=%d\n", path.c_str(), g.BallDiameter, g.RailWidth, tb.view.HeadLineX);
        for (int p = 1; p <= 6; ++p)
            std::printf("  pocket %d: %d %d %d %d\n", p, g.PocketRect[p].left, g.PocketRect[p].top, g.PocketRect[p].right,
                        g.PocketRect[p].bottom);
        std::printf("  spots L %d %d C %d %d R %d %d\n", g.LeftSpot.left, g.LeftSpot.top, g.CentreSpot.left,
                    g.CentreSpot.top, g.RightSpot.left, g.RightSpot.top);
        std::printf("  rack area %d %d %d %d cushions %d %d %d %d\n", g.RackArea.left, g.RackArea.top, g.RackArea.right,
                    g.RackArea.bottom, g.CushionRect.left, g.CushionRect.top, g.CushionRect.right, g.CushionRect.bottom);
    }
    // Every ball at rest, then ball 12 in each rolling phase, on an empty table.
    for (auto [w, h, frame] : {std::tuple{800, 560, 0}, std::tuple{692, 500, 7000}}) {
        rendertest::Table tb(w, h, frame);
        for (int id = 0; id <= table::LastBall; ++id)
            tb.t.Document.BallPos[id] = {table::OffTable, 0};
        tb.t.Shot.CueBallTrack = {table::OffTable, 0};
        render::DrawTable(tb.canvas);
        const int D = tb.t.Geometry.BallDiameter;
        for (int id = 0; id <= table::LastBall; ++id)
            render::DrawBall(tb.canvas, 1000 + id * (D + 100), 2000, id);
        for (int step = 0; step < 8; ++step) {
            tb.t.Motion.Motion[12] = {250, step == 7 ? 250 : -250, 1, 10, 0, step == 7 ? 2 : step, 0};
            render::DrawBall(tb.canvas, 1000 + step * (D + 100), 3000, 12);
        }
        const std::string path = std::string(out) + "/balls_" + std::to_string(w) + ".png";
        tb.surface.Image().copy(90, 190, 16 * (D + 100) / 10, 150).scaled(16 * (D + 100) / 10 * 3, 450).save(
            QString::fromStdString(path));
    }
    return 0;
}
