// A laid-out table on an offscreen surface, with the view's resources and a recording host.
#pragma once
#include "platform/dc.h"
#include "platform/surface.h"
#include "render/ball_painter.h"
#include "render/canvas.h"
#include "render/card_strip.h"
#include "render/table_painter.h"
#include "table/layout.h"

#include <QImage>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace rendertest {

// Deals a fixed hand to each side and records the calls out of drawing.
class RecordingDrawHost : public render::DrawHost {
public:
    std::vector<int> hand1{1, 15, 29, 43, 52}, hand2{100, 100, 100, 100, 100};
    std::vector<int> delays;
    int cardShowers = 0, musicStarts = 0, handShows = 0;
    bool music = false;
    std::string caption;

    void Delay(int ms) override { delays.push_back(ms); }
    void ShowHands(platform::Surface& surface) override
    {
        ++handShows;
        const int width = surface.Image().width();
        const int m = int(std::max(hand1.size(), hand2.size()));
        const int c = std::min((width / 2) / (m + 2), 71);
        for (size_t k = 0; k < hand1.size(); ++k)
            render::DrawCard(surface, hand1[k] == 100 ? 100 : 189 + hand1[k], int(k) * c, 0);
        for (size_t k = 0; k < hand2.size(); ++k)
            render::DrawCard(surface, hand2[k] == 100 ? 100 : 189 + hand2[k], 2 * (width / 2) - int(k) * c - 71, 0);
    }
    void CardShower(int) override { ++cardShowers; }
    bool MusicOn() override { return music; }
    void StartPlayMusic() override { ++musicStarts; }
    void SetCaption(const std::string& text) override { caption = text; }
};

// A table for a client of w x h pixels in a window 8 pixels wider and 46 taller.
struct Table {
    table::TableState t;
    platform::Surface surface;
    platform::CDC dc;
    render::ViewResources res;
    render::ViewState view;
    RecordingDrawHost host;
    render::Canvas canvas{dc, t, res, view, host};

    Table(int w, int h, int frameWidth = 0) : surface(QSize(w, h)), dc(surface)
    {
        table::TableGeometry& g = t.Geometry;
        g.FrameWidth = frameWidth ? frameWidth : 10 * (w + 8);
        g.FrameHeight = 10 * (h + 46);
        table::SelectBallSize(g, h, 16);
        table::LayOutTable(g, w, h);
        table::PlaceRack(g, t.Document.BallPos);
        t.Shot.CueBallTrack = table::CueBallStart(g);
        t.Document.BallPos[0] = t.Shot.CueBallTrack;
        render::LoadViewResources(res, g.BallDiameter);
        render::PrepareSurface(dc, g, res.GamePalette);
    }

    QRgb Pixel(int x, int y) const { return surface.Image().pixel(x, y) & 0xFFFFFFu; }
    // The pixel under a point in LU.
    QRgb PixelAt(int lx, int ly) const { return Pixel(lx / 10, ly / 10); }
};

} // namespace rendertest
