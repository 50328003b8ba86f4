// Pointer position, capture and confinement on Qt.
#include "platform/cursor.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace platform {

namespace {

// Moves the pointer back inside the clip rectangle on every move that leaves it.
class ClipFilter final : public QObject {
public:
    std::optional<QRect> clip;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (clip && event->type() == QEvent::MouseMove) {
            const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            const QPoint inside = ClampToClip(global);
            if (inside != global)
                QCursor::setPos(inside);
        }
        return QObject::eventFilter(watched, event);
    }
};

QPointer<ClipFilter> clipFilter;
std::optional<QRect> clipRect;

} // namespace

QPoint GetCursorPos() { return QCursor::pos(); }
void SetCursorPos(QPoint screen) { QCursor::setPos(screen); }

QWidget* SetCapture(QWidget* widget)
{
    QWidget* previous = QWidget::mouseGrabber();
    if (widget)
        widget->grabMouse();
    return previous;
}

void ReleaseCapture()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

QWidget* GetCapture() { return QWidget::mouseGrabber(); }

void ClipCursor(std::optional<QRect> screenRect)
{
    clipRect = screenRect && !screenRect->isEmpty() ? screenRect : std::nullopt;
    if (clipRect && !clipFilter && QCoreApplication::instance()) {
        clipFilter = new ClipFilter;
        clipFilter->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(clipFilter);
    }
    if (clipFilter)
        clipFilter->clip = clipRect;
    if (clipRect && QCoreApplication::instance()) {
        const QPoint now = QCursor::pos();
        if (ClampToClip(now) != now)
            QCursor::setPos(ClampToClip(now));
    }
}

std::optional<QRect> GetClipCursor() { return clipRect; }

QPoint ClampToClip(QPoint screen)
{
    if (!clipRect)
        return screen;
    return QPoint(std::clamp(screen.x(), clipRect->left(), clipRect->right()),
                  std::clamp(screen.y(), clipRect->top(), clipRect->bottom()));
}

} // namespace platform
