// The table window's events as the mouse input takes them: pixels to LU, the cursor after each.
#include "input/view_mouse.h"

namespace input {

bool ViewMouse::OnViewMessage(int message, long wParam, long lParam) {
    if (message == kAimChangedMessage) {
        mouse_.OnAimChanged();
        return true;
    }
    if (message == kAimNudgedMessage) {
        mouse_.OnAimNudged({int(wParam), int(lParam)});
        return true;
    }
    return false;
}

} // namespace input
