// The shot control bar: power slider, contact-point picture, aim nudges, shot or quit.
#include "input/shot_bar.h"

#include "input/input_state.h"
#include "platform/cursor.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace input {

// The bar's client area: it paints the picture and the power figure and takes the bar's clicks.
class BarClient final : public QWidget {
public:
    BarClient(CShotBarDlg& bar, QWidget* parent) : QWidget(parent), bar_(bar) {}
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        bar_.PaintClient(p);
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) bar_.ClientPressed(e->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::RightButton) bar_.ClientRightReleased();
    }
private:
    CShotBarDlg& bar_;
};

namespace {

const QColor kFace(192, 192, 192);

// A template control: id, kind, text and rectangle in dialog units.
struct TemplateControl {
    int id;
    bool button;
    const char* text;
    int x, y, w, h;
};

constexpr TemplateControl kTemplate[] = {
    {kNudgeUp, true, "↑", 2, 1, 9, 10},
    {kNudgeDown, true, "↓", 12, 1, 9, 10},
    {kNudgeLeft, true, "←", 22, 1, 9, 10},
    {kNudgeRight, true, "→", 32, 1, 9, 10},
    {-1, false, "キューの方向微調整", 44, 1, 68, 10},
    {kSpinLabel, false, "Static", 165, 3, 48, 13},
    {kShotButton, true, "ｼｮｯﾄ", 222, 3, 25, 12},
    {kQuitButton, true, "やめる", 250, 3, 25, 12},
};

} // namespace

CShotBarDlg::CShotBarDlg(table::TableState& t, int& powerLevel, ShotBarHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), t_(t), powerLevel_(powerLevel), host_(host) {
    setModal(true);
    QFont face(QString::fromUtf8("ＭＳ Ｐ明朝"));
    // A pixel under 11 points at 96 dots per inch: the substitute face runs wider than the one
    // the template was laid out for, and the buttons' texts must fit their template widths.
    face.setPixelSize(14);
    setFont(face);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFace);
    pal.setColor(QPalette::Button, kFace);
    setPalette(pal);
    setAutoFillBackground(true);


    powerFont_ = QFont(QString::fromUtf8("ＭＳ 明朝"));
    powerFont_.setPixelSize(13);

    client_ = new BarClient(*this, this);
    for (const TemplateControl& c : kTemplate) {
        const QRect r(c.x * baseX_ / 4, c.y * baseY_ / 8, c.w * baseX_ / 4, c.h * baseY_ / 8);
        QWidget* w;
        if (c.button) {
            auto* b = new QPushButton(QString::fromUtf8(c.text), client_);
            b->setAutoDefault(false);
            w = b;
        } else {
            auto* l = new QLabel(QString::fromUtf8(c.text), client_);
            w = l;
        }
        w->setObjectName(QString("control%1").arg(c.id));
        w->setGeometry(r);
        switch (c.id) {
        case kNudgeUp: nudge_[0] = static_cast<QPushButton*>(w); break;
        case kNudgeDown: nudge_[1] = static_cast<QPushButton*>(w); break;
        case kNudgeLeft: nudge_[2] = static_cast<QPushButton*>(w); break;
        case kNudgeRight: nudge_[3] = static_cast<QPushButton*>(w); break;
        case kSpinLabel: label_ = static_cast<QLabel*>(w); break;
        case kShotButton: shot_ = static_cast<QPushButton*>(w); break;
        case kQuitButton: quit_ = static_cast<QPushButton*>(w); break;
        default: break;
        }
    }
    shot_->setDefault(true);
    // The arrows move the aim point 10 LU; up adds to y, as the bar always did.
    connect(nudge_[0], &QPushButton::clicked, this, [this] { Nudge(0, 10); });
    connect(nudge_[1], &QPushButton::clicked, this, [this] { Nudge(0, -10); });
    connect(nudge_[2], &QPushButton::clicked, this, [this] { Nudge(-10, 0); });
    connect(nudge_[3], &QPushButton::clicked, this, [this] { Nudge(10, 0); });
    connect(shot_, &QPushButton::clicked, this, &CShotBarDlg::CloseWithShot);
    connect(quit_, &QPushButton::clicked, this, &CShotBarDlg::Quit);

    timer_.setInterval(1500);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &CShotBarDlg::CloseWithShot);
}

QPushButton* CShotBarDlg::Button(int id) const {
    switch (id) {
    case kNudgeUp: return nudge_[0];
    case kNudgeDown: return nudge_[1];
    case kNudgeLeft: return nudge_[2];
    case kNudgeRight: return nudge_[3];
    case kShotButton: return shot_;
    case kQuitButton: return quit_;
    default: return nullptr;
    }
}

int CShotBarDlg::Run() {
    Prepare();
    return exec();
}

void CShotBarDlg::Prepare() {
    // Over the card strip: the window's width less 10 pixels, the strip's height.
    const int width = t_.Geometry.FrameWidth / 10 - 10;
    const int height = table::CardStripHeight / 10;
    const QPoint origin = parentWidget() ? parentWidget()->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
    setGeometry(origin.x() + baseX_ / 4, origin.y() + baseY_ / 8, width, height);
    client_->setGeometry(kShotBarFrame, kShotBarFrame, width - 2 * kShotBarFrame, height - 2 * kShotBarFrame);
    layout_ = ComputeBarLayout(client_->width(), client_->height());
    const int H = layout_.H, S = layout_.S;
    platform::SetCursorPos(client_->mapToGlobal(QPoint(150, 10)));

    const auto centred = [H](int h) { return int((H - 1.5 * h) * 0.5 + 2.0); };
    label_->move(H + t_.Geometry.FrameWidth / 20, centred(label_->height()));
    const int afterLabel = label_->x() + label_->width();
    shot_->move(afterLabel + 10, centred(shot_->height()));
    quit_->move(afterLabel + shot_->width() + 20, centred(quit_->height()));

    // A new slider for every opening.
    delete slider_;
    slider_ = new CPowerSlider(client_);
    slider_->setObjectName(QString("control%1").arg(kPowerSlider));
    slider_->setGeometry(2, quit_->height() + 20, S, int(1.5 * quit_->height()));
    slider_->setRange(0, SliderSteps);
    slider_->setSingleStep(1);
    slider_->setPageStep(SliderPageSize);
    const int position = PositionFromPower(powerLevel_);
    slider_->setValue(position);
    slider_->SetSelection(0, position);
    slider_->show();
    connect(slider_, &CPowerSlider::Changed, this, &CShotBarDlg::OnSlider);

    timer_.stop();
    if (t_.ComputerTurn && t_.CurrentPlayer == 2) timer_.start();

    spinMark_ = SpinMarkFor(layout_, t_.Shot.SpinKind, t_.Shot.SideSpin);
    UpdateLabel();
    figureSounds_ = true;
    client_->update();
}

void CShotBarDlg::UpdateLabel() { label_->setText(QString::fromStdString(SpinLabel(t_.Shot.SpinKind, t_.Shot.SideSpin))); }

QString CShotBarDlg::PowerFigure() const { return QString::fromStdString(PowerText(powerLevel_)); }

void CShotBarDlg::paintEvent(QPaintEvent*) {
    // The sizing border and the client edge.
    QPainter p(this);
    p.fillRect(rect(), kFace);
    p.setPen(Qt::white);
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    const QRect edge = client_->geometry().adjusted(-2, -2, 1, 1);
    p.drawLine(edge.topLeft(), edge.topRight());
    p.drawLine(edge.topLeft(), edge.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(edge.bottomLeft(), edge.bottomRight());
    p.drawLine(edge.topRight(), edge.bottomRight());
}

void CShotBarDlg::PaintClient(QPainter& p) {
    p.fillRect(client_->rect(), kFace);
    p.setRenderHint(QPainter::Antialiasing, false);
    const PictureGeometry g = PictureFor(layout_);
    // The picture's ellipse, right and bottom edges left out as the game's ellipses are.
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(g.left, g.top, g.right - g.left - 1, g.bottom - g.top - 1));
    p.drawLine(g.crossX, 2, g.crossX, layout_.H - 1);
    p.drawLine(layout_.S + layout_.H + 11, g.crossY, layout_.S + 2 * layout_.H + 7, g.crossY);
    p.setPen(QColor(255, 0, 0));
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(QRect(spinMark_.x - 5, spinMark_.y - 5, 9, 9));

    // The power figure, opaque on the face colour, its top-left at (S + 5, (H - 13) div 2).
    p.setFont(powerFont_);
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(kFace);
    const QFontMetrics fm(powerFont_);
    p.drawText(QPoint(layout_.S + 5, (layout_.H - 13) / 2 + fm.ascent()), PowerFigure());
    // The tick sounds when the figure is drawn for the opening or a slider change, not on every
    // expose of the window.
    if (figureSounds_) {
        figureSounds_ = false;
        host_.PlayEffect(3);
    }
}

void CShotBarDlg::ClientPressed(QPoint at) {
    if (!ClickNearPicture(layout_, at.x(), at.y())) return;
    table::ShotState& shot = t_.Shot;
    const int oldSide = shot.SideSpin;
    if (ClickInPictureX(layout_, at.x())) {
        shot.SpinKind = SpinKindAt(layout_, at.y());
        shot.SideSpin = SideSpinAt(layout_, at.x());
        spinMark_ = {at.x(), at.y()};
        UpdateLabel();
        client_->update();
    }
    table::PlayerShotSettings& mine = t_.PlayerSettings[t_.CurrentPlayer];
    mine.SpinKind = shot.SpinKind;
    mine.SideSpin = shot.SideSpin;
    if (shot.SideSpin != oldSide) host_.PostAimChanged();
}

void CShotBarDlg::ClientRightReleased() { CloseWithShot(); }

void CShotBarDlg::OnSlider(SliderCode code) {
    // The control has already moved its thumb; the bar moves it a page further for steps and
    // pages, so an arrow key moves 4 steps and a page click 6.
    int position = slider_->sliderPosition();
    bool moved = true;
    switch (code) {
    case SliderCode::LineLeft:
    case SliderCode::PageLeft:
    case SliderCode::ToStart: position -= SliderPageSize; break;
    case SliderCode::LineRight:
    case SliderCode::PageRight:
    case SliderCode::ToEnd: position += SliderPageSize; break;
    case SliderCode::ThumbTrack:
    case SliderCode::ThumbRelease: break;
    default: moved = false; break;
    }
    if (moved) {
        slider_->setSliderPosition(position);
        position = slider_->sliderPosition();  // kept within 0..40 by the control
        slider_->SetSelection(0, position);
    }
    powerLevel_ = PowerFromPosition(slider_->sliderPosition());
    t_.PlayerSettings[t_.CurrentPlayer].Power = powerLevel_;
    figureSounds_ = true;
    client_->update();
}

void CShotBarDlg::Nudge(int dx, int dy) {
    host_.PostAimNudged({t_.Shot.AimPoint.x + dx, t_.Shot.AimPoint.y + dy});
}

void CShotBarDlg::CloseWithShot() {
    timer_.stop();
    t_.Shot.SideSpinStep = 0.2617994f;
    t_.Shot.SideSpinVertical = 1.3089969f;
    t_.PlayerSettings[t_.CurrentPlayer] = {t_.Shot.SpinKind, t_.Shot.SideSpin, powerLevel_};
    platform::ClipCursor(std::nullopt);
    done(ShotBarShot);
}

void CShotBarDlg::reject() {
    timer_.stop();
    platform::ClipCursor(std::nullopt);
    done(ShotBarEscape);
}

void CShotBarDlg::Quit() {
    timer_.stop();
    done(ShotBarQuit);
    platform::ClipCursor(std::nullopt);
}

} // namespace input
