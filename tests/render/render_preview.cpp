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
        std::printf("%s D=%d\n", path.c_str(), tb.t.Geometry.BallDiameter);
    }
    return 0;
}
