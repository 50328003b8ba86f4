// Whether the game is inside a wait on the clock, for handlers that must not run there.
#pragma once

namespace platform {

// True while Delay or a clock's Idle is on the stack. The system clock presents the window
// inside its waits, so Qt timers can fire there; a game timer handler that must not nest into a
// running wait (music restart, shot bar button) checks this and tries again on its next tick.
bool IsWaiting();

} // namespace platform
