// Aiming's calls out answered by the game object, its view drawing and the table window.
#include "input/game_aim_host.h"

#include "frame/kavrel_view.h"
#include "input/view_mouse.h"
#include "platform/cursor.h"
#include "platform/message_box.h"
#include "render/guide.h"
#include "render/stroke_animation.h"
#include "render/view_drawing.h"
#include "resources/pictures/pictures.h"
#include "rules/game.h"

#include <QPixmap>

namespace input {

GameAimHost::GameAimHost(rules::Game& game, render::ViewDrawing& drawing, frame::CKavrelView& view)
    : game_(game), drawing_(drawing), view_(view) {}

GameAimHost::~GameAimHost() = default;

int& GameAimHost::PlacementState() { return game_.view.PlacementState; }
int& GameAimHost::PowerLevel() { return game_.view.PowerLevel; }
float& GameAimHost::DrawnPushOffset() { return drawing_.State().DrawnPushOffset; }
bool& GameAimHost::ShotArmed() { return game_.cycle.ShotArmed; }
int GameAimHost::HeadLineX() { return drawing_.State().HeadLineX; }
int GameAimHost::ShotMode() { return game_.Settings().ShotMode; }
bool GameAimHost::ProMode() { return game_.Settings().ProMode; }

uint32_t GameAimHost::Ticks() { return game_.Ticks(); }
void GameAimHost::PlayEffect(int event) { game_.PlayEffect(event); }

void GameAimHost::ShowExclamation(const std::string& text) {
    game_.Services().boxes.Show(text, platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

void GameAimHost::LoadPlayerSettings() { game_.LoadPlayerSettings(); }

void GameAimHost::Present() { view_.Present(); }

void GameAimHost::DrawTable() {
    game_.DrawTable();
    Present();
}

void GameAimHost::DrawBall(table::Point at, int ball) {
    game_.DrawBall(at.x, at.y, ball);
    Present();
}

void GameAimHost::EraseBall(table::Point at) {
    game_.EraseBall(at.x, at.y);
    Present();
}

void GameAimHost::DrawCue(table::Point p, table::Point ball) {
    drawing_.DrawCue(game_.table, p, ball);
    Present();
}

void GameAimHost::DrawGuide() {
    drawing_.DrawGuide(game_.table);
    Present();
}

void GameAimHost::EraseCueAndGuide() {
    drawing_.EraseCueAndGuide(game_.table);
    Present();
}

bool GameAimHost::GuideHitsBall() { return render::GuideHitsBall(game_.table); }

void GameAimHost::DrawPushCue(float dir) {
    drawing_.DrawPushCue(game_.table, dir, pushOffset_);
    Present();
}

void GameAimHost::DrawContactMark() {
    drawing_.DrawContactMark(game_.table);
    Present();
}

int GameAimHost::StrokeDelay(int power) { return render::StrokeDelay(power); }

void GameAimHost::AnimateCueStroke(table::Point p, table::Point cue, int e) {
    drawing_.AnimateCueStroke(game_.table, p, cue, e, [this](int ms) {
        Present();
        game_.Delay(ms);
    });
    Present();
}

void GameAimHost::SetHandsHidden(bool hidden) { game_.view.HandsHidden = hidden; }

void GameAimHost::RedrawCardStrip() {
    game_.DrawCardStrip();
    Present();
}

int GameAimHost::RunShotBar() {
    if (!bar_) bar_ = std::make_unique<CShotBarDlg>(game_.table, game_.view.PowerLevel, *this, &view_);
    return bar_->Run();
}

void GameAimHost::SetCursor(CursorKind kind) {
    const int id = CursorResourceId(kind);
    if (id == 0) {
        view_.unsetCursor();
        return;
    }
    auto it = cursors_.find(id);
    if (it == cursors_.end()) {
        const resources::CursorPicture c = resources::Cursor(id);
        if (c.image.isNull()) {
            view_.unsetCursor();
            return;
        }
        it = cursors_.emplace(id, QCursor(QPixmap::fromImage(c.image), c.hotSpot.x(), c.hotSpot.y())).first;
    }
    view_.setCursor(it->second);
}

void GameAimHost::SetCapture() { platform::SetCapture(&view_); }
void GameAimHost::ReleaseCapture() { platform::ReleaseCapture(); }

void GameAimHost::MovePointerTo(table::Point lu) {
    platform::SetCursorPos(view_.mapToGlobal(ViewMouse::ToPixel(lu)));
}

void GameAimHost::PostAimChanged() { view_.PostViewMessage(frame::ViewMessage::AimChanged); }

void GameAimHost::PostAimNudged(table::Point p) { view_.PostViewMessage(frame::ViewMessage::AimNudged, p.x, p.y); }

void GameAimHost::FireStroke(int power, table::Point aimPoint) { game_.FireStroke(power, aimPoint); }

} // namespace input
