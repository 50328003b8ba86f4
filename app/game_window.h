// The game in the real window: the game object, the document and the services of a live view.
#pragma once
#include <memory>

#include "app/settings.h"
#include "app/sound_system.h"
#include "frame/frame_metrics.h"
#include "frame/kavrel_doc.h"
#include "frame/kavrel_view.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "rules/card_draw_dialog.h"
#include "rules/game.h"

namespace frame {
class CMainFrame;
class CommandTable;
}
namespace input {
class GameAimHost;
class ViewMouse;
}
namespace render {
class ViewDrawing;
}

namespace app {

// Joins the game object to the main frame: answers the view's events, the new-game and help
// commands, writes the status bar and plays through the sound system. One per main frame.
class GameWindow final : public frame::CKavrelView::Handler,
                         public rules::MatchHooks,
                         public rules::GameSound,
                         public MusicTimerOwner {
public:
    // `boxes` replaces the Qt message boxes (tests); `sound` the SDL sound system.
    GameWindow(AppSettings& settings, frame::CMainFrame& frame, const frame::FrameMetrics& metrics,
               frame::CommandTable& commands, platform::MessageBoxes* boxes = nullptr, std::unique_ptr<SoundSystem> sound = nullptr);
    ~GameWindow() override;

    rules::Game& Game() { return *game_; }
    frame::CKavrelDoc& Document() { return doc_; }
    SoundSystem& Sound() { return *sound_; }
    // The drawing the game goes through; the plain one fills the table with the cloth colour and
    // shows the hands.
    void SetDrawing(std::unique_ptr<rules::TableDrawing> drawing);

    // frame::CKavrelView::Handler
    void OnPaintRequest(frame::CKavrelView&) override;
    void OnLButtonDown(frame::CKavrelView&, QPoint, Qt::KeyboardModifiers) override;
    void OnMouseMove(frame::CKavrelView&, QPoint, Qt::MouseButtons) override;
    void OnLButtonUp(frame::CKavrelView&, QPoint) override;
    void OnRButtonDown(frame::CKavrelView&, QPoint) override;
    void OnTimer(frame::CKavrelView&, int timerId) override;
    void OnViewMessage(frame::CKavrelView&, frame::ViewMessage, long, long) override;

    // rules::MatchHooks
    void ComputerTakeTurn() override;
    void SetBusyCursor(bool busy) override;
    void RefreshCursor() override;
    void RepaintViews() override;

    // rules::GameSound
    void PlayEffect(int event) override { sound_->PlayEffect(event); }
    void Beep() override;
    void StartPlayMusic() override { sound_->StartPlayMusic(*this); }

    // MusicTimerOwner
    void StartRepeatingTimer(int id, int periodMs) override;

private:
    AppSettings& settings_;
    frame::CMainFrame& frame_;
    platform::SystemClock clock_;
    platform::QtMessageBoxes qtBoxes_;
    platform::MessageBoxes& boxes_;
    std::unique_ptr<SoundSystem> sound_;
    rules::RandomDealer dealer_;
    rules::DialogCardDraw cardDraw_;
    frame::CKavrelDoc doc_;
    // The drawing behind the game; the game holds a reference to the forwarder.
    class DrawingForwarder;
    std::unique_ptr<DrawingForwarder> drawing_;
    std::unique_ptr<rules::Game> game_;
    // Aiming and placement with the mouse, over the game and its view drawing.
    std::unique_ptr<input::GameAimHost> aimHost_;
    std::unique_ptr<input::ViewMouse> mouse_;
    int plannedDistance_ = 0;  // the computer's search keeps it between turns
};

} // namespace app
