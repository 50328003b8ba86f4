// The shot control bar: power slider, contact-point picture, aim nudges, shot or quit.
#pragma once
#include <QDialog>
#include <QTimer>

#include "input/power_slider.h"
#include "input/shot_bar_layout.h"
#include "table/table_state.h"

class QLabel;
class QPushButton;

namespace input {

// What the bar tells the table window and the sound system.
class ShotBarHost {
public:
    virtual ~ShotBarHost() = default;
    virtual void PlayEffect(int event) = 0;
    virtual void PostAimChanged() = 0;              // the side spin changed
    virtual void PostAimNudged(table::Point p) = 0; // a new aim point from the arrows
};

// Control ids of the bar's template.
enum ShotBarControl : int {
    kNudgeDown = 193, kNudgeUp = 194, kNudgeRight = 195, kNudgeLeft = 196,
    kSpinLabel = 111, kShotButton = 1, kQuitButton = 142, kPowerSlider = 11,
};

class CShotBarDlg final : public QDialog {
    Q_OBJECT
public:
    // `parent` is the table window: the bar lies over its card strip. `powerLevel` is the game's
    // PowerLevel. The bar is made once and opened again for every stroke.
    CShotBarDlg(table::TableState& t, int& powerLevel, ShotBarHost& host, QWidget* parent);

    // Lays the bar out for this opening and runs it modally; returns the result code.
    int Run();
    // The opening alone (size, layout, slider, timer, pointer, contact mark), for callers that
    // show the bar themselves.
    void Prepare();

    const BarLayout& Layout() const { return layout_; }
    BarPoint SpinMark() const { return spinMark_; }
    QWidget* Client() const { return client_; }
    CPowerSlider* Slider() const { return slider_; }
    QLabel* Label() const { return label_; }
    QPushButton* Button(int id) const;
    QString PowerFigure() const;
    bool TimerRunning() const { return timer_.isActive(); }

    void reject() override;  // Escape: the stroke is still played

protected:
    void paintEvent(QPaintEvent*) override;

private:
    friend class BarClient;
    void PaintClient(QPainter& p);
    void ClientPressed(QPoint at);
    void ClientRightReleased();
    void OnSlider(SliderCode code);
    void Nudge(int dx, int dy);
    void CloseWithShot();
    void Quit();
    void UpdateLabel();

    table::TableState& t_;
    int& powerLevel_;
    ShotBarHost& host_;
    QWidget* client_ = nullptr;
    QLabel* label_ = nullptr;
    QPushButton* shot_ = nullptr;
    QPushButton* quit_ = nullptr;
    QPushButton* nudge_[4] = {};
    CPowerSlider* slider_ = nullptr;
    QFont powerFont_;
    QTimer timer_;
    BarLayout layout_;
    BarPoint spinMark_{10, 10};
    // Dialog base units of the face the template was made for (11 points, 15 pixels high), so the
    // bar keeps the template's proportions whatever face stands in for it.
    int baseX_ = 7, baseY_ = 15;
    bool figureSounds_ = false;   // the next drawing of the power figure plays its tick
};

// The sizing border and client edge around the bar's client area, in pixels.
inline constexpr int kShotBarFrame = 6;

} // namespace input
