// The device context: mapping, pixel rules, exclusive-or round trips, fills, brushes and text.
#include "platform/dc.h"
#include "platform/fonts.h"
#include "platform/raster_ops.h"

#include <QFontInfo>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace platform;

// The game's mapping: 10 logical units per pixel.
void PrepareTenToOne(CDC& dc, const Surface& surface)
{
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(surface.Rect().width() * 10, surface.Rect().height() * 10);
    dc.SetViewportExt(surface.Rect().width(), surface.Rect().height());
}

// The device box of every pixel that differs from `background`.
QRect ChangedBox(const QImage& image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

// A busy picture, so that an exclusive-or figure has something to change and restore.
void FillNoise(QImage& image)
{
    uint32_t state = 12345;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, 0xFF000000u | (state >> 8));
        }
}

class DcTest : public ::testing::Test {
protected:
    DcTest() : surface(QSize(64, 48), qRgb(255, 255, 255)), dc(surface) { PrepareTenToOne(dc, surface); }
    QRgb Pixel(int x, int y) const { return surface.Image().pixel(x, y) & 0xFFFFFF; }
    Surface surface;
    CDC dc;
};

TEST(Mapping, TenLogicalUnitsPerPixelTruncatingTowardZero)
{
    Surface surface(QSize(180, 105));
    CDC dc(surface);
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(18000, 10500);
    dc.SetViewportExt(1800, 1050);
    struct Case { int lu; int pixel; };
    const Case cases[] = {{0, 0}, {9, 0}, {10, 1}, {19, 1}, {20, 2}, {17995, 1799},
                          {-5, 0}, {-9, 0}, {-10, -1}, {-15, -1}, {-20, -2}, {-31, -3}};
    for (const Case& c : cases) {
        EXPECT_EQ(dc.LPtoDP(Point{c.lu, c.lu}), QPoint(c.pixel, c.pixel)) << c.lu;
    }
    EXPECT_EQ(dc.DPtoLP(QPoint(37, 4)), (Point{370, 40}));
    EXPECT_EQ(dc.DPtoLP(QPoint(-3, 0)), (Point{-30, 0}));
}

TEST(Mapping, IsotropicTakesTheSmallerScale)
{
    Surface surface(QSize(10, 10));
    CDC dc(surface);
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(100, 50);
    EXPECT_EQ(dc.LPtoDP(Point{200, 200}), QPoint(10, 10));
    dc.SetMapMode(MM_TEXT);
    EXPECT_EQ(dc.LPtoDP(Point{200, 200}), QPoint(200, 200));
    dc.SetMapMode(MM_ISOTROPIC);
    EXPECT_EQ(dc.LPtoDP(Point{200, 200}), QPoint(10, 10)) << "the scale comes back";
}

TEST_F(DcTest, FiguresLeaveOutTheirRightAndBottomEdge)
{
    struct Case { const char* name; std::function<void(CDC&)> draw; QRect box; };
    const std::vector<Case> cases = {
        {"rectangle", [](CDC& d) { d.Rectangle(10, 20, 60, 70); }, QRect(QPoint(1, 2), QPoint(5, 6))},
        {"ellipse", [](CDC& d) { d.Ellipse(0, 0, 300, 200); }, QRect(QPoint(0, 0), QPoint(29, 19))},
        {"rectangle, null pen",
         [](CDC& d) { d.SelectObject(CPen::Null()); d.Rectangle(10, 20, 60, 70); }, QRect(QPoint(1, 2), QPoint(4, 5))},
        {"ellipse, 2-pixel pen",
         [](CDC& d) { d.SelectObject(CPen(PS_SOLID, 20, RGB(0, 0, 0))); d.Ellipse(100, 100, 300, 300); },
         QRect(QPoint(9, 9), QPoint(29, 29))},
        {"polygon: the outline reaches every corner",
         [](CDC& d) { const Point p[] = {{10, 10}, {110, 10}, {110, 60}, {10, 60}}; d.Polygon(p, 4); },
         QRect(QPoint(1, 1), QPoint(11, 6))},
        {"polygon, null pen: the fill leaves out right and bottom",
         [](CDC& d) { d.SelectObject(CPen::Null()); const Point p[] = {{10, 10}, {110, 10}, {110, 60}, {10, 60}}; d.Polygon(p, 4); },
         QRect(QPoint(1, 1), QPoint(10, 5))},
        {"ellipse shrunk to a point: a dot", [](CDC& d) { d.Ellipse(125, 135, 125, 135); }, QRect(12, 13, 1, 1)},
        {"horizontal line", [](CDC& d) { d.MoveTo(10, 10); d.LineTo(100, 10); }, QRect(QPoint(1, 1), QPoint(9, 1))},
        {"vertical line", [](CDC& d) { d.MoveTo(10, 10); d.LineTo(10, 100); }, QRect(QPoint(1, 1), QPoint(1, 9))},
        {"diagonal line", [](CDC& d) { d.MoveTo(0, 0); d.LineTo(100, 100); }, QRect(QPoint(0, 0), QPoint(9, 9))},
        {"leftward line", [](CDC& d) { d.MoveTo(100, 10); d.LineTo(10, 10); }, QRect(QPoint(2, 1), QPoint(10, 1))},
        {"upward line", [](CDC& d) { d.MoveTo(30, 100); d.LineTo(30, 10); }, QRect(QPoint(3, 2), QPoint(3, 10))},
        {"polyline", [](CDC& d) { const Point p[] = {{10, 10}, {50, 10}, {50, 40}}; d.Polyline(p, 3); },
         QRect(QPoint(1, 1), QPoint(5, 3))},
    };
    for (const Case& c : cases) {
        surface.Image().fill(qRgb(255, 255, 255));
        CDC fresh(surface);
        PrepareTenToOne(fresh, surface);
        fresh.SelectObject(CBrush(RGB(0, 0, 0)));
        c.draw(fresh);
        EXPECT_EQ(ChangedBox(surface.Image(), qRgb(255, 255, 255)), c.box) << c.name;
    }
}

TEST_F(DcTest, ExclusiveOrFigureDrawnTwiceRestoresEveryPixel)
{
    const Point star[] = {{50, 50}, {400, 300}, {100, 400}, {300, 20}, {420, 420}, {50, 50}};
    const Point bezier[] = {{30, 400}, {30, 0}, {600, 0}, {600, 400}, {300, 460}, {100, 300}, {60, 200}};
    struct Case { const char* name; std::function<void(CDC&)> draw; };
    const std::vector<Case> cases = {
        {"rectangle", [](CDC& d) { d.Rectangle(20, 30, 400, 300); }},
        {"ellipse", [](CDC& d) { d.Ellipse(20, 30, 410, 330); }},
        {"polygon", [&](CDC& d) { d.Polygon(star, 5); }},
        {"polyline", [&](CDC& d) { d.Polyline(star, 6); }},
        {"chord", [](CDC& d) { d.Chord(20, 20, 420, 420, 400, 150, 260, 30); }},
        {"bezier", [&](CDC& d) { d.PolyBezier(bezier, 7); }},
        {"line", [](CDC& d) { d.MoveTo(10, 400); d.LineTo(600, 30); }},
        {"text", [](CDC& d) {
             d.SelectObject(CFont{-120, 0, FW_NORMAL, false, false, SHIFTJIS_CHARSET, "MS Scans Serif"});
             d.TextOut(20, 100, "15 玉");
         }},
    };
    const CPen pens[] = {CPen(PS_SOLID, 10, RGB(255, 0, 255)), CPen(PS_SOLID, 30, RGB(255, 255, 255))};
    for (const Case& c : cases)
        for (const CPen& pen : pens) {
            FillNoise(surface.Image());
            const QImage before = surface.Image().copy();
            dc.SetROP2(R2_XORPEN);
            dc.SelectObject(pen);
            dc.SelectObject(CBrush(RGB(64, 128, 128)));
            dc.SetTextColor(RGB(255, 255, 255));
            dc.SetBkColor(RGB(0, 0, 128));
            c.draw(dc);
            EXPECT_NE(surface.Image(), before) << c.name << " draws nothing";
            c.draw(dc);
            EXPECT_EQ(surface.Image(), before) << c.name << ", pen " << pen.width;
        }
}

TEST_F(DcTest, ExclusiveOrFigureShowsOutlineOverFillOnce)
{
    // White background: exclusive-or with white gives the complement of the pen or brush colour.
    dc.SetROP2(R2_XORPEN);
    dc.SelectObject(CPen(PS_SOLID, 10, RGB(255, 0, 255)));
    dc.SelectObject(CBrush(RGB(64, 128, 128)));
    dc.Rectangle(100, 100, 300, 300);
    EXPECT_EQ(Pixel(10, 10), 0x00FF00u);             // outline: white ^ magenta
    EXPECT_EQ(Pixel(15, 15), 0xBF7F7Fu);             // fill: white ^ (64,128,128)
    EXPECT_EQ(Pixel(29, 29), 0x00FF00u);
    EXPECT_EQ(Pixel(30, 30), 0xFFFFFFu);
}

TEST(Chord, RunsCounterClockwiseFromTheFirstRadialToTheSecond)
{
    // A ball's highlight: from about 26 to 61 degrees above the right-hand horizontal it is a
    // small segment; the points taken the other way round give the large one.
    const double alpha = 0.44857142857142857, beta = 1.0666666666666667;
    const int r = 140, X = 140, Y = 140;
    const int x1 = int(X + r * std::cos(alpha)), y1 = int(Y - r * std::sin(alpha));
    const int x2 = int(X + r * std::cos(beta)), y2 = int(Y - r * std::sin(beta));
    struct Case { bool mirrored; bool swapped; };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}}) {
        Surface surface(QSize(28, 28), qRgb(0, 0, 0));
        CDC dc(surface);
        PrepareTenToOne(dc, surface);
        dc.SelectObject(CPen(PS_SOLID, 10, RGB(255, 255, 255)));
        dc.SelectObject(CBrush(RGB(255, 255, 255)));
        int a = x1, b = y1, e = x2, f = y2;
        if (c.mirrored) {
            a = 2 * X - x1; b = 2 * Y - y1; e = 2 * X - x2; f = 2 * Y - y2;
        }
        if (c.swapped) {
            std::swap(a, e);
            std::swap(b, f);
        }
        dc.Chord(0, 0, 280, 280, a, b, e, f);
        const QRect ink = ChangedBox(surface.Image(), qRgb(0, 0, 0));
        if (c.swapped) {
            EXPECT_EQ(ink, QRect(0, 0, 28, 28)) << "the large segment";
        } else if (c.mirrored) {
            EXPECT_LT(ink.right(), 14);
            EXPECT_GE(ink.top(), 14);
        } else {
            EXPECT_GE(ink.left(), 14);
            EXPECT_LT(ink.bottom(), 14);
        }
    }
}

TEST(Bezier, MirrorSymmetricControlPointsDrawAMirrorSymmetricCurve)
{
    // The band edges of a striped ball: apart from the left-out end point the two halves match.
    Surface surface(QSize(40, 20), qRgb(255, 255, 255));
    CDC dc(surface);
    PrepareTenToOne(dc, surface);
    const Point bowl[] = {{20, 20}, {20, 150}, {320, 150}, {320, 20}};
    dc.PolyBezier(bowl, 4);
    const QImage& image = surface.Image();
    EXPECT_EQ(image.pixel(2, 2) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(32, 2) & 0xFFFFFF, 0xFFFFFFu) << "the end point is left out";
    for (int y = 0; y < 20; ++y)
        for (int x = 2; x <= 17; ++x) {
            if (x == 2 && y == 2)
                continue;
            EXPECT_EQ(image.pixel(x, y), image.pixel(34 - x, y)) << x << "," << y;
        }
}

TEST_F(DcTest, NotInvertsWhateverIsThere)
{
    dc.SetROP2(R2_NOT);
    dc.MoveTo(0, 50);
    dc.LineTo(200, 50);
    EXPECT_EQ(Pixel(0, 5), 0x000000u);
    EXPECT_EQ(Pixel(19, 5), 0x000000u);
    EXPECT_EQ(Pixel(20, 5), 0xFFFFFFu);
}

TEST(FloodFill, StaysInsideItsBoundaryAndIsFourConnected)
{
    Surface surface(QSize(24, 24), qRgb(255, 255, 255));
    CDC dc(surface);
    // A diamond drawn pixel by pixel: its sides touch only at corners, so an 8-connected fill
    // would leak through every step.
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            if (std::abs(x - 12) + std::abs(y - 12) == 6)
                dc.SetPixel(x, y, RGB(0, 0, 0));
    dc.SelectObject(CBrush(RGB(255, 0, 0)));
    ASSERT_TRUE(dc.FloodFill(12, 12, RGB(0, 0, 0)));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const int d = std::abs(x - 12) + std::abs(y - 12);
            const QRgb expected = d < 6 ? 0xFF0000u : d == 6 ? 0x000000u : 0xFFFFFFu;
            ASSERT_EQ(surface.Image().pixel(x, y) & 0xFFFFFF, expected) << x << "," << y;
        }
    EXPECT_FALSE(dc.FloodFill(12, 6, RGB(0, 0, 0))) << "seed on the boundary";
    EXPECT_FALSE(dc.FloodFill(-1, 3, RGB(0, 0, 0))) << "seed off the surface";
}

TEST(FloodFill, FillsWithThePatternBrushUpToTheBoundary)
{
    Surface surface(QSize(16, 16), qRgb(0, 0, 0));
    CDC dc(surface);
    dc.SelectObject(CPen(PS_SOLID, 1, RGB(255, 255, 255)));
    dc.SelectObject(CBrush::Null());
    dc.Rectangle(2, 2, 12, 12);
    QImage tile(2, 1, QImage::Format_RGB32);
    tile.setPixel(0, 0, qRgb(0, 191, 191));
    tile.setPixel(1, 0, qRgb(255, 255, 0));
    dc.SelectObject(CBrush(tile));
    // The boundary here is white, and black (the fill area's colour) is no boundary.
    ASSERT_TRUE(dc.FloodFill(5, 5, RGB(255, 255, 255)));
    EXPECT_EQ(surface.Image().pixel(4, 5) & 0xFFFFFF, 0x00BFBFu);
    EXPECT_EQ(surface.Image().pixel(5, 5) & 0xFFFFFF, 0xFFFF00u);
    EXPECT_EQ(surface.Image().pixel(2, 5) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(surface.Image().pixel(12, 5) & 0xFFFFFF, 0x000000u);
}

TEST(Brushes, DiagonalCrossHatchOnOpaqueAndTransparentBackground)
{
    // The hatch is an 8 x 8 cell anchored at the surface's origin: lines where x = y and
    // x + y = 7 (mod 8).
    struct Case { int x, y; bool line; };
    const Case cells[] = {{0, 0, true}, {7, 0, true}, {3, 4, true}, {1, 0, false}, {4, 4, true},
                          {9, 9, true}, {10, 13, true}, {2, 3, false}, {13, 12, false}};
    for (int mode : {OPAQUE, TRANSPARENT}) {
        Surface surface(QSize(16, 16), qRgb(0, 0, 255));
        CDC dc(surface);
        dc.SetBkColor(RGB(0, 0, 0));
        dc.SetBkMode(mode);
        dc.SelectObject(CPen::Null());
        dc.SelectObject(CBrush(HS_DIAGCROSS, RGB(128, 128, 128)));
        dc.Rectangle(0, 0, 17, 17);
        for (const Case& c : cells) {
            const QRgb expected = c.line ? 0x808080u : mode == OPAQUE ? 0x000000u : 0x0000FFu;
            EXPECT_EQ(surface.Image().pixel(c.x, c.y) & 0xFFFFFF, expected)
                << c.x << "," << c.y << (mode == OPAQUE ? " opaque" : " transparent");
        }
    }
}

TEST(Brushes, PatternTileIsAnchoredToTheSurfaceNotTheFigure)
{
    QImage tile(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            tile.setPixel(x, y, qRgb(x * 50, y * 100, 7));
    Surface surface(QSize(20, 20), qRgb(255, 255, 255));
    CDC dc(surface);
    dc.SelectObject(CPen::Null());
    dc.SelectObject(CBrush(tile));
    dc.Rectangle(5, 7, 18, 19);
    for (int y = 7; y < 17; ++y)
        for (int x = 5; x < 16; ++x)
            EXPECT_EQ(surface.Image().pixel(x, y), tile.pixel(x % 3, y % 2)) << x << "," << y;
}

TEST(RasterOps, TruthTables)
{
    const QRgb p = 0x00F0F0F0u, d = 0x00CCCCCCu, s = 0x00AAAAAAu;
    struct Rop2Case { int rop; QRgb result; };
    const Rop2Case binary[] = {{R2_BLACK, 0}, {R2_WHITE, 0xFFFFFF}, {R2_COPYPEN, p}, {R2_NOTCOPYPEN, ~p & 0xFFFFFF},
                               {R2_XORPEN, p ^ d}, {R2_NOT, ~d & 0xFFFFFF}, {R2_NOP, d},
                               {R2_MERGEPEN, p | d}, {R2_MASKPEN, p & d}, {R2_NOTXORPEN, ~(p ^ d) & 0xFFFFFF}};
    for (const Rop2Case& c : binary)
        EXPECT_EQ(ApplyRop2(c.rop, p, d), c.result) << c.rop;
    struct Rop3Case { uint32_t rop; QRgb result; };
    const Rop3Case ternary[] = {{SRCCOPY, s}, {SRCINVERT, s ^ d}, {SRCAND, s & d}, {SRCPAINT, s | d},
                                {NOTSRCCOPY, ~s & 0xFFFFFF}, {DSTINVERT, ~d & 0xFFFFFF}, {PATCOPY, p},
                                {PATINVERT, p ^ d}, {BLACKNESS, 0}, {WHITENESS, 0xFFFFFF}};
    for (const Rop3Case& c : ternary)
        EXPECT_EQ(ApplyRop3(c.rop, p, s, d), c.result) << std::hex << c.rop;
}

TEST(Pictures, IconTransparencyAndBlockTransfer)
{
    Surface surface(QSize(8, 8), qRgb(10, 20, 30));
    CDC dc(surface);
    QImage icon(2, 2, QImage::Format_ARGB32);
    icon.fill(qRgba(0, 0, 0, 0));
    icon.setPixel(1, 1, qRgba(255, 0, 0, 255));
    dc.DrawIcon(3, 3, icon);
    EXPECT_EQ(surface.Image().pixel(3, 3) & 0xFFFFFF, 0x0A141Eu);
    EXPECT_EQ(surface.Image().pixel(4, 4) & 0xFFFFFF, 0xFF0000u);

    QImage card(3, 3, QImage::Format_RGB32);
    card.fill(qRgb(255, 255, 255));
    card.setPixel(2, 2, qRgb(0, 0, 255));
    // Only the part of the source that exists is copied.
    dc.BitBlt(6, 6, 5, 5, card, 1, 1, SRCCOPY);
    EXPECT_EQ(surface.Image().pixel(6, 6) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(surface.Image().pixel(7, 7) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(surface.Image().pixel(5, 5) & 0xFFFFFF, 0x0A141Eu);
    const QImage before = surface.Image().copy();
    dc.BitBlt(0, 0, 3, 3, card, 0, 0, SRCINVERT);
    dc.BitBlt(0, 0, 3, 3, card, 0, 0, SRCINVERT);
    EXPECT_EQ(surface.Image(), before);
}

TEST(Palette, GameTableAndNearestEntry)
{
    const Palette palette = BuildGamePalette();
    ASSERT_EQ(palette.Size(), 128);
    EXPECT_EQ(palette.EntryColour(0), RGB(255, 255, 255));
    EXPECT_EQ(palette.EntryColour(1 + 25 * 4 + 5 * 2 + 3), RGB(255, 128, 192));
    EXPECT_EQ(palette.EntryColour(127), RGB(0, 0, 0));
    EXPECT_EQ(palette.Entries()[5].flags, PC_RESERVED);
    EXPECT_EQ(palette.Entries()[126].flags, 0);
    struct Case { COLORREF colour; COLORREF nearest; int index; };
    const Case cases[] = {
        {RGB(200, 200, 31), RGB(192, 192, 0), 1 + 25 * 3 + 5 * 3},
        {RGB(0, 0, 0), RGB(0, 0, 0), 1},                 // the lowest of the three blacks
        {RGB(255, 255, 255), RGB(255, 255, 255), 0},
        {RGB(0, 128, 64), RGB(0, 128, 64), 1 + 10 + 1},
        {RGB(96, 96, 96), RGB(64, 64, 64), 1 + 25 + 5 + 1}, // halfway: the lower index
    };
    for (const Case& c : cases) {
        EXPECT_EQ(palette.NearestIndex(c.colour), c.index) << std::hex << c.colour;
        EXPECT_EQ(palette.EntryColour(palette.NearestIndex(c.colour)), c.nearest);
    }
}

TEST(Palette, MatchedColoursAreExactUnlessThePaletteDisplayIsEmulated)
{
    const Palette palette = BuildGamePalette();
    Surface surface(QSize(4, 4));
    CDC dc(surface);
    dc.SelectPalette(&palette);
    SetDisplayBitsPerPixelForTest(32);
    EXPECT_EQ(dc.ResolveColour(PALETTERGB(200, 200, 31)) & 0xFFFFFF, 0xC8C81Fu);
    SetDisplayBitsPerPixelForTest(8);
    EXPECT_EQ(DisplayBitsPerPixel() + DisplayPlanes(), 9);
    EXPECT_EQ(dc.ResolveColour(PALETTERGB(200, 200, 31)) & 0xFFFFFF, 0xC0C000u);
    EXPECT_EQ(dc.ResolveColour(RGB(200, 200, 31)) & 0xFFFFFF, 0xC8C81Fu) << "exact colours stay exact";
    dc.SelectObject(CBrush(PALETTERGB(200, 200, 31)));
    dc.SelectObject(CPen::Null());
    dc.Rectangle(0, 0, 3, 3);
    EXPECT_EQ(surface.Image().pixel(0, 0) & 0xFFFFFF, 0xC0C000u);
    SetDisplayBitsPerPixelForTest(0);
}

TEST(Text, JapaneseFaceResolvesToIpaAndHasAnExtent)
{
    EXPECT_EQ(QFontInfo(MakeQFont(CFont{-12, 0, FW_NORMAL, false, false, SHIFTJIS_CHARSET, "ＭＳ Ｐ明朝"}, -12, true)).family(),
              "IPAPMincho");
    EXPECT_EQ(QFontInfo(MakeQFont(CFont{-12, 0, FW_NORMAL, false, false, SHIFTJIS_CHARSET, "ＭＳ ゴシック"}, -12, true)).family(),
              "IPAGothic");
    // Dialogs name the faces directly; the substitution table resolves them.
    EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("ＭＳ Ｐ明朝"), 11)).family(), "IPAPMincho");
    EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("MS Sans Serif"), 9)).family(), "IPAPGothic");

    Surface surface(QSize(200, 60), qRgb(255, 255, 255));
    CDC dc(surface);
    PrepareTenToOne(dc, surface);
    dc.SelectObject(CFont{-160, 0, FW_NORMAL, false, false, SHIFTJIS_CHARSET, "ＭＳ Ｐ明朝"});
    const Size extent = dc.GetTextExtent("使用可能ﾒﾓﾘ");
    EXPECT_GT(extent.cx, 400);
    EXPECT_GE(extent.cy, 160);
    EXPECT_EQ(extent.cx % 10, 0) << "a whole number of pixels";
}

TEST(Text, PlacedByTheTopLeftOfItsCell)
{
    Surface surface(QSize(120, 60), qRgb(255, 255, 255));
    CDC dc(surface);
    PrepareTenToOne(dc, surface);
    dc.SelectObject(CFont{120, 0, FW_NORMAL, false, false, SHIFTJIS_CHARSET, "MS Scans Serif"});
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(100, 200, "15");
    const Size extent = dc.GetTextExtent("15");
    EXPECT_LE(extent.cy, 120) << "a positive height is the whole cell";
    const QRect ink = ChangedBox(surface.Image(), qRgb(255, 255, 255));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 20);
    EXPECT_LT(ink.bottom(), 20 + extent.cy / 10);
    EXPECT_GE(ink.left(), 10);

    // Opaque: the whole cell takes the background colour.
    surface.Image().fill(qRgb(255, 255, 255));
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(0, 0, 128));
    dc.TextOut(100, 200, "15");
    EXPECT_EQ(ChangedBox(surface.Image(), qRgb(255, 255, 255)),
              QRect(10, 20, extent.cx / 10, extent.cy / 10));
}

} // namespace
