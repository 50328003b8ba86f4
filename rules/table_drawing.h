// What the shot cycle and the card rules ask of the view's drawing; the default draws nothing.
#pragma once
#include "table/table_state.h"

namespace rules {

// Every call draws on the view's persistent surface; positions of balls are top-left corners in
// LU, card positions are pixels of the client area. The game keeps every piece of state the
// drawing would otherwise change (layout, rack placement, hand order, the cue ball's write-back),
// so a drawing that does nothing leaves the game exactly as a real one would.
class TableDrawing {
public:
    virtual ~TableDrawing() = default;

    // Client size of the view in pixels.
    virtual int ClientWidth() const { return clientWidth; }
    virtual int ClientHeight() const { return clientHeight; }

    // Mapping and palette before a drawing sequence.
    virtual void PrepareSurface(const table::TableState&) {}
    // The full repaint's table: background, rails, cloth, cushions, pockets, diamonds and spots
    // (the game has laid out the table first). Balls and the card strip follow separately.
    virtual void DrawTable(const table::TableState&) {}
    virtual void DrawPockets(const table::TableState&) {}
    virtual void DrawBall(const table::TableState&, int /*x*/, int /*y*/, int /*ball*/) {}
    virtual void EraseBall(const table::TableState&, int /*x*/, int /*y*/) {}
    virtual void DrawPocketedBall(const table::TableState&, int /*ball*/, int /*pocket*/, int /*fromX*/,
                                  int /*fromY*/, int /*atX*/, int /*atY*/) {}
    // The card strip's background alone.
    virtual void ClearCardStrip(const table::TableState&) {}
    // One card picture at pixel (x, y): 189 + card for a face, 100 for the back.
    virtual void DrawCard(int /*picture*/, int /*x*/, int /*y*/) {}
    // Shows what was drawn (the game calls it while it waits).
    virtual void Present() {}

    int clientWidth = 0;
    int clientHeight = 0;
};

} // namespace rules
