// The game in the real window: the game object, the document and the services of a live view.
#include "app/game_window.h"

#include "computer/computer_turn.h"
#include "computer/game_turn.h"
#include "computer/input_turn_host.h"
#include "frame/command_ids.h"
#include "frame/command_table.h"
#include "frame/main_frame.h"
#include "frame/status_bar.h"
#include "input/game_aim_host.h"
#include "input/view_mouse.h"
#include "platform/machine.h"
#include "render/view_drawing.h"
#include "rules/card_pictures.h"

#include <QPainter>

namespace app {
namespace {

const QRgb kDefaultCloth = qRgb(0, 128, 64);

// The view's own drawing until the table pictures come: cloth, and the cards of the strip.
class PlainViewDrawing final : public rules::TableDrawing {
public:
    explicit PlainViewDrawing(frame::CKavrelView& view) : view_(view) {}
    int ClientWidth() const override { return view_.width(); }
    int ClientHeight() const override { return view_.height(); }
    void DrawTable(const table::TableState&) override {
        platform::Surface& s = view_.Surface();
        QPainter(&s.Image()).fillRect(0, table::CardStripHeight / 10, s.Rect().width(), s.Rect().height(), kDefaultCloth);
        s.MarkDirty(s.Rect());
    }
    void ClearCardStrip(const table::TableState&) override {
        platform::Surface& s = view_.Surface();
        const QRect strip(0, 0, s.Rect().width(), table::CardStripHeight / 10 - 3);
        QPainter(&s.Image()).fillRect(strip, qRgb(192, 192, 192));
        s.MarkDirty(strip);
    }
    void DrawCard(int picture, int x, int y) override {
        platform::Surface& s = view_.Surface();
        QPainter(&s.Image()).drawImage(x, y, rules::CardPicture(picture));
        s.MarkDirty(QRect(x, y, rules::kCardWidth, rules::kCardHeight));
    }
    void Present() override { view_.Present(); }
private:
    frame::CKavrelView& view_;
};

} // namespace

// Holds the replaceable drawing behind one reference the game keeps for its life.
class GameWindow::DrawingForwarder final : public rules::TableDrawing {
public:
    std::unique_ptr<rules::TableDrawing> target;
    int ClientWidth() const override { return target->ClientWidth(); }
    int ClientHeight() const override { return target->ClientHeight(); }
    void PrepareSurface(const table::TableState& t) override { target->PrepareSurface(t); }
    void DrawTable(const table::TableState& t) override { target->DrawTable(t); }
    void DrawPockets(const table::TableState& t) override { target->DrawPockets(t); }
    void DrawBall(const table::TableState& t, int x, int y, int b) override { target->DrawBall(t, x, y, b); }
    void EraseBall(const table::TableState& t, int x, int y) override { target->EraseBall(t, x, y); }
    void DrawPocketedBall(const table::TableState& t, int b, int p, int fx, int fy, int ax, int ay) override {
        target->DrawPocketedBall(t, b, p, fx, fy, ax, ay);
    }
    void ClearCardStrip(const table::TableState& t) override { target->ClearCardStrip(t); }
    void DrawCard(int picture, int x, int y) override { target->DrawCard(picture, x, y); }
    void Present() override { target->Present(); }
};

GameWindow::GameWindow(AppSettings& settings, frame::CMainFrame& frame, const frame::FrameMetrics& metrics,
                       frame::CommandTable& commands, platform::MessageBoxes* boxes, std::unique_ptr<SoundSystem> sound)
    : settings_(settings),
      frame_(frame),
      boxes_(boxes ? *boxes : qtBoxes_),
      sound_(sound ? std::move(sound) : SoundSystem::CreateWithSdl(settings, clock_)),
      dealer_(clock_),
      cardDraw_(&frame),
      doc_(settings.UserLevel),
      drawing_(std::make_unique<DrawingForwarder>()) {
    frame::CKavrelView& view = frame.View();
    drawing_->target = std::make_unique<PlainViewDrawing>(view);
    game_ = std::make_unique<rules::Game>(
        rules::GameServices{clock_, boxes_, *this, *drawing_, dealer_, cardDraw_, *this, &frame.StatusBar()},
        settings_, &doc_);
    sound_->SetObjectBallPocketed([this] { return game_->table.Outcome.ObjectBallPocketed; });
    sound_->SetProgramDirectory([this] { return doc_.ProgramDirectory(); });
    sound_->LoadSoundTable();

    table::TableGeometry& g = game_->table.Geometry;
    g.FrameWidth = metrics.FrameWidth;
    g.FrameHeight = metrics.FrameHeight;

    commands.Set(frame::kCmdNewGame, [this] { game_->OnNewGameCommand(); });
    commands.Set(frame::kCmdHelpTopic, [this] { doc_.OnHelpTopic(); });
    // Clearing afterimages paints the whole table again at once, leaving only what stands now.
    commands.Set(frame::kCmdClearAfterimages, [this] {
        if (game_->Busy()) return;
        drawing_->PrepareSurface(game_->table);
        game_->DrawTable();
        drawing_->Present();
    });

    // The document's new game runs once before the view's first initial update; the first
    // paint then resets the match with the chosen ball size.
    game_->NewGame();
    // The table pictures, with the cloth colour of the program's directory, now current.
    auto viewDrawing = std::make_unique<render::ViewDrawing>(view.Surface(), &game_->view);
    aimHost_ = std::make_unique<input::GameAimHost>(*game_, *viewDrawing, view);
    mouse_ = std::make_unique<input::ViewMouse>(game_->table, *aimHost_);
    drawing_->target = std::move(viewDrawing);
    game_->InitialUpdate(view.width(), view.height(), platform::GetDialogBaseUnits().vertical);
    view.SetHandler(this);
}

GameWindow::~GameWindow() {
    frame_.View().SetHandler(nullptr);
    mouse_.reset();
    aimHost_.reset();
    game_.reset();
}

void GameWindow::SetDrawing(std::unique_ptr<rules::TableDrawing> drawing) { drawing_->target = std::move(drawing); }

void GameWindow::OnPaintRequest(frame::CKavrelView&) {
    const bool nested = game_->Busy();
    game_->OnPaintRequest();
    if (!nested) mouse_->OnPaintReturned();
}

// Mouse input waits while a shot runs (the nested loops of its message boxes deliver it).
void GameWindow::OnLButtonDown(frame::CKavrelView&, QPoint p, Qt::KeyboardModifiers) {
    if (game_->Busy()) return;
    mouse_->OnLButtonDown(p);
}

void GameWindow::OnMouseMove(frame::CKavrelView&, QPoint p, Qt::MouseButtons) {
    if (!game_->Busy()) mouse_->OnMouseMove(p);
}

void GameWindow::OnLButtonUp(frame::CKavrelView&, QPoint p) {
    if (!game_->Busy()) mouse_->OnLButtonUp(p);
}

void GameWindow::OnRButtonDown(frame::CKavrelView&, QPoint p) {
    if (!game_->Busy()) mouse_->OnRButtonDown(p);
}

void GameWindow::OnTimer(frame::CKavrelView&, int timerId) {
    if (timerId == kMusicTimerId && !game_->Busy()) sound_->RestartIfStopped();
}

void GameWindow::OnViewMessage(frame::CKavrelView&, frame::ViewMessage message, long wParam, long lParam) {
    if (message == frame::ViewMessage::CardStripRepaint)
        game_->OnCardStripMessage();
    else if (!game_->Busy())
        mouse_->OnViewMessage(static_cast<int>(message), wParam, lParam);
}

void GameWindow::RefreshCursor() { mouse_->RefreshCursor(); }

void GameWindow::ComputerTakeTurn() {
    computer::SearchContext search = computer::GameSearchContext(*game_, aimHost_->HeadLineX(), plannedDistance_);
    computer::InputTurnHost host(mouse_->Mouse(), mouse_->State(), *aimHost_, *game_);
    computer::ComputerTakeTurn(search, host);
}

void GameWindow::SetBusyCursor(bool busy) {
    if (busy)
        frame_.View().setCursor(Qt::WaitCursor);
    else
        frame_.View().unsetCursor();
}

void GameWindow::RepaintViews() { frame_.View().Invalidate(); }

void GameWindow::Beep() { platform::MessageBeep(); }

void GameWindow::StartRepeatingTimer(int id, int periodMs) { frame_.View().SetTimer(id, periodMs); }

} // namespace app
