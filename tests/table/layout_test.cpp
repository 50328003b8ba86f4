// Ball-size snapping, the table layout, pockets, spots, the rack and the cue ball's start.
#include <gtest/gtest.h>

#include "table/layout.h"
#include "tests/table/table_fixture.h"

namespace {

using table::Rect;

struct SizeCase {
    int clientHeight;
    int frameWidth;
    int dialogBaseUnitY;
    int diameter;
    float scale;
};

// With u = 16, t = 41 and n = (H - 116) / 20.
class SelectBallSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SelectBallSizeTest, SnapsTheDiameter) {
    const SizeCase c = GetParam();
    table::TableGeometry g;
    g.FrameWidth = c.frameWidth;
    table::SelectBallSize(g, c.clientHeight, c.dialogBaseUnitY);
    EXPECT_EQ(g.BallDiameter, c.diameter);
    EXPECT_EQ(g.BallRadius, c.diameter / 2);
    EXPECT_FLOAT_EQ(g.DisplayScale, c.scale);
}

INSTANTIATE_TEST_SUITE_P(Table, SelectBallSizeTest, ::testing::Values(
    SizeCase{100, 12000, 16, 150, 1.1f},   // n clamped up to 15
    SizeCase{416, 12000, 16, 150, 1.1f},   // n = 15
    SizeCase{436, 12000, 16, 170, 1.2f},   // 160
    SizeCase{476, 12000, 16, 170, 1.2f},   // 180
    SizeCase{496, 12000, 16, 210, 1.3f},   // 190
    SizeCase{516, 12000, 16, 210, 1.3f},   // 200
    SizeCase{556, 12000, 16, 250, 1.5f},   // 220
    SizeCase{616, 12000, 16, 250, 1.5f},   // 250
    SizeCase{636, 12000, 16, 280, 1.6f},   // 260
    SizeCase{656, 12000, 16, 280, 1.6f},   // 270
    SizeCase{696, 12000, 16, 290, 1.6f},   // 290 stays
    SizeCase{716, 12000, 16, 300, 1.6f},   // 300 stays
    SizeCase{5000, 12000, 16, 300, 1.6f},  // n clamped down to 30
    SizeCase{616, 9990, 16, 280, 1.6f},    // a narrow window adds 1: 250 + 10
    SizeCase{416, 10000, 16, 150, 1.1f},   // 10000 is not narrow
    SizeCase{516, 12000, 32, 210, 1.3f}   // u = 32: t = 77, n = (516 - 38 - 96) / 20 = 19
));

TEST(LayoutTest, TableAndPocketsFor800By600) {
    table::TableState t = tabletest::LaidOutTable(250);
    const table::TableGeometry& g = t.Geometry;
    EXPECT_EQ(g.TableRect, (Rect{0, 960, 8000, 6000}));
    EXPECT_EQ(g.RailWidth, 375);
    EXPECT_EQ(g.CushionRect, (Rect{550, 1510, 7450, 5180}));
    EXPECT_EQ(g.RackArea, (Rect{345, 1305, 7655, 5385}));
    // a = 300, R = (270, 1230, 7730, 5460), f = 150, g = 187, k = 113, e = 50, h = 4000.
    EXPECT_EQ(g.PocketRect[1], (Rect{157, 1117, 457, 1417}));
    EXPECT_EQ(g.PocketRect[2], (Rect{157, 5273, 457, 5573}));
    EXPECT_EQ(g.PocketRect[3], (Rect{7543, 5273, 7843, 5573}));
    EXPECT_EQ(g.PocketRect[4], (Rect{7543, 1117, 7843, 1417}));
    EXPECT_EQ(g.PocketRect[5], (Rect{3850, 1030, 4150, 1330}));
    EXPECT_EQ(g.PocketRect[6], (Rect{3850, 5360, 4150, 5660}));
    // inset 137, q8 = 948, q4 = 1088.
    EXPECT_EQ(g.CentreSpot, (Rect{3918, 3262, 4043, 3387}));
    EXPECT_EQ(g.LeftSpot, (Rect{2022, 3262, 2147, 3387}));
    EXPECT_EQ(g.RightSpot, (Rect{5814, 3262, 5939, 3387}));
}

TEST(LayoutTest, SmallBallsUseTheSmallerSpotInset) {
    table::TableState t = tabletest::LaidOutTable(150);
    // C = 225, inset 225/2 - 25 = 87; RA = (195, 1155, 7805, 5635); q8 = 7784/8 = 973, q4 = 4654/4 = 1163.
    EXPECT_EQ(t.Geometry.RackArea, (Rect{195, 1155, 7805, 5635}));
    EXPECT_EQ(t.Geometry.CentreSpot.top, 1155 + 2 * 1163 - 20 - 87 - 37);
    EXPECT_EQ(t.Geometry.CentreSpot.left, 195 + 4 * 973 - 20 - 87 - 37);
}

TEST(LayoutTest, RackPointsLeftFromTheApex) {
    table::TableState t = tabletest::LaidOutTable(250);
    table::Point pos[table::BallSlots];
    table::PlaceRack(t.Geometry, pos);
    const int s = 260;
    const table::Point apex = {5751, 3262};  // x0 = int(7584 * 0.75 + 188 - 125)
    EXPECT_EQ(pos[1], apex);
    struct { int ball, dx, dy; } const kCases[] = {
        {2, 4 * s, 2 * s}, {3, 4 * s, -2 * s}, {6, 4 * s, -s}, {7, s, s / 2}, {8, s, -s / 2},
        {9, 3 * s, 3 * s / 2}, {10, 3 * s, -3 * s / 2}, {12, 2 * s, 0}, {15, 3 * s, -s / 2},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(pos[c.ball], (table::Point{apex.x + c.dx, apex.y + c.dy})) << "ball " << c.ball;
    EXPECT_EQ(table::CueBallStart(t.Geometry), (table::Point{8080 / 4 - 125, (6460 - 4000) / 2 + 1600}));
}

} // namespace
