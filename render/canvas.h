// What the view keeps for drawing the table, what drawing asks of the rest of the game, and the
// bundle every drawing operation receives.
#pragma once
#include "platform/dc.h"
#include "platform/palette.h"
#include "table/table_state.h"

#include <QImage>

#include <string>

namespace render {

// Created when the view is created or first shown; released with it.
// The table's 128-entry palette: white, the 5-level colour cube, two blacks.
inline platform::Palette CreateGamePalette() { return platform::BuildGamePalette(); }

struct ViewResources {
    platform::Palette GamePalette = CreateGamePalette();
    platform::COLORREF ClothColour = platform::PALETTERGB(0, 128, 64);
    platform::CFont NumberFonts[2][3];  // [0] one-digit balls, [1] two-digit balls; by font index
    QImage CueBall[4];                  // by rolling phase 0..3; null at D = 290 and 300
    QImage BackgroundTile, RailTile, CushionTile, CardStripTile;
};

// The view's drawing state between calls, and the flags other parts of the game set.
struct ViewState {
    bool RedrawTable = true;       // the next paint draws the whole table
    bool FirstPaintOfGame = false; // set by the per-game reset; the first full paint runs the card show
    bool RackRequested = false;    // the next DrawAllBalls places the rack first
    bool HandsHidden = false;      // while the shot bar is open
    int PlacementState = 0;        // cue-ball placement: 1 while the head-string line is shown
    bool isWindowsNT = false;      // never set on this system
    int HeadLineX = 0, HeadLineTop = 0, HeadLineBottom = 0;
    table::Point GuideFirst, GuideSecond;
    float PushOffset = 0.0f, DrawnPushOffset = 0.0f;  // push-mode cue offsets in ball diameters
};

// Calls out of the drawing code.
class DrawHost {
public:
    virtual ~DrawHost() = default;
    virtual void Delay(int ms) = 0;
    // Sorts both hands and draws them with DrawCard.
    virtual void ShowHands(platform::Surface& surface) = 0;
    // The card animation of a game's first full paint.
    virtual void CardShower(int frames) = 0;
    virtual bool MusicOn() = 0;
    virtual void StartPlayMusic() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
};

// A host that does nothing, for tests and for drawing that never calls out.
class NullDrawHost : public DrawHost {
public:
    void Delay(int) override {}
    void ShowHands(platform::Surface&) override {}
    void CardShower(int) override {}
    bool MusicOn() override { return false; }
    void StartPlayMusic() override {}
    void SetCaption(const std::string&) override {}
};

struct Canvas {
    platform::CDC& dc;
    table::TableState& t;
    const ViewResources& res;
    ViewState& view;
    DrawHost& host;

    int ClientWidth() const { return dc.GetSurface().Image().width(); }
    int ClientHeight() const { return dc.GetSurface().Image().height(); }
};

inline constexpr const char* CaptionText = "Velkaro Ver1.20";

// The number fonts, the cue-ball pictures for the ball size and the tiles.
void LoadViewResources(ViewResources& res, int ballDiameter);

// Isotropic 10 LU per pixel from the window's outer size, the game palette selected and realised.
void PrepareSurface(platform::CDC& dc, const table::TableGeometry& g, const platform::Palette& palette);

} // namespace render
