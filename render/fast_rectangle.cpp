// Window-sized rectangles: the edges and corners are taken from the device context's own drawing
// of a small rectangle with the same pen, the rows and columns between them repeat.
#include "render/fast_rectangle.h"
#include "platform/raster_ops.h"

#include <algorithm>
#include <vector>

namespace render {

namespace {

enum Role : uint8_t { kNone, kFill, kPen };

// Which part of the sample a device coordinate maps to: the first `k` and last `k` of the box
// keep their distance to the near edge, the rest maps to the middle.
int SampleIndex(int v, int low, int high, int k, int pad)
{
    if (v < low + k)
        return pad + (v - low);
    if (v >= high - k)
        return pad + 2 * k - (high - v);
    return pad + k;
}

} // namespace

void FastRectangle(platform::CDC& dc, int left, int top, int right, int bottom)
{
    const QRect box = dc.LPtoDP(left, top, right, bottom);
    const platform::CPen& pen = dc.GetPen();
    const platform::CBrush& brush = dc.GetBrush();
    const bool hasPen = pen.style != platform::PS_NULL;
    const int penPixels =
        std::max(std::abs(dc.LPtoDP(platform::Point{pen.width, 0}).x() - dc.LPtoDP(platform::Point{0, 0}).x()), 1);
    const int k = penPixels + 4, pad = penPixels + 2;
    if (dc.GetROP2() != platform::R2_COPYPEN || box.width() < 4 * k || box.height() < 4 * k) {
        dc.Rectangle(left, top, right, bottom);
        return;
    }

    // The sample: the same figure on a box of 2k pixels, pen red, fill blue, on green.
    const int size = 2 * k + 2 * pad;
    platform::Surface sample(QSize(size, size), qRgb(0, 255, 0));
    {
        platform::CDC sdc(sample);
        sdc.SelectObject(hasPen ? platform::CPen(platform::PS_SOLID, penPixels, platform::RGB(255, 0, 0))
                                : platform::CPen::Null());
        platform::CBrush fill(platform::RGB(0, 0, 255));
        if (brush.kind == platform::CBrush::Kind::Null)
            fill = platform::CBrush::Null();
        sdc.SelectObject(fill);
        sdc.Rectangle(pad, pad, pad + 2 * k, pad + 2 * k);
    }
    auto role = [&](int sx, int sy) -> uint8_t {
        const QRgb c = sample.Image().pixel(sx, sy) & 0xFFFFFFu;
        return c == 0xFF0000u ? kPen : c == 0x0000FFu ? kFill : kNone;
    };

    const QRect area = box.adjusted(-pad, -pad, pad, pad).intersected(dc.GetSurface().Rect());
    if (area.isEmpty())
        return;
    const QRgb penColour = 0xFF000000u | (dc.ResolveColour(pen.colour) & 0xFFFFFFu);
    const QRgb solid = 0xFF000000u | (dc.ResolveColour(brush.colour) & 0xFFFFFFu);
    const QRgb back = 0xFF000000u | (dc.ResolveColour(dc.GetBkColor()) & 0xFFFFFFu);
    const bool hatchBack = dc.GetBkMode() == platform::OPAQUE;
    const int tw = brush.tile.width(), th = brush.tile.height();

    // Each distinct sample row becomes runs of one role; rows repeat in the middle of the box.
    struct Run {
        int from, to;  // device x, inclusive
        uint8_t role;
    };
    std::vector<Run> runs;
    int lastSampleRow = -1;
    QImage& image = dc.GetSurface().Image();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int sy = SampleIndex(y, box.top(), box.top() + box.height(), k, pad);
        if (sy < 0 || sy >= size)
            continue;
        if (sy != lastSampleRow) {
            runs.clear();
            for (int x = area.left(); x <= area.right(); ++x) {
                const int sx = SampleIndex(x, box.left(), box.left() + box.width(), k, pad);
                const uint8_t r = sx < 0 || sx >= size ? uint8_t(kNone) : role(sx, sy);
                if (!runs.empty() && runs.back().role == r && runs.back().to == x - 1)
                    runs.back().to = x;
                else
                    runs.push_back({x, x, r});
            }
            lastSampleRow = sy;
        }
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const QRgb* tileRow = brush.kind == platform::CBrush::Kind::Pattern && tw > 0 && th > 0
                                  ? reinterpret_cast<const QRgb*>(brush.tile.constScanLine(((y % th) + th) % th))
                                  : nullptr;
        for (const Run& run : runs) {
            if (run.role == kPen) {
                std::fill(row + run.from, row + run.to + 1, penColour);
            } else if (run.role == kFill) {
                if (tileRow) {
                    // The tile's row, copied a whole period at a time.
                    int x = run.from, tx = ((run.from % tw) + tw) % tw;
                    while (x <= run.to) {
                        const int n = std::min(tw - tx, run.to - x + 1);
                        std::copy(tileRow + tx, tileRow + tx + n, row + x);
                        x += n;
                        tx = 0;
                    }
                } else if (brush.kind == platform::CBrush::Kind::Solid) {
                    std::fill(row + run.from, row + run.to + 1, solid);
                } else if (brush.kind == platform::CBrush::Kind::Hatched) {
                    for (int x = run.from; x <= run.to; ++x) {
                        if (platform::IsHatchPixel(brush.hatch, x, y))
                            row[x] = solid;
                        else if (hatchBack)
                            row[x] = back;
                    }
                }
            }
        }
    }
    dc.GetSurface().MarkDirty(area);
}

} // namespace render
