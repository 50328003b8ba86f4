// The main frame's size and place, chosen from the size of the screen.
#include "frame/frame_size.h"

namespace frame {

FrameSize ChooseFrameSize(int SW, int SH) {
    FrameSize f;
    if (SW < 650) {
        f.W = SW - 10;
        f.H = SH < 410 ? SH - 85 : SH - 120;
    } else {
        // Twice as wide as high, narrowed in steps until it fits across the screen.
        f.W = 2 * SH - 362;
        f.H = SH - 128;
        while (SW - 10 < f.W) {
            f.W -= 20;
            f.H -= 10;
        }
    }
    // A screen too small for any table would give an empty or negative window; keep one pixel.
    if (f.W < 1) f.W = 1;
    if (f.H < 1) f.H = 1;
    f.clientWidth = f.W;
    f.clientHeight = f.H + kCardStripPixels;
    if (f.W > 640) {
        f.x = (SW - f.W) / 2;
        f.y = (SH - f.H) / 2;
    }
    return f;
}

} // namespace frame
