// The view's fonts, pictures and tiles, and the prepared surface.
#include "render/canvas.h"
#include "resources/pictures/pictures.h"

namespace render {

namespace {

struct CueBallIds {
    int diameter;
    int ids[4];
};
constexpr CueBallIds kCueBallIds[] = {
    {280, {112, 158, 159, 160}}, {250, {106, 147, 148, 146}}, {210, {131, 149, 150, 151}},
    {170, {132, 152, 153, 154}}, {150, {134, 155, 156, 157}},
};

platform::CFont NumberFont(int height)
{
    platform::CFont f;
    f.height = height;
    f.weight = platform::FW_NORMAL;
    f.charset = platform::SHIFTJIS_CHARSET;
    f.face = "MS Scans Serif";
    return f;
}

} // namespace

void LoadViewResources(ViewResources& res, int ballDiameter)
{
    static constexpr int kHeights[2][3] = {{120, 110, 100}, {100, 90, 80}};
    for (int set = 0; set < 2; ++set)
        for (int i = 0; i < 3; ++i)
            res.NumberFonts[set][i] = NumberFont(kHeights[set][i]);
    for (QImage& picture : res.CueBall)
        picture = QImage();
    for (const CueBallIds& s : kCueBallIds)
        if (s.diameter == ballDiameter)
            for (int phase = 0; phase < 4; ++phase)
                res.CueBall[phase] = resources::Icon(s.ids[phase]);
    res.BackgroundTile = resources::Bitmap(141);
    res.RailTile = resources::Bitmap(124);
    res.CushionTile = resources::Bitmap(130);
    res.CardStripTile = resources::Bitmap(132);
}

void PrepareSurface(platform::CDC& dc, const table::TableGeometry& g, const platform::Palette& palette)
{
    dc.SetMapMode(platform::MM_ISOTROPIC);
    dc.SetWindowExt(g.FrameWidth, g.FrameHeight);
    dc.SetViewportExt(g.FrameWidth / 10, g.FrameHeight / 10);
    dc.SelectPalette(&palette);
    dc.RealizePalette();
}

} // namespace render
