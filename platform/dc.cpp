// The device context: mapping, object selection and the figures, rasterised through a role mask.
#include "platform/dc.h"
#include "platform/fonts.h"
#include "platform/raster_ops.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace platform {

// A figure is first painted into this mask, one role per pixel (fill, pen, text background,
// glyph), and only then mixed into the surface: every pixel is touched once.
class CDC::Mask {
public:
    explicit Mask(const QRect& deviceBounds)
        : bounds(deviceBounds), image(deviceBounds.size(), QImage::Format_RGB32)
    {
        image.fill(qRgb(0, 0, 0));
    }
    static QColor RoleColour(uint8_t role) { return QColor(0, 0, role); }
    void SetRole(int x, int y, uint8_t role)
    {
        reinterpret_cast<QRgb*>(image.scanLine(y - bounds.top()))[x - bounds.left()] = qRgb(0, 0, role);
    }
    QRect bounds;
    QImage image;
};

namespace {

int Sign(int v) { return v < 0 ? -1 : 1; }

// The painter for a mask: no antialiasing, coordinates in device pixels of the surface.
void BeginMask(QPainter& painter, QImage& image, const QRect& bounds)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.translate(-bounds.left(), -bounds.top());
}

QRect Normalised(int left, int top, int right, int bottom)
{
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace

CDC::CDC(Surface& surface) : surface_(surface) {}

// Mapping.

int CDC::SetMapMode(int mode)
{
    const int old = mapMode_;
    if (mode == old)
        return old;
    mapMode_ = mode;
    // Pictures and cards are drawn in pixels between scaled drawing: the scaled extents are kept
    // aside and come back with the scaled mode.
    if (mode == MM_TEXT) {
        scaledWindowExt_ = windowExt_;
        scaledViewportExt_ = viewportExt_;
        windowExt_ = {1, 1};
        viewportExt_ = {1, 1};
    } else if (old == MM_TEXT) {
        windowExt_ = scaledWindowExt_;
        viewportExt_ = scaledViewportExt_;
    }
    return old;
}

Size CDC::SetWindowExt(int cx, int cy)
{
    const Size old = windowExt_;
    if (mapMode_ == MM_TEXT || cx == 0 || cy == 0)
        return old;
    windowExt_ = {cx, cy};
    return old;
}

Size CDC::SetViewportExt(int cx, int cy)
{
    const Size old = viewportExt_;
    if (mapMode_ == MM_TEXT || cx == 0 || cy == 0)
        return old;
    viewportExt_ = {cx, cy};
    if (mapMode_ == MM_ISOTROPIC) {
        // Both axes take the smaller of the two scales, as the system's isotropic mode does.
        const int64_t ax = std::abs(int64_t(cx)) * std::abs(int64_t(windowExt_.cy));
        const int64_t ay = std::abs(int64_t(cy)) * std::abs(int64_t(windowExt_.cx));
        if (ax > ay)
            viewportExt_.cx = Sign(cx) * int(std::abs(int64_t(cy)) * std::abs(int64_t(windowExt_.cx)) /
                                             std::abs(int64_t(windowExt_.cy)));
        else if (ay > ax)
            viewportExt_.cy = Sign(cy) * int(std::abs(int64_t(cx)) * std::abs(int64_t(windowExt_.cy)) /
                                             std::abs(int64_t(windowExt_.cx)));
    }
    return old;
}

Point CDC::SetWindowOrg(int x, int y)
{
    const Point old = windowOrg_;
    windowOrg_ = {x, y};
    return old;
}

Point CDC::SetViewportOrg(int x, int y)
{
    const Point old = viewportOrg_;
    viewportOrg_ = {x, y};
    return old;
}

int CDC::DeviceX(int x) const
{
    return int(int64_t(x - windowOrg_.x) * viewportExt_.cx / windowExt_.cx) + viewportOrg_.x;
}

int CDC::DeviceY(int y) const
{
    return int(int64_t(y - windowOrg_.y) * viewportExt_.cy / windowExt_.cy) + viewportOrg_.y;
}

QPoint CDC::LPtoDP(Point p) const { return QPoint(DeviceX(p.x), DeviceY(p.y)); }

Point CDC::DPtoLP(QPoint p) const
{
    return {int(int64_t(p.x() - viewportOrg_.x) * windowExt_.cx / viewportExt_.cx) + windowOrg_.x,
            int(int64_t(p.y() - viewportOrg_.y) * windowExt_.cy / viewportExt_.cy) + windowOrg_.y};
}

QRect CDC::LPtoDP(int left, int top, int right, int bottom) const
{
    return Normalised(DeviceX(left), DeviceY(top), DeviceX(right), DeviceY(bottom));
}

// Objects and modes.

CPen CDC::SelectObject(const CPen& pen) { return std::exchange(pen_, pen); }
CBrush CDC::SelectObject(const CBrush& brush) { return std::exchange(brush_, brush); }
CFont CDC::SelectObject(const CFont& font) { return std::exchange(font_, font); }
const Palette* CDC::SelectPalette(const Palette* palette) { return std::exchange(palette_, palette); }
COLORREF CDC::SetBkColor(COLORREF colour) { return std::exchange(bkColour_, colour); }
int CDC::SetBkMode(int mode) { return std::exchange(bkMode_, mode); }
COLORREF CDC::SetTextColor(COLORREF colour) { return std::exchange(textColour_, colour); }
int CDC::SetROP2(int rop) { return std::exchange(rop2_, rop); }

QRgb CDC::ResolveColour(COLORREF colour) const
{
    const uint32_t kind = colour >> 24;
    if (kind == 0x01)
        return palette_ ? (0xFF000000u | ColourToRgb(palette_->EntryColour(int(colour & 0xFFFF))))
                        : qRgb(0, 0, 0);
    if (kind == 0x02 && palette_ && IsPaletteDisplay())
        return 0xFF000000u | ColourToRgb(palette_->EntryColour(palette_->NearestIndex(colour)));
    return 0xFF000000u | ColourToRgb(colour);
}

int CDC::PenPixels() const
{
    const int width = int(std::abs(int64_t(pen_.width) * viewportExt_.cx / windowExt_.cx));
    return std::max(width, 1);
}

void CDC::SetupPen(QPainter& painter) const
{
    if (!HasPen()) {
        painter.setPen(Qt::NoPen);
        return;
    }
    const int width = PenPixels();
    QPen pen(Mask::RoleColour(kPen));
    pen.setWidth(width);
    // One-pixel lines leave out their end point; wide pens have round ends and joins.
    pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    painter.setPen(pen);
}

void CDC::SetupBrush(QPainter& painter) const
{
    if (HasFill())
        painter.setBrush(Mask::RoleColour(kFill));
    else
        painter.setBrush(Qt::NoBrush);
}

// Mixing a mask into the surface.

QRgb CDC::BrushPixel(int x, int y, bool& draw) const
{
    draw = true;
    switch (brush_.kind) {
    case CBrush::Kind::Null:
        draw = false;
        return 0;
    case CBrush::Kind::Solid:
        return ResolveColour(brush_.colour);
    case CBrush::Kind::Hatched:
        if (IsHatchPixel(brush_.hatch, x, y))
            return ResolveColour(brush_.colour);
        draw = bkMode_ == OPAQUE;
        return ResolveColour(bkColour_);
    case CBrush::Kind::Pattern: {
        const int tw = brush_.tile.width(), th = brush_.tile.height();
        if (tw == 0 || th == 0) {
            draw = false;
            return 0;
        }
        const int tx = ((x % tw) + tw) % tw, ty = ((y % th) + th) % th;
        return reinterpret_cast<const QRgb*>(brush_.tile.constScanLine(ty))[tx];
    }
    }
    draw = false;
    return 0;
}

void CDC::Composite(const Mask& mask)
{
    const QRect area = mask.bounds.intersected(surface_.Rect());
    if (area.isEmpty())
        return;
    // Colours are resolved once per figure; only hatch and tile vary by pixel.
    const QRgb pen = ResolveColour(pen_.colour);
    const QRgb text = ResolveColour(textColour_);
    const QRgb back = ResolveColour(bkColour_);
    const QRgb brush = ResolveColour(brush_.colour);
    const CBrush::Kind kind = brush_.kind;
    const bool hatchBack = bkMode_ == OPAQUE;
    const int tw = brush_.tile.width(), th = brush_.tile.height();
    const bool tiled = kind == CBrush::Kind::Pattern && tw > 0 && th > 0;
    const bool copy = rop2_ == R2_COPYPEN;

    QImage& image = surface_.Image();
    int left = area.right() + 1, right = area.left() - 1, top = area.bottom() + 1, bottom = area.top() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const QRgb* roles = reinterpret_cast<const QRgb*>(mask.image.constScanLine(y - mask.bounds.top())) -
                            mask.bounds.left();
        const QRgb* tileRow = tiled ? reinterpret_cast<const QRgb*>(brush_.tile.constScanLine(((y % th) + th) % th))
                                    : nullptr;
        int tx = tiled ? ((area.left() % tw) + tw) % tw : 0;
        int rowLeft = -1, rowRight = -1;
        for (int x = area.left(); x <= area.right(); ++x, tx = tx + 1 == tw ? 0 : tx + 1) {
            QRgb colour;
            switch (roles[x] & 0xFF) {
            case kFill:
                if (kind == CBrush::Kind::Solid)
                    colour = brush;
                else if (tiled)
                    colour = tileRow[tx];
                else if (kind == CBrush::Kind::Hatched && IsHatchPixel(brush_.hatch, x, y))
                    colour = brush;
                else if (kind == CBrush::Kind::Hatched && hatchBack)
                    colour = back;
                else
                    continue;
                break;
            case kPen: colour = pen; break;
            case kTextBack: colour = back; break;
            case kText: colour = text; break;
            default: continue;
            }
            row[x] = copy ? (0xFF000000u | colour) : (0xFF000000u | ApplyRop2(rop2_, colour, row[x]));
            if (rowLeft < 0)
                rowLeft = x;
            rowRight = x;
        }
        if (rowLeft >= 0) {
            left = std::min(left, rowLeft);
            right = std::max(right, rowRight);
            top = std::min(top, y);
            bottom = y;
        }
    }
    if (left <= right)
        surface_.MarkDirty(QRect(QPoint(left, top), QPoint(right, bottom)));
}

// Figures.

// A figure's mask covers its device box and the pen's width and a pixel beyond, as far as the
// surface reaches; nothing is drawn or mixed when none of it is on the surface.
template <class Draw> void CDC::Figure(const QRect& box, Draw draw)
{
    const int pad = PenPixels() + 1;
    Mask mask(box.adjusted(-pad, -pad, pad, pad).intersected(surface_.Rect()));
    if (mask.bounds.isEmpty())
        return;
    draw(mask);
    Composite(mask);
}

// Paints into a mask with the selected pen and brush, or with none of either where the figure
// draws that part itself or has none.
template <class Paint> void CDC::PaintMask(Mask& mask, bool pen, bool brush, Paint paint) const
{
    QPainter painter;
    BeginMask(painter, mask.image, mask.bounds);
    if (pen)
        SetupPen(painter);
    else
        painter.setPen(Qt::NoPen);
    if (brush)
        SetupBrush(painter);
    else
        painter.setBrush(Qt::NoBrush);
    paint(painter);
    // Ended before the mask is stepped into or mixed.
    painter.end();
}

// A figure the painter draws whole, outline and fill.
template <class Paint> void CDC::PaintFigure(const QRect& box, Paint paint)
{
    Figure(box, [&](Mask& mask) { PaintMask(mask, true, true, paint); });
}

void CDC::Rectangle(int left, int top, int right, int bottom)
{
    const QRect box = LPtoDP(left, top, right, bottom);
    // A one-pixel outline falls right of and below the rectangle given to the painter, so the
    // box one smaller covers exactly [l, r) x [t, b); without a pen that box is the fill.
    PaintFigure(box, [&](QPainter& painter) {
        painter.drawRect(QRect(box.topLeft(), QSize(std::max(box.width() - 1, 0), std::max(box.height() - 1, 0))));
    });
}

void CDC::Ellipse(int left, int top, int right, int bottom)
{
    const QRect box = LPtoDP(left, top, right, bottom);
    PaintFigure(box, [&](QPainter& painter) {
        if (box.width() <= 1 || box.height() <= 1) {
            // Too thin to have an inside: the pen alone marks the box, so a point-sized ellipse is a dot.
            if (HasPen())
                painter.drawLine(box.topLeft(), QPoint(box.left() + std::max(box.width() - 1, 0),
                                                       box.top() + std::max(box.height() - 1, 0)));
        } else {
            painter.drawEllipse(QRect(box.topLeft(), QSize(box.width() - 1, box.height() - 1)));
        }
    });
}

void CDC::Chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const QRect box = LPtoDP(left, top, right, bottom);
    // The arc runs counter-clockwise (as seen on the screen) from the radial through (x1, y1) to
    // the one through (x2, y2). The painter measures an ellipse's angles parametrically, so the
    // radials are scaled onto the unit circle first.
    const double cx = (double(left) + right) / 2, cy = (double(top) + bottom) / 2;
    const double rx = std::max(std::abs(double(right) - left) / 2, 1.0);
    const double ry = std::max(std::abs(double(bottom) - top) / 2, 1.0);
    const double toDegrees = 180.0 / M_PI;
    const double start = std::atan2(-(y1 - cy) / ry, (x1 - cx) / rx) * toDegrees;
    const double end = std::atan2(-(y2 - cy) / ry, (x2 - cx) / rx) * toDegrees;
    double span = std::fmod(end - start + 720.0, 360.0);
    if (span <= 0.0)
        span = 360.0;
    // Half a pixel in, so that the path's outline falls on the same pixels as an ellipse's.
    const QRectF rect(box.left() + 0.5, box.top() + 0.5, std::max(box.width() - 1, 0), std::max(box.height() - 1, 0));
    QPainterPath path;
    path.arcMoveTo(rect, start);
    path.arcTo(rect, start, span);
    path.closeSubpath();
    PaintFigure(box, [&](QPainter& painter) { painter.drawPath(path); });
}

namespace {

QPolygon DevicePolygon(const CDC& dc, const Point* points, int count, QRect& bounds)
{
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i)
        polygon[i] = dc.LPtoDP(points[i]);
    bounds = polygon.boundingRect();
    return polygon;
}

} // namespace

void CDC::Polygon(const Point* points, int count)
{
    if (count < 2)
        return;
    QRect bounds;
    const QPolygon polygon = DevicePolygon(*this, points, count, bounds);
    const bool thin = HasPen() && PenPixels() == 1;
    Figure(bounds, [&](Mask& mask) {
        PaintMask(mask, !thin, true, [&](QPainter& painter) { painter.drawPolygon(polygon, Qt::OddEvenFill); });
        // A one-pixel outline is the closed polyline through the corners, stepped like any line.
        if (thin)
            for (int i = 0; i < count; ++i)
                StepLine(mask, polygon[i], polygon[(i + 1) % count]);
    });
}

void CDC::Polyline(const Point* points, int count)
{
    if (count < 2 || !HasPen())
        return;
    QRect bounds;
    const QPolygon polygon = DevicePolygon(*this, points, count, bounds);
    Figure(bounds, [&](Mask& mask) {
        if (PenPixels() == 1) {
            // One-pixel lines are stepped here rather than by the painter, which drops the last
            // pixel of a line only in its own preferred direction: each segment leaves out its end
            // point whichever way it runs, and the next segment starts there.
            for (int i = 0; i + 1 < count; ++i)
                StepLine(mask, polygon[i], polygon[i + 1]);
        } else {
            PaintMask(mask, true, false, [&](QPainter& painter) { painter.drawPolyline(polygon); });
        }
    });
}

void CDC::StepLine(Mask& mask, QPoint from, QPoint to)
{
    const int dx = std::abs(to.x() - from.x()), dy = std::abs(to.y() - from.y());
    const int sx = to.x() >= from.x() ? 1 : -1, sy = to.y() >= from.y() ? 1 : -1;
    int x = from.x(), y = from.y();
    int error = dx - dy;
    while (x != to.x() || y != to.y()) {
        if (mask.bounds.contains(x, y))
            mask.SetRole(x, y, kPen);
        const int twice = 2 * error;
        if (twice > -dy) {
            error -= dy;
            x += sx;
        }
        if (twice < dx) {
            error += dx;
            y += sy;
        }
    }
}

void CDC::PolyBezier(const Point* points, int count)
{
    if (count < 4 || (count - 1) % 3 != 0 || !HasPen())
        return;
    QRect bounds;
    const QPolygon polygon = DevicePolygon(*this, points, count, bounds);
    Figure(bounds, [&](Mask& mask) {
        if (PenPixels() == 1) {
            // Flattened into pieces of under half a pixel and thinned to a one-pixel stair: a point
            // whose neighbours touch each other is dropped. Each curve is walked from both ends to its
            // middle, so a curve with mirror-image control points draws a mirror-image stair.
            auto thinned = [](const QPolygon& points) {
                QPolygon out;
                for (int i = 0; i < points.size(); ++i) {
                    if (!out.isEmpty() && out.back() == points[i])
                        continue;
                    if (!out.isEmpty() && i + 1 < points.size()) {
                        const QPoint d = points[i + 1] - out.back();
                        if (std::abs(d.x()) <= 1 && std::abs(d.y()) <= 1)
                            continue;
                    }
                    out << points[i];
                }
                return out;
            };
            QPolygon flat;
            flat << polygon[0];
            for (int i = 1; i + 2 < count; i += 3) {
                const QPointF p0 = polygon[i - 1], p1 = polygon[i], p2 = polygon[i + 1], p3 = polygon[i + 2];
                const double reach = QLineF(p0, p1).length() + QLineF(p1, p2).length() + QLineF(p2, p3).length();
                const int half = std::clamp(int(reach), 1, 2000);
                auto at = [&](double t) {
                    const double u = 1.0 - t;
                    const QPointF q = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
                    return QPoint(int(std::floor(q.x() + 0.5)), int(std::floor(q.y() + 0.5)));
                };
                QPolygon front, back;
                for (int k = 0; k <= half; ++k) {
                    front << at(0.5 * k / half);
                    back << at(1.0 - 0.5 * k / half);
                }
                front = thinned(front);
                back = thinned(back);
                for (int k = back.size() - 1; k >= 0; --k)
                    front << back[k];
                for (const QPoint& q : thinned(front))
                    if (q != flat.back())
                        flat << q;
            }
            for (int i = 0; i + 1 < flat.size(); ++i)
                StepLine(mask, flat[i], flat[i + 1]);
        } else {
            QPainterPath path(polygon[0]);
            for (int i = 1; i + 2 < count; i += 3)
                path.cubicTo(polygon[i], polygon[i + 1], polygon[i + 2]);
            PaintMask(mask, true, false, [&](QPainter& painter) { painter.drawPath(path); });
        }
    });
}

Point CDC::MoveTo(int x, int y) { return std::exchange(current_, Point{x, y}); }

void CDC::LineTo(int x, int y)
{
    const Point from = std::exchange(current_, Point{x, y});
    if (!HasPen())
        return;
    const Point points[2] = {from, {x, y}};
    Polyline(points, 2);
}

// Pixels.

COLORREF CDC::GetPixel(int x, int y) const
{
    const QPoint p = LPtoDP(Point{x, y});
    if (!surface_.Rect().contains(p))
        return CLR_INVALID;
    return RgbToColour(surface_.Image().pixel(p));
}

COLORREF CDC::SetPixel(int x, int y, COLORREF colour)
{
    const QPoint p = LPtoDP(Point{x, y});
    if (!surface_.Rect().contains(p))
        return CLR_INVALID;
    const QRgb rgb = ResolveColour(colour);
    surface_.Image().setPixel(p, rgb);
    surface_.MarkDirty(QRect(p, QSize(1, 1)));
    return RgbToColour(rgb);
}

bool CDC::FloodFill(int x, int y, COLORREF boundary)
{
    const QPoint seed = LPtoDP(Point{x, y});
    const QRect area = surface_.Rect();
    if (!area.contains(seed))
        return false;
    const QImage& image = surface_.Image();
    const QRgb stop = ResolveColour(boundary) & 0xFFFFFFu;
    auto isBoundary = [&](int px, int py) {
        return (reinterpret_cast<const QRgb*>(image.constScanLine(py))[px] & 0xFFFFFFu) == stop;
    };
    if (isBoundary(seed.x(), seed.y()))
        return false;

    // Scanline fill, 4-connected: a run is grown left and right, and each run of open pixels
    // directly above and below it seeds the next. The region is found before anything is drawn.
    const int width = area.width();
    // Reused between fills and cleared only where a fill marked it: a ball's stripe is filled on
    // every step of the motion, and zeroing a whole window's worth each time would dominate.
    thread_local std::vector<uint8_t> inside;
    if (inside.size() < size_t(width) * size_t(area.height()))
        inside.assign(size_t(width) * size_t(area.height()), 0);
    auto visited = [&](int px, int py) -> uint8_t& { return inside[size_t(py) * size_t(width) + size_t(px)]; };
    std::vector<QPoint> stack{seed};
    QRect region;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (visited(p.x(), p.y()) || isBoundary(p.x(), p.y()))
            continue;
        int left = p.x(), right = p.x();
        while (left > 0 && !visited(left - 1, p.y()) && !isBoundary(left - 1, p.y()))
            --left;
        while (right < width - 1 && !visited(right + 1, p.y()) && !isBoundary(right + 1, p.y()))
            ++right;
        for (int i = left; i <= right; ++i)
            visited(i, p.y()) = 1;
        region |= QRect(QPoint(left, p.y()), QPoint(right, p.y()));
        for (int ny : {p.y() - 1, p.y() + 1}) {
            if (ny < 0 || ny >= area.height())
                continue;
            bool open = false;
            for (int i = left; i <= right; ++i) {
                const bool fillable = !visited(i, ny) && !isBoundary(i, ny);
                if (fillable && !open)
                    stack.emplace_back(i, ny);
                open = fillable;
            }
        }
    }

    Mask mask(region);
    for (int py = region.top(); py <= region.bottom(); ++py)
        for (int px = region.left(); px <= region.right(); ++px)
            if (visited(px, py))
                mask.SetRole(px, py, kFill);
    for (int py = region.top(); py <= region.bottom(); ++py)
        std::fill_n(&visited(region.left(), py), region.width(), uint8_t(0));
    Composite(mask);
    return true;
}

// Text.

QFont CDC::DeviceFont() const
{
    int pixels = int(int64_t(font_.height) * viewportExt_.cy / windowExt_.cy);
    if (pixels == 0 && font_.height != 0)
        pixels = font_.height > 0 ? 1 : -1;
    if (pixels != cachedFontPixels_ || !(font_ == cachedFontKey_)) {
        cachedFont_ = MakeQFont(font_, pixels, true);
        cachedFontKey_ = font_;
        cachedFontPixels_ = pixels;
    }
    return cachedFont_;
}

Size CDC::GetTextExtent(const std::string& text) const
{
    const QFontMetrics metrics(DeviceFont());
    const int w = metrics.horizontalAdvance(QString::fromStdString(text));
    const int h = metrics.height();
    return {int(int64_t(w) * windowExt_.cx / viewportExt_.cx), int(int64_t(h) * windowExt_.cy / viewportExt_.cy)};
}

void CDC::TextOut(int x, int y, const std::string& text)
{
    const QFont font = DeviceFont();
    const QFontMetrics metrics(font);
    const QString qtext = QString::fromStdString(text);
    const QPoint origin = LPtoDP(Point{x, y});
    const QRect cell(origin, QSize(metrics.horizontalAdvance(qtext), metrics.height()));
    // Glyphs may reach past their advance; the mask leaves them room.
    const int slack = metrics.height();
    Mask mask(cell.adjusted(-slack, 0, slack, 0).intersected(surface_.Rect()));
    if (mask.bounds.isEmpty())
        return;
    QPainter painter;
    BeginMask(painter, mask.image, mask.bounds);
    if (bkMode_ == OPAQUE)
        painter.fillRect(cell, Mask::RoleColour(kTextBack));
    painter.setFont(font);
    painter.setPen(Mask::RoleColour(kText));
    // The painter places the baseline; the cell's top-left is what the caller gave.
    painter.drawText(origin.x(), origin.y() + metrics.ascent(), qtext);
    painter.end();
    Composite(mask);
}

// Pictures.

void CDC::DrawIcon(int x, int y, const QImage& icon)
{
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    const QPoint origin = LPtoDP(Point{x, y});
    const QRect area = QRect(origin, argb.size()).intersected(surface_.Rect());
    if (area.isEmpty())
        return;
    QImage& image = surface_.Image();
    for (int py = area.top(); py <= area.bottom(); ++py) {
        const QRgb* source = reinterpret_cast<const QRgb*>(argb.constScanLine(py - origin.y()));
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = area.left(); px <= area.right(); ++px) {
            const QRgb s = source[px - origin.x()];
            if (qAlpha(s) >= 128)
                row[px] = 0xFF000000u | (s & 0xFFFFFFu);
        }
    }
    surface_.MarkDirty(area);
}

bool CDC::BitBlt(int x, int y, int width, int height, const QImage& source, int sourceX, int sourceY,
                 uint32_t rop)
{
    const QRect box = LPtoDP(x, y, x + width, y + height);
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    // Destination pixels that have a source pixel and lie on the surface.
    QRect area = box.intersected(surface_.Rect());
    area = area.intersected(rgb.rect().translated(box.left() - sourceX, box.top() - sourceY));
    if (area.isEmpty())
        return true;
    QImage& image = surface_.Image();
    for (int py = area.top(); py <= area.bottom(); ++py) {
        const QRgb* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(py - box.top() + sourceY));
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = area.left(); px <= area.right(); ++px) {
            bool draw;
            QRgb pattern = BrushPixel(px, py, draw);
            if (!draw)
                pattern = 0;
            row[px] = 0xFF000000u | ApplyRop3(rop, pattern, src[px - box.left() + sourceX], row[px]);
        }
    }
    surface_.MarkDirty(area);
    return true;
}

} // namespace platform
