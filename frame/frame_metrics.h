// The sizes the main frame fixes once when it is created, in logical units (tenths of a pixel).
#pragma once

namespace frame {

// Set once by CMainFrame when it is created and never recomputed; the game object owns it.
struct FrameMetrics {
    int FrameWidth = 0;      // 10 x the frame window's outer width
    int FrameHeight = 0;     // 10 x the frame window's outer height
    int CardStripHeight = 0; // 960: the band at the top of the view that holds the card hands
};

} // namespace frame
