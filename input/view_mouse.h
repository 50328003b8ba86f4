// The table window's events as the mouse input takes them: pixels to LU, the cursor after each.
#pragma once
#include <QPoint>

#include "input/aim_host.h"
#include "input/input_state.h"
#include "input/mouse_input.h"

namespace input {

// The view's private messages this input answers (their numbers in the view's message set).
inline constexpr int kAimChangedMessage = 1;
inline constexpr int kAimNudgedMessage = 3;

// Owns the aiming state and its handlers for one table window. The window's handler passes its
// mouse events (not while a shot runs) and its messages on, calls OnPaintReturned after every run
// of the game's paint routine and RefreshCursor when the rules ask for the cursor again. Every
// event ends with the cursor the state asks for, as the window system asks for it whenever the
// pointer moves over a window that has not captured it.
class ViewMouse {
public:
    ViewMouse(table::TableState& t, AimHost& host) : host_(host), mouse_(t, state_, host) {}

    // The view maps 10 LU to a pixel.
    static table::Point ToLogical(QPoint pixel) { return {pixel.x() * 10, pixel.y() * 10}; }
    static QPoint ToPixel(table::Point lu) { return {lu.x / 10, lu.y / 10}; }

    void OnLButtonDown(QPoint pixel) { mouse_.OnLButtonDown(ToLogical(pixel)); RefreshCursor(); }
    void OnMouseMove(QPoint pixel) { mouse_.OnMouseMove(ToLogical(pixel)); RefreshCursor(); }
    void OnLButtonUp(QPoint pixel) { mouse_.OnLButtonUp(ToLogical(pixel)); RefreshCursor(); }
    void OnRButtonDown(QPoint pixel) { mouse_.OnRButtonDown(ToLogical(pixel)); RefreshCursor(); }
    // Answers AimChanged and AimNudged (x and y in LU); false for any other message.
    bool OnViewMessage(int message, long wParam, long lParam);
    // To be called when the game's paint routine returns.
    void OnPaintReturned() { mouse_.OnPaintReturned(); RefreshCursor(); }
    // While the mouse is captured for aiming the window is not asked, so the aiming hand set by
    // the press stays.
    void RefreshCursor() {
        if (!state_.Aiming) host_.SetCursor(mouse_.CursorRequest());
    }

    InputState& State() { return state_; }
    MouseInput& Mouse() { return mouse_; }

private:
    AimHost& host_;
    InputState state_;
    MouseInput mouse_;
};

} // namespace input
