// Window-sized rectangles drawn straight into the surface match the device context's own.
#include "render_fixture.h"
#include "render/fast_rectangle.h"

#include <gtest/gtest.h>

namespace {

TEST(FastRectangle, SamePixelsAsTheDeviceContext)
{
    struct Case { const char* name; int l, t, r, b; platform::CPen pen; int brush; };
    const Case cases[] = {
        {"tiled, 2-pixel pen", -30, 930, 8030, 5360, platform::CPen(platform::PS_SOLID, 20, platform::RGB(0, 0, 0)), 0},
        {"solid, 2-pixel pen", 251, 1211, 7749, 5079,
         platform::CPen(platform::PS_SOLID, 20, platform::PALETTERGB(0, 0, 0)), 1},
        {"tiled, 1-pixel pen", 0, 960, 8000, 5600, platform::CPen(platform::PS_SOLID, 0, platform::RGB(0, 0, 0)), 0},
        {"odd corners, 3-pixel pen", 17, 1003, 6999, 4444,
         platform::CPen(platform::PS_SOLID, 35, platform::RGB(255, 0, 255)), 1},
        {"hatched, no pen", 123, 1234, 4567, 3456, platform::CPen::Null(), 2},
        {"no brush", 123, 1234, 4567, 3456, platform::CPen(platform::PS_SOLID, 20, platform::RGB(9, 9, 9)), 3},
        {"small, left to the context", 1000, 2000, 1200, 2150,
         platform::CPen(platform::PS_SOLID, 20, platform::RGB(0, 0, 0)), 0},
    };
    for (const Case& k : cases) {
        rendertest::Table a(800, 560), b(800, 560);
        for (rendertest::Table* tb : {&a, &b}) {
            tb->surface.Image().fill(qRgb(10, 20, 30));
            tb->dc.SelectObject(k.pen);
            platform::CBrush brush = k.brush == 0   ? platform::CBrush(tb->res.RailTile)
                                     : k.brush == 1 ? platform::CBrush(platform::PALETTERGB(0, 128, 64))
                                     : k.brush == 2 ? platform::CBrush(platform::HS_DIAGCROSS, platform::RGB(128, 128, 128))
                                                    : platform::CBrush::Null();
            tb->dc.SelectObject(brush);
            tb->dc.SetBkColor(platform::RGB(0, 0, 0));
        }
        a.dc.Rectangle(k.l, k.t, k.r, k.b);
        render::FastRectangle(b.dc, k.l, k.t, k.r, k.b);
        EXPECT_EQ(a.surface.Image(), b.surface.Image()) << k.name;
    }
}

} // namespace
