// The cue-ball pictures for each ball size: a shaded white ball with a red rolling mark.
#include "cue_ball_shape.h"
#include "picture_set.h"

#include <cmath>

namespace pictures {

void PaintCueBall(QImage& image, int left, int top, int size, int markPhase)
{
    const double radius = size / 2.0;
    const double cx = left + radius, cy = top + radius;
    // The light comes from the upper left, so the grey gathers toward the lower right rim.
    const double lx = cx - radius * 0.3, ly = cy - radius * 0.3;
    for (int y = top; y < top + size; ++y) {
        for (int x = left; x < left + size; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d > radius)
                continue;
            QRgb colour;
            if (d > radius - 1.0) {
                colour = qRgb(0, 0, 0);
            } else {
                const double hx = x + 0.5 - lx, hy = y + 0.5 - ly;
                const double t = std::min(1.0, std::sqrt(hx * hx + hy * hy) / (radius * 1.25));
                const int level = t < 0.5 ? 255 : int(std::lround(255 - (255 - 192) * (t - 0.5) / 0.5));
                colour = qRgb(level, level, level);
                // The mark: about two pixels just inside the outline.
                const double inner = radius - 3.0, halfWidth = 1.1;
                bool mark = false;
                switch (markPhase) {
                case 0: mark = dy > inner && std::abs(dx) < halfWidth; break;   // bottom
                case 1: mark = dx < -inner && std::abs(dy) < halfWidth; break;  // left
                case 2: mark = dy < -inner && std::abs(dx) < halfWidth; break;  // top
                case 3: mark = dx > inner && std::abs(dy) < halfWidth; break;   // right
                default: break;
                }
                if (mark)
                    colour = qRgb(255, 0, 0);
            }
            image.setPixel(x, y, 0xFF000000u | colour);
        }
    }
}

void MakeCueBalls(std::vector<Picture>& out)
{
    struct Scale {
        int size;
        int ids[4];  // phase 0 (mark at the bottom), 1 (left), 2 (top), 3 (right)
        const char* names[4];
    };
    static constexpr Scale kScales[] = {
        {28, {112, 158, 159, 160}, {"cueball_28_0", "cueball_28_1", "cueball_28_2", "cueball_28_3"}},
        {25, {106, 147, 148, 146}, {"cueball_25_0", "cueball_25_1", "cueball_25_2", "cueball_25_3"}},
        {21, {131, 149, 150, 151}, {"cueball_21_0", "cueball_21_1", "cueball_21_2", "cueball_21_3"}},
        {17, {132, 152, 153, 154}, {"cueball_17_0", "cueball_17_1", "cueball_17_2", "cueball_17_3"}},
        {15, {134, 155, 156, 157}, {"cueball_15_0", "cueball_15_1", "cueball_15_2", "cueball_15_3"}},
    };
    for (const Scale& s : kScales) {
        for (int phase = 0; phase < 4; ++phase) {
            QImage image(32, 32, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            PaintCueBall(image, 0, 0, s.size, phase);
            out.push_back({Kind::Icon, s.ids[phase], image, {}, s.names[phase]});
        }
    }
}

} // namespace pictures
