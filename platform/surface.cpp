// The window surface: its picture, dirty tracking and the paint-event copy.
#include "platform/surface.h"

#include <QPainter>

namespace platform {

Surface::Surface(QSize size, QRgb fill) : fill_(fill)
{
    Resize(size);
}

void Surface::Resize(QSize size)
{
    if (size == image_.size() && !image_.isNull())
        return;
    QImage next(size.isValid() ? size : QSize(0, 0), QImage::Format_RGB32);
    next.fill(fill_);
    if (!image_.isNull() && !next.isNull()) {
        QPainter p(&next);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
    MarkDirty(image_.rect());
}

void Surface::MarkDirty(const QRect& deviceRect)
{
    const QRect r = deviceRect.intersected(image_.rect());
    if (r.isEmpty())
        return;
    dirty_ |= r;
    if (widget_)
        widget_->update(r);
}

void Surface::Present() { Present(widget_); }

void Surface::Present(QWidget* widget)
{
    if (widget && !dirty_.isEmpty())
        widget->repaint(dirty_);
    dirty_ = QRect();
}

void Surface::Paint(QPainter& painter, const QRect& exposed) const
{
    const QRect r = exposed.intersected(image_.rect());
    if (r.isEmpty())
        return;
    // Source mode: a straight copy, no blending of the opaque picture.
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(r.topLeft(), image_, r);
    painter.setCompositionMode(previous);
}

} // namespace platform
