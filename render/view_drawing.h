// The view's drawing as the game calls it: the table, balls, pockets and cards on the view's
// surface, and the cue, guide and stroke animation for aiming.
#pragma once
#include "render/canvas.h"
#include "rules/table_drawing.h"

#include <functional>
#include <string>

namespace rules {
struct ViewState;
}

namespace render {

class ViewDrawing final : public rules::TableDrawing {
public:
    // Creates the game palette and reads the cloth colour from `clothFile` (the current directory's
    // "color.def" unless told otherwise). `gameView`, when given, says whether the cue ball is
    // being placed (the head-string line comes back when a ball is erased over it).
    explicit ViewDrawing(platform::Surface& surface, const rules::ViewState* gameView = nullptr,
                         const std::string& clothFile = "color.def");

    int ClientWidth() const override;
    int ClientHeight() const override;
    void PrepareSurface(const table::TableState&) override {}
    void DrawTable(const table::TableState& t) override;
    void DrawPockets(const table::TableState& t) override;
    void DrawBall(const table::TableState& t, int x, int y, int ball) override;
    void EraseBall(const table::TableState& t, int x, int y) override;
    void DrawPocketedBall(const table::TableState& t, int ball, int pocket, int fromX, int fromY, int atX,
                          int atY) override;
    void ClearCardStrip(const table::TableState& t) override;
    void DrawCard(int picture, int x, int y) override;
    void Present() override { surface_.Present(); }

    // Aiming: these read and write the game's shot state as the guide does.
    void DrawCue(table::TableState& t, table::Point p, table::Point b);
    void DrawGuide(table::TableState& t);
    void EraseCueAndGuide(table::TableState& t);
    void DrawPushCue(table::TableState& t, float dir, float pushOffset);
    void DrawContactMark(table::TableState& t);
    // `delay` is the game's Delay.
    void AnimateCueStroke(table::TableState& t, table::Point p, table::Point cue, int e,
                          const std::function<void(int)>& delay);

    const ViewResources& Resources() const { return res_; }
    ViewState& State() { return view_; }

private:
    class Host;
    // Runs `draw` on a prepared context over the surface, with the resources for the ball size.
    void WithCanvas(table::TableState& t, const std::function<void(Canvas&)>& draw,
                    const std::function<void(int)>& delay = {});
    void WithCopy(const table::TableState& t, const std::function<void(Canvas&)>& draw);

    platform::Surface& surface_;
    // Kept between calls: the context caches the number fonts it has made.
    platform::CDC dc_;
    const rules::ViewState* gameView_;
    ViewResources res_;
    ViewState view_;
    int loadedDiameter_ = -1;
};

} // namespace render
