// The real game program under Xvfb: its first table paint photographed and checked at places
// computed with the game's own layout: cloth, pockets, the rack's apex ball, the cue ball, the
// head-string line and both hands.
#include "resources/pictures/pictures.h"
#include "table/layout.h"
#include "tests/e2e/run_script.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

// "name a b c d" lines of the layout dump.
std::map<std::string, std::vector<int>> ReadLayout(const QString& path)
{
    std::map<std::string, std::vector<int>> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    std::istringstream in(file.readAll().toStdString());
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        std::vector<int> values;
        int v;
        while (words >> v)
            values.push_back(v);
        if (!lines.count(name))
            lines[name] = values;
    }
    return lines;
}

TEST(TableEndToEnd, FirstPaintShowsTheTableRackCueBallHeadLineAndHands)
{
    ASSERT_NE(std::getenv("VELKARO_SOURCE_DIR"), nullptr);
    ASSERT_NE(std::getenv("DRAVONEL"), nullptr);
    QTemporaryDir dir;
    const e2e::ScriptResult run = e2e::RunUnderXvfb("tests/render/table_e2e.sh", "OUT_DIR='" + dir.path().toStdString() + "'");
    ASSERT_TRUE(run.passed) << run.output;
    const std::string& output = run.output;

    const QImage shot(dir.path() + "/table.png");
    ASSERT_FALSE(shot.isNull()) << output;
    auto layout = ReadLayout(dir.path() + "/layout.txt");
    ASSERT_EQ(layout["client"].size(), 4u);
    ASSERT_EQ(layout["view"].size(), 4u);
    ASSERT_GE(layout["metrics"].size(), 2u);
    const int ox = layout["client"][0] + layout["view"][0], oy = layout["client"][1] + layout["view"][1];
    const int w = layout["view"][2], h = layout["view"][3];
    if (const char* keep = std::getenv("E2E_SHOT_DIR"))
        shot.save(QString::fromLocal8Bit(keep) + "/render_table.png");

    // The game's layout for this view; the dialog base unit is fixed at 16.
    table::TableGeometry g;
    g.FrameWidth = layout["metrics"][0];
    g.FrameHeight = layout["metrics"][1];
    table::SelectBallSize(g, h, 16);
    table::LayOutTable(g, w, h);
    table::LayOutPockets(g, w, h);
    table::LayOutSpots(g);
    table::Point balls[table::BallSlots];
    table::PlaceRack(g, balls);
    const table::Point cue = table::CueBallStart(g);
    const int D = g.BallDiameter, r = g.BallRadius;
    auto pixel = [&](int lx, int ly) { return shot.pixel(ox + lx / 10, oy + ly / 10) & 0xFFFFFFu; };

    // Cloth half-way between the left spot and the centre spot, two diameters above them.
    EXPECT_EQ(pixel((g.LeftSpot.left + g.CentreSpot.left) / 2, g.LeftSpot.top - 2 * D), 0x008040u);
    for (int p = 1; p <= 6; ++p) {
        const table::Rect& pr = g.PocketRect[p];
        const QRgb c = pixel((pr.left + pr.right) / 2, (pr.top + pr.bottom) / 2);
        EXPECT_TRUE(c == 0x808080u || c == 0u) << "pocket " << p << ": " << std::hex << c;
    }
    // Ball 1, yellow, at the rack's apex, left of its number.
    EXPECT_EQ(pixel(balls[1].x + r - (r - 30), balls[1].y + r), 0xC8C81Fu);
    // The cue ball's picture at its start.
    static const std::map<int, int> kCueBallIcon = {{280, 112}, {250, 106}, {210, 131}, {170, 132}, {150, 134}};
    if (kCueBallIcon.count(D)) {
        const QImage icon = resources::Icon(kCueBallIcon.at(D));
        EXPECT_EQ(pixel(cue.x + r, cue.y + r), icon.pixel(r / 10, r / 10) & 0xFFFFFFu);
    } else {
        EXPECT_EQ(pixel(cue.x + r, cue.y + r), 0xFFFFFFu);
    }
    // The head-string line of the break, one pixel wide and black.
    const table::Rect& ra = g.RackArea;
    const int a = g.RailWidth / 2 - 50 / (D <= 160 ? 2 : 1);
    const int headX = ra.left + ((ra.right + 2 * a - ra.left) / 8) * 2 - a - r / 2;
    EXPECT_EQ(pixel(headX, g.LeftSpot.top - 3 * D), 0u);
    // Player 1's first card face up (white inside its top edge), player 2's last card back.
    EXPECT_EQ(shot.pixel(ox + 35, oy + 1) & 0xFFFFFFu, 0xFFFFFFu);
    const QImage back = resources::Bitmap(265);
    for (QPoint p : {QPoint(60, 10), QPoint(60, 48), QPoint(40, 90)})
        EXPECT_EQ(shot.pixel(ox + 2 * (w / 2) - 71 + p.x(), oy + p.y()) & 0xFFFFFFu, back.pixel(p) & 0xFFFFFFu);
}

} // namespace
