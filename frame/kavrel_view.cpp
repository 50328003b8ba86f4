// The table view: the frame's central widget, showing the drawing surface and passing input on.
#include "frame/kavrel_view.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace frame {
namespace {

const QEvent::Type kPaintRequestEvent = QEvent::Type(QEvent::User + 1);
const QEvent::Type kViewMessageEvent = QEvent::Type(QEvent::User + 2);

struct ViewMessageEvent final : QEvent {
    ViewMessageEvent(ViewMessage m, long w, long l)
        : QEvent(kViewMessageEvent), message(m), wParam(w), lParam(l) {}
    ViewMessage message;
    long wParam, lParam;
};

} // namespace

CKavrelView::CKavrelView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    // Every pixel comes from the surface, so Qt need not clear the widget first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    surface_.AttachWidget(this);
}

CKavrelView::~CKavrelView() = default;

void CKavrelView::Invalidate() {
    if (paintPending_) return;
    paintPending_ = true;
    QCoreApplication::postEvent(this, new QEvent(kPaintRequestEvent));
}

void CKavrelView::PostViewMessage(ViewMessage message, long wParam, long lParam) {
    QCoreApplication::postEvent(this, new ViewMessageEvent(message, wParam, lParam));
}

void CKavrelView::SetTimer(int timerId, int intervalMs) {
    KillTimer(timerId);
    qtTimerByGameId_[timerId] = startTimer(intervalMs < 0 ? 0 : intervalMs, Qt::PreciseTimer);
}

void CKavrelView::KillTimer(int timerId) {
    auto it = qtTimerByGameId_.find(timerId);
    if (it == qtTimerByGameId_.end()) return;
    killTimer(it->second);
    qtTimerByGameId_.erase(it);
}

void CKavrelView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    surface_.Paint(p, event->rect());
}

void CKavrelView::resizeEvent(QResizeEvent*) { surface_.Resize(size()); }

void CKavrelView::showEvent(QShowEvent*) {
    // The first showing is the view's first paint.
    if (!shownOnce_) {
        shownOnce_ = true;
        Invalidate();
    }
}

void CKavrelView::mousePressEvent(QMouseEvent* e) {
    if (!handler_) return;
    QPoint pos = e->position().toPoint();
    if (e->button() == Qt::LeftButton) handler_->OnLButtonDown(*this, pos, e->modifiers());
    else if (e->button() == Qt::RightButton) handler_->OnRButtonDown(*this, pos);
}

void CKavrelView::mouseMoveEvent(QMouseEvent* e) {
    if (handler_) handler_->OnMouseMove(*this, e->position().toPoint(), e->buttons());
}

void CKavrelView::mouseReleaseEvent(QMouseEvent* e) {
    if (handler_ && e->button() == Qt::LeftButton)
        handler_->OnLButtonUp(*this, e->position().toPoint());
}

void CKavrelView::timerEvent(QTimerEvent* e) {
    for (const auto& [gameId, qtId] : qtTimerByGameId_) {
        if (qtId != e->timerId()) continue;
        if (handler_) handler_->OnTimer(*this, gameId);
        return;
    }
}

void CKavrelView::customEvent(QEvent* e) {
    if (e->type() == kPaintRequestEvent) {
        paintPending_ = false;
        if (handler_) handler_->OnPaintRequest(*this);
    } else if (e->type() == kViewMessageEvent) {
        auto* m = static_cast<ViewMessageEvent*>(e);
        if (handler_) handler_->OnViewMessage(*this, m->message, m->wParam, m->lParam);
    }
}

} // namespace frame
