// The card strip and the card pictures.
#include "render/card_strip.h"
#include "render/fast_rectangle.h"
#include "resources/pictures/pictures.h"

namespace render {

void ClearCardStrip(Canvas& c)
{
    platform::CDC& dc = c.dc;
    const int oldRop = dc.SetROP2(platform::R2_COPYPEN);
    const platform::CPen oldPen = dc.SelectObject(platform::CPen(platform::PS_SOLID, 1, platform::PALETTERGB(192, 192, 192)));
    const platform::CBrush oldBrush = dc.SelectObject(platform::CBrush(c.res.CardStripTile));
    // The client rectangle in LU, cut to the strip.
    const platform::Point topLeft = dc.DPtoLP(QPoint(0, 0));
    const platform::Point bottomRight = dc.DPtoLP(QPoint(c.ClientWidth(), c.ClientHeight()));
    FastRectangle(dc, topLeft.x, topLeft.y, bottomRight.x, topLeft.y + table::CardStripHeight - 30);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.SetROP2(oldRop);
}

void DrawCardStrip(Canvas& c)
{
    ClearCardStrip(c);
    if (!c.view.HandsHidden)
        c.host.ShowHands(c.dc.GetSurface());
}

void DrawCard(platform::Surface& surface, int picture, int x, int y)
{
    const QImage image = resources::Bitmap(picture == CardBackValue ? resources::CardBackPicture : picture);
    if (image.isNull())
        return;
    platform::CDC dc(surface);
    dc.BitBlt(x, y, CardWidth, CardHeight, image, 0, 0, platform::SRCCOPY);
}

} // namespace render
