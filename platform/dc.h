// A device context over a window surface: mapping, pens, brushes, modes, figures, text, pictures.
#pragma once
#include "platform/colour.h"
#include "platform/gdi_objects.h"
#include "platform/palette.h"
#include "platform/surface.h"

#include <QFont>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <string>

class QPainter;

namespace platform {

struct Point {
    int32_t x = 0, y = 0;
    bool operator==(const Point&) const = default;
};
struct Size {
    int32_t cx = 0, cy = 0;
    bool operator==(const Size&) const = default;
};

enum MapMode : int { MM_TEXT = 1, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8 };
enum BkMode : int { TRANSPARENT = 1, OPAQUE = 2 };
// Binary raster operations of pen or brush (P) with the surface (D).
enum Rop2 : int { R2_BLACK = 1, R2_NOTMERGEPEN, R2_MASKNOTPEN, R2_NOTCOPYPEN, R2_MASKPENNOT, R2_NOT,
                  R2_XORPEN, R2_NOTMASKPEN, R2_MASKPEN, R2_NOTXORPEN, R2_NOP, R2_MERGENOTPEN,
                  R2_COPYPEN, R2_MERGEPENNOT, R2_MERGEPEN, R2_WHITE };
// Ternary raster operations of block transfers (pattern = current brush, source, destination).
enum Rop3 : uint32_t {
    SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
    SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008, NOTSRCERASE = 0x001100A6,
    MERGEPAINT = 0x00BB0226, PATCOPY = 0x00F00021, PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009, BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062,
};

// Drawing state starts as a fresh window context: pixel mapping, black 1-pixel pen, white brush,
// white opaque background, black text, copy mode. Several contexts may draw on one surface.
//
// Logical to device: device = (logical - windowOrg) * viewportExt / windowExt + viewportOrg, the
// division truncating toward zero on both sides of the origin (at 10:1, -15 LU is pixel -1 and
// -5 LU pixel 0).
//
// Pixel rules: Rectangle, Ellipse and Chord leave out the right and bottom edge of their box
// (with the null pen the fill is one pixel narrower and lower again); lines leave out their end
// point. Every figure is rasterised whole before it touches the surface, so each pixel is mixed
// once: an exclusive-or figure drawn twice restores the picture. Where a figure's fill and
// outline meet, the outline's colour wins.
class CDC {
public:
    explicit CDC(Surface& surface);

    Surface& GetSurface() { return surface_; }

    // Mapping. Going to MM_TEXT and back to a scaled mode brings the scaled extents back.
    int SetMapMode(int mode);
    int GetMapMode() const { return mapMode_; }
    Size SetWindowExt(int cx, int cy);
    Size SetViewportExt(int cx, int cy);
    Point SetWindowOrg(int x, int y);
    Point SetViewportOrg(int x, int y);
    QPoint LPtoDP(Point p) const;
    Point DPtoLP(QPoint p) const;
    QRect LPtoDP(int left, int top, int right, int bottom) const; // device box [l, r) x [t, b)

    // Objects and modes; each returns what was selected before.
    CPen SelectObject(const CPen& pen);
    CBrush SelectObject(const CBrush& brush);
    CFont SelectObject(const CFont& font);
    const CPen& GetPen() const { return pen_; }
    const CBrush& GetBrush() const { return brush_; }
    const CFont& GetFont() const { return font_; }
    const Palette* SelectPalette(const Palette* palette);
    void RealizePalette() {}
    COLORREF SetBkColor(COLORREF colour);
    int SetBkMode(int mode);
    COLORREF SetTextColor(COLORREF colour);
    int SetROP2(int rop);
    int GetROP2() const { return rop2_; }
    COLORREF GetBkColor() const { return bkColour_; }
    int GetBkMode() const { return bkMode_; }
    COLORREF GetTextColor() const { return textColour_; }

    // Figures, in logical units.
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    void Chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void Polygon(const Point* points, int count);
    void Polyline(const Point* points, int count);
    void PolyBezier(const Point* points, int count); // 1 + 3n points
    Point MoveTo(int x, int y);
    void LineTo(int x, int y);
    Point GetCurrentPosition() const { return current_; }
    // Fills with the current brush every pixel 4-connected to (x, y) that is not `boundary`.
    // False when the point is outside the surface or already the boundary colour.
    bool FloodFill(int x, int y, COLORREF boundary);
    COLORREF GetPixel(int x, int y) const;
    COLORREF SetPixel(int x, int y, COLORREF colour);

    // Text (UTF-8), placed by the top-left corner of its cell.
    void TextOut(int x, int y, const std::string& text);
    Size GetTextExtent(const std::string& text) const;

    // Pictures, in pixels, placed at a logical point. Icons: pixels with alpha under half are
    // transparent, the rest copied.
    void DrawIcon(int x, int y, const QImage& icon);
    bool BitBlt(int x, int y, int width, int height, const QImage& source, int sourceX, int sourceY,
                uint32_t rop);

    // The device colour a colour value is drawn in (palette-matched colours on palette displays
    // go to their nearest entry of the selected palette).
    QRgb ResolveColour(COLORREF colour) const;

private:
    enum Role : uint8_t { kNone = 0, kFill = 1, kPen = 2, kTextBack = 3, kText = 4 };
    class Mask;

    int DeviceX(int x) const;
    int DeviceY(int y) const;
    int PenPixels() const;
    bool HasPen() const { return pen_.style != PS_NULL; }
    bool HasFill() const { return brush_.kind != CBrush::Kind::Null; }
    void SetupPen(QPainter& painter) const;
    void SetupBrush(QPainter& painter) const;
    template <class Draw> void Figure(const QRect& box, Draw draw);
    template <class Paint> void PaintMask(Mask& mask, bool pen, bool brush, Paint paint) const;
    template <class Paint> void PaintFigure(const QRect& box, Paint paint);
    void Composite(const Mask& mask);
    void StepLine(Mask& mask, QPoint from, QPoint to);
    void Plot(QRgb* pixel, int x, int y, uint8_t role, QRgb pen, QRgb fill, QRgb text, QRgb back,
              QRgb tilePixel) const;
    QRgb BrushPixel(int x, int y, bool& draw) const;
    QFont DeviceFont() const;

    Surface& surface_;
    int mapMode_ = MM_TEXT;
    Size windowExt_{1, 1}, viewportExt_{1, 1};
    Size scaledWindowExt_{1, 1}, scaledViewportExt_{1, 1};
    Point windowOrg_, viewportOrg_;
    CPen pen_{PS_SOLID, 0, RGB(0, 0, 0)};
    CBrush brush_{RGB(255, 255, 255)};
    CFont font_;
    const Palette* palette_ = nullptr;
    COLORREF bkColour_ = RGB(255, 255, 255);
    int bkMode_ = OPAQUE;
    COLORREF textColour_ = RGB(0, 0, 0);
    int rop2_ = R2_COPYPEN;
    Point current_;
    mutable CFont cachedFontKey_;
    mutable int cachedFontPixels_ = -1;
    mutable QFont cachedFont_;
};

} // namespace platform
