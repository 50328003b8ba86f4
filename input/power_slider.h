// The shot bar's power slider: a trackbar with ticks on top, a selection band and trackbar keys.
#pragma once
#include <QSlider>

namespace input {

// The trackbar's change codes, as the bar acts on them.
enum class SliderCode {
    LineLeft, LineRight, PageLeft, PageRight, ToStart, ToEnd,
    ThumbTrack, ThumbRelease, EndOfChange,
};

class CPowerSlider final : public QSlider {
    Q_OBJECT
public:
    explicit CPowerSlider(QWidget* parent = nullptr);

    // The band drawn in the channel, from 0 to `end`.
    void SetSelection(int start, int end);
    int SelectionStart() const { return selStart_; }
    int SelectionEnd() const { return selEnd_; }
    // The channel the thumb runs in; a click on it beside the thumb pages.
    QRect ChannelRect() const;

signals:
    // After the control has moved its thumb for the user's action.
    void Changed(input::SliderCode code);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void OnAction(int action);
    int selStart_ = 0;
    int selEnd_ = 0;
    bool keyAction_ = false;
};

} // namespace input
