// Aiming's calls out answered by the game object, its view drawing and the table window.
#pragma once
#include <map>
#include <memory>

#include <QCursor>

#include "input/aim_host.h"
#include "input/shot_bar.h"

namespace rules {
class Game;
}
namespace render {
class ViewDrawing;
}
namespace frame {
class CKavrelView;
}

namespace input {

// One per table window. Made after the view drawing is in place; the shot bar is made at its
// first opening and reused.
class GameAimHost final : public AimHost, public ShotBarHost {
public:
    GameAimHost(rules::Game& game, render::ViewDrawing& drawing, frame::CKavrelView& view);
    ~GameAimHost() override;

    int& PlacementState() override;
    int& PowerLevel() override;
    float& PushOffset() override { return pushOffset_; }
    float& DrawnPushOffset() override;
    bool& ShotArmed() override;
    int HeadLineX() override;
    int ShotMode() override;
    bool ProMode() override;

    uint32_t Ticks() override;
    void PlayEffect(int event) override;
    void ShowExclamation(const std::string& text) override;
    void LoadPlayerSettings() override;

    void DrawTable() override;
    void DrawBall(table::Point at, int ball) override;
    void EraseBall(table::Point at) override;
    void DrawCue(table::Point p, table::Point ball) override;
    void DrawGuide() override;
    void EraseCueAndGuide() override;
    bool GuideHitsBall() override;
    void DrawPushCue(float dir) override;
    void DrawContactMark() override;
    int StrokeDelay(int power) override;
    void AnimateCueStroke(table::Point p, table::Point cue, int e) override;

    void SetHandsHidden(bool hidden) override;
    void RedrawCardStrip() override;
    int RunShotBar() override;
    void ValidateView() override {}  // the view repaints only when the game asks it to

    void SetCursor(CursorKind kind) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    void MovePointerTo(table::Point lu) override;
    void PostAimChanged() override;
    void PostAimNudged(table::Point p) override;

    void FireStroke(int power, table::Point aimPoint) override;

    // The bar, once it has been opened.
    CShotBarDlg* ShotBar() const { return bar_.get(); }

private:
    void Present();

    rules::Game& game_;
    render::ViewDrawing& drawing_;
    frame::CKavrelView& view_;
    float pushOffset_ = 0.0f;
    std::unique_ptr<CShotBarDlg> bar_;
    std::map<int, QCursor> cursors_;
};

} // namespace input
