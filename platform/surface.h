// The persistent picture of one window that all game drawing goes into, and its presentation.
#pragma once
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <utility>

class QPainter;

namespace platform {

// One per view, the size of its client area in pixels (format RGB32): the view calls Resize()
// from its resize event, AttachWidget(this) once, and Paint() from its paint event. Drawing marks rectangles
// dirty; with a widget attached every mark schedules that widget's repaint, which Qt coalesces and
// delivers at the next event processing (also inside the clock's waits). The widget's paint
// event does nothing but Paint().
class Surface {
public:
    explicit Surface(QSize size = QSize(), QRgb fill = qRgb(255, 255, 255));

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }
    QRect Rect() const { return image_.rect(); }

    // Keeps the picture at the top-left; new area takes the fill colour.
    void Resize(QSize size);

    void AttachWidget(QWidget* widget) { widget_ = widget; }
    QWidget* Widget() const { return widget_; }

    void MarkDirty(const QRect& deviceRect);
    // What was drawn since the last Present() or TakeDirty().
    QRect Dirty() const { return dirty_; }
    QRect TakeDirty() { return std::exchange(dirty_, QRect()); }

    // Repaints the dirty part of the attached widget (or of `widget`) now, synchronously, and
    // clears it.
    void Present();
    void Present(QWidget* widget);
    // For the paint event: copies the exposed part of the picture.
    void Paint(QPainter& painter, const QRect& exposed) const;

private:
    QImage image_;
    QRgb fill_;
    QRect dirty_;
    QPointer<QWidget> widget_;
};

} // namespace platform
