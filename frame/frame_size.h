// The main frame's size and place, chosen from the size of the screen.
#pragma once

namespace frame {

inline constexpr int kCardStripPixels = 96;

struct FrameSize {
    int W = 0, H = 0;                       // the table area in pixels
    int clientWidth = 0, clientHeight = 0;  // the client asked for: W x (H + card strip)
    int x = 0, y = 0;                       // where the frame goes before it is centred
};

// screenWidth x screenHeight is the whole screen in pixels.
FrameSize ChooseFrameSize(int screenWidth, int screenHeight);

} // namespace frame
