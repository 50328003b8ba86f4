// The view's drawing as the game calls it.
#include "render/view_drawing.h"
#include "render/ball_painter.h"
#include "render/card_strip.h"
#include "render/cloth_colour.h"
#include "render/cue.h"
#include "render/guide.h"
#include "render/stroke_animation.h"
#include "render/table_painter.h"
#include "rules/game.h"

namespace render {

// Only Delay reaches out from the pieces the game asks for; the game draws its own strip,
// card show, caption and music.
class ViewDrawing::Host final : public NullDrawHost {
public:
    explicit Host(const std::function<void(int)>& delay) : delay_(delay) {}
    void Delay(int ms) override
    {
        if (delay_)
            delay_(ms);
    }
private:
    const std::function<void(int)>& delay_;
};

ViewDrawing::ViewDrawing(platform::Surface& surface, const rules::ViewState* gameView, const std::string& clothFile)
    : surface_(surface), dc_(surface), gameView_(gameView)
{
    res_.ClothColour = LoadClothColour(clothFile);
}

int ViewDrawing::ClientWidth() const { return surface_.Image().width(); }
int ViewDrawing::ClientHeight() const { return surface_.Image().height(); }

void ViewDrawing::WithCanvas(table::TableState& t, const std::function<void(Canvas&)>& draw,
                             const std::function<void(int)>& delay)
{
    if (loadedDiameter_ != t.Geometry.BallDiameter) {
        LoadViewResources(res_, t.Geometry.BallDiameter);
        loadedDiameter_ = t.Geometry.BallDiameter;
    }
    // The game lays the table out itself before it asks for a full paint.
    view_.RedrawTable = false;
    view_.PlacementState = gameView_ ? gameView_->PlacementState : 0;
    render::PrepareSurface(dc_, t.Geometry, res_.GamePalette);
    Host host(delay);
    Canvas canvas{dc_, t, res_, view_, host};
    draw(canvas);
}

void ViewDrawing::WithCopy(const table::TableState& t, const std::function<void(Canvas&)>& draw)
{
    // The drawing code reads the state; working on a copy keeps the game's own untouched.
    table::TableState copy = t;
    WithCanvas(copy, draw);
}

void ViewDrawing::DrawTable(const table::TableState& t)
{
    WithCopy(t, [](Canvas& c) {
        DrawTableBed(c);
        DrawDiamondMarks(c);
        DrawSpots(c, SpotInset(c.t.Geometry));
    });
}

void ViewDrawing::DrawPockets(const table::TableState& t)
{
    WithCopy(t, [](Canvas& c) { render::DrawPockets(c); });
}

void ViewDrawing::DrawBall(const table::TableState& t, int x, int y, int ball)
{
    WithCopy(t, [&](Canvas& c) { render::DrawBall(c, x, y, ball); });
}

void ViewDrawing::EraseBall(const table::TableState& t, int x, int y)
{
    WithCopy(t, [&](Canvas& c) { render::EraseBall(c, x, y); });
}

void ViewDrawing::DrawPocketedBall(const table::TableState& t, int ball, int, int fromX, int fromY, int atX, int atY)
{
    WithCopy(t, [&](Canvas& c) {
        render::EraseBall(c, fromX, fromY);
        render::DrawBall(c, atX, atY, ball);
    });
}

void ViewDrawing::ClearCardStrip(const table::TableState& t)
{
    WithCopy(t, [](Canvas& c) { render::ClearCardStrip(c); });
}

void ViewDrawing::DrawCard(int picture, int x, int y) { render::DrawCard(surface_, picture, x, y); }

void ViewDrawing::DrawCue(table::TableState& t, table::Point p, table::Point b)
{
    WithCanvas(t, [&](Canvas& c) { render::DrawCue(c, p, b); });
}

void ViewDrawing::DrawGuide(table::TableState& t)
{
    WithCanvas(t, [](Canvas& c) { render::DrawGuide(c); });
}

void ViewDrawing::EraseCueAndGuide(table::TableState& t)
{
    WithCanvas(t, [](Canvas& c) { render::EraseCueAndGuide(c); });
}

void ViewDrawing::DrawPushCue(table::TableState& t, float dir, float pushOffset)
{
    view_.PushOffset = pushOffset;
    WithCanvas(t, [&](Canvas& c) { render::DrawPushCue(c, dir); });
}

void ViewDrawing::DrawContactMark(table::TableState& t)
{
    WithCanvas(t, [](Canvas& c) { render::DrawContactMark(c); });
}

void ViewDrawing::AnimateCueStroke(table::TableState& t, table::Point p, table::Point cue, int e,
                                   const std::function<void(int)>& delay)
{
    WithCanvas(t, [&](Canvas& c) { render::AnimateCueStroke(c, p, cue, e); }, delay);
}

} // namespace render
