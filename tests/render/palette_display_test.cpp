// Run with VELKARO_DISPLAY_BPP=8: the table on an emulated 256-colour display takes every
// palette-matched colour from the game palette's cube, while exact colours stay exact.
#include "render_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(PaletteDisplay, TableColoursComeFromTheCube)
{
    ASSERT_TRUE(platform::IsPaletteDisplay()) << "run with VELKARO_DISPLAY_BPP=8";
    rendertest::Table tb(800, 560);
    for (int id = 1; id <= table::LastBall; ++id)
        tb.t.Document.BallPos[id] = {table::OffTable, 0};
    render::DrawTable(tb.canvas);
    render::DrawBall(tb.canvas, 3000, 2500, 1);   // (200, 200, 31) -> (192, 192, 0)
    render::DrawBall(tb.canvas, 4000, 2500, 5);   // (255, 128, 0) is in the cube
    render::DrawBall(tb.canvas, 5000, 2500, 9);   // the stripe's white is exact
    EXPECT_EQ(tb.Pixel(303, 262), 0xC0C000u);
    EXPECT_EQ(tb.Pixel(403, 262), 0xFF8000u);
    EXPECT_EQ(tb.Pixel(512, 252), 0xFFFFFFu);
    EXPECT_EQ(tb.Pixel(400, 200), 0x008040u);     // the cloth is a cube colour already
}

} // namespace
