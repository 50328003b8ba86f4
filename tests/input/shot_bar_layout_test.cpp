// The shot bar's arithmetic: layout, the contact-point dot, click bands, texts and slider steps.
#include "input/shot_bar_layout.h"

#include <gtest/gtest.h>

namespace {

using input::BarLayout;

TEST(ShotBarLayout, HeightAndSliderWidthFromTheClientSize) {
    const BarLayout l = input::ComputeBarLayout(618, 84);
    EXPECT_EQ(l.H, 82);
    EXPECT_EQ(l.S, 309 - 82 - 10);
    EXPECT_EQ(input::ComputeBarLayout(619, 84).S, l.S);
}

TEST(ShotBarLayout, TheDotSitsOnThePictureForEverySpin) {
    const BarLayout l{82, 217};
    const int x = (3 * 82 + 2 * 217 + 20) / 2;  // 350
    struct Case { int spin, side; input::BarPoint at; };
    const Case cases[] = {
        {1, 0, {x, 24}}, {2, 0, {x, 42}}, {3, 0, {x, 64}},
        {2, -1, {x - 20, 42}}, {3, 1, {x + 20, 64}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(input::SpinMarkFor(l, c.spin, c.side), c.at) << c.spin << " " << c.side;
}

TEST(ShotBarLayout, StopAndNoSideBandsAroundTheCross) {
    const BarLayout l{82, 217};
    // The stop band is y 38..42; the drawn horizontal line lies at 42, its lower edge.
    EXPECT_EQ(input::PictureFor(l).crossY, 42);
    struct Case { int y, spin; };
    for (const Case& c : {Case{37, 1}, Case{38, 2}, Case{42, 2}, Case{43, 3}})
        EXPECT_EQ(input::SpinKindAt(l, c.y), c.spin) << c.y;
    const int g = input::PictureFor(l).crossX;  // 349
    EXPECT_EQ(g, 349);
    struct Side { int x, side; };
    for (const Side& c : {Side{g - 4, -1}, Side{g - 3, 0}, Side{g + 3, 0}, Side{g + 4, 1}})
        EXPECT_EQ(input::SideSpinAt(l, c.x), c.side) << c.x;
}

TEST(ShotBarLayout, OnlyClicksNearThePictureCount) {
    const BarLayout l{82, 217};
    const int cx = int(1.5 * 82 + 217 + 9.0), cy = 82 / 2 - 1;  // (349, 40); radius 32.8
    EXPECT_TRUE(input::ClickNearPicture(l, cx, cy));
    EXPECT_TRUE(input::ClickNearPicture(l, cx + 32, cy));
    EXPECT_FALSE(input::ClickNearPicture(l, cx + 33, cy));
    EXPECT_TRUE(input::ClickNearPicture(l, cx + 23, cy + 23));   // 1058 <= 1075.8
    EXPECT_FALSE(input::ClickNearPicture(l, cx + 24, cy + 23));  // 1105
    EXPECT_FALSE(input::ClickInPictureX(l, 217 + 82 + 10));
    EXPECT_TRUE(input::ClickInPictureX(l, 217 + 82 + 11));
    EXPECT_FALSE(input::ClickInPictureX(l, 217 + 164 + 8));
}

TEST(ShotBarTexts, PowerFigureAndSpinLabel) {
    EXPECT_EQ(input::PowerText(70), "70% ");
    EXPECT_EQ(input::PowerText(100), "100%");
    EXPECT_EQ(input::PowerText(5), "5%  ");
    EXPECT_EQ(input::SpinLabel(2, 0), "無回転ｽﾄｯﾌﾟ");
    EXPECT_EQ(input::SpinLabel(1, -1), "左押し");
    EXPECT_EQ(input::SpinLabel(3, 1), "右引き");
}

TEST(ShotBarSlider, PositionsAndPercents) {
    EXPECT_EQ(input::PositionFromPower(70), 28);
    EXPECT_EQ(input::PositionFromPower(80), 32);
    EXPECT_EQ(input::PositionFromPower(100), 40);
    struct Case { int position, power; };
    for (const Case& c : {Case{0, 0}, Case{1, 2}, Case{3, 7}, Case{39, 97}, Case{40, 100}})
        EXPECT_EQ(input::PowerFromPosition(c.position), c.power) << c.position;
    // Odd steps do not map back: step 1 gives 2%, which reopens the bar at step 0.
    EXPECT_EQ(input::PositionFromPower(input::PowerFromPosition(1)), 0);
}

} // namespace
