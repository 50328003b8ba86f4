// The main frame's size and place for screens of every shape.
#include "frame/frame_size.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameSizeTest, ScreensGiveTheirTableAreaClientAndPosition) {
    struct Case { int SW, SH; frame::FrameSize want; };
    const Case cases[] = {
        // the three screens the window was designed for
        {640, 480, {630, 360, 630, 456, 0, 0}},
        {800, 600, {778, 442, 778, 538, 11, 79}},
        {1024, 768, {1014, 560, 1014, 656, 5, 104}},
        // narrow screens: a short one takes less off the height
        {600, 400, {590, 315, 590, 411, 0, 0}},
        {600, 409, {590, 324, 590, 420, 0, 0}},
        {600, 410, {590, 290, 590, 386, 0, 0}},
        {649, 480, {639, 360, 639, 456, 0, 0}},
        // 650 wide switches to the 2:1 rule; at most 640 wide the window stays in the corner
        {650, 480, {598, 352, 598, 448, 0, 0}},
        // a tall screen narrows in steps of 20 x 10 until it fits across
        {1280, 1024, {1266, 686, 1266, 782, 7, 169}},
        // a very wide screen keeps 2 x SH - 362 without any reduction
        {3000, 800, {1238, 672, 1238, 768, 881, 64}},
        {1248, 800, {1238, 672, 1238, 768, 5, 64}},
        // too small for any table: one pixel rather than a negative window
        {1920, 150, {1, 22, 1, 118, 0, 0}},
        {60, 50, {50, 1, 50, 97, 0, 0}},
    };
    for (const Case& c : cases) {
        frame::FrameSize f = frame::ChooseFrameSize(c.SW, c.SH);
        SCOPED_TRACE(testing::Message() << c.SW << "x" << c.SH);
        EXPECT_EQ(f.W, c.want.W);
        EXPECT_EQ(f.H, c.want.H);
        EXPECT_EQ(f.clientWidth, c.want.clientWidth);
        EXPECT_EQ(f.clientHeight, c.want.clientHeight);
        EXPECT_EQ(f.x, c.want.x);
        EXPECT_EQ(f.y, c.want.y);
    }
}

} // namespace
