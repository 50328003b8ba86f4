// A filled and outlined rectangle drawn exactly as the device context draws it, but written
// straight into the surface, so that window-sized rectangles cost one write per pixel.
#pragma once
#include "platform/dc.h"

namespace render {

// The same pixels as dc.Rectangle(left, top, right, bottom) in copy mode with a solid or null pen
// and any brush; other modes and small boxes go to dc.Rectangle itself.
void FastRectangle(platform::CDC& dc, int left, int top, int right, int bottom);

} // namespace render
