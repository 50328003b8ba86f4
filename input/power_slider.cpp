// The shot bar's power slider: a trackbar with ticks on top, a selection band and trackbar keys.
#include "input/power_slider.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace input {

CPowerSlider::CPowerSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::TicksAbove);
    setTickInterval(1);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::actionTriggered, this, &CPowerSlider::OnAction);
    connect(this, &QAbstractSlider::sliderReleased, this, [this] { emit Changed(SliderCode::ThumbRelease); });
}

void CPowerSlider::SetSelection(int start, int end) {
    selStart_ = start;
    selEnd_ = end;
    update();
}

QRect CPowerSlider::ChannelRect() const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    return style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, this);
}

void CPowerSlider::OnAction(int action) {
    switch (action) {
    case SliderSingleStepSub: emit Changed(SliderCode::LineLeft); break;
    case SliderSingleStepAdd: emit Changed(SliderCode::LineRight); break;
    case SliderPageStepSub: emit Changed(SliderCode::PageLeft); break;
    case SliderPageStepAdd: emit Changed(SliderCode::PageRight); break;
    case SliderToMinimum: emit Changed(SliderCode::ToStart); break;
    case SliderToMaximum: emit Changed(SliderCode::ToEnd); break;
    case SliderMove: emit Changed(SliderCode::ThumbTrack); break;
    default: break;
    }
}

// The trackbar's keys: left and up step down, right and down step up, Page Up pages down.
void CPowerSlider::keyPressEvent(QKeyEvent* e) {
    SliderAction action = SliderNoAction;
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: action = SliderSingleStepSub; break;
    case Qt::Key_Right:
    case Qt::Key_Down: action = SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = SliderPageStepSub; break;
    case Qt::Key_PageDown: action = SliderPageStepAdd; break;
    case Qt::Key_Home: action = SliderToMinimum; break;
    case Qt::Key_End: action = SliderToMaximum; break;
    default: QSlider::keyPressEvent(e); return;
    }
    keyAction_ = true;
    triggerAction(action);
    e->accept();
}

void CPowerSlider::keyReleaseEvent(QKeyEvent* e) {
    if (keyAction_ && !e->isAutoRepeat()) {
        keyAction_ = false;
        emit Changed(SliderCode::EndOfChange);
    }
    QSlider::keyReleaseEvent(e);
}

void CPowerSlider::mouseReleaseEvent(QMouseEvent* e) {
    QSlider::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton) emit Changed(SliderCode::EndOfChange);
}

void CPowerSlider::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    opt.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderTickmarks;
    style()->drawComplexControl(QStyle::CC_Slider, &opt, &p, this);

    // The selection band inside the channel, under the thumb.
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    const auto xAt = [&](int v) {
        return groove.left() + handle.width() / 2 + QStyle::sliderPositionFromValue(minimum(), maximum(), v, span);
    };
    if (selEnd_ > selStart_) {
        const int x0 = xAt(selStart_), x1 = xAt(selEnd_);
        const int cy = groove.center().y();
        p.fillRect(QRect(x0, cy - 2, x1 - x0, 5), QColor(0, 0, 128));
    }
    opt.subControls = QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &opt, &p, this);
}

} // namespace input
