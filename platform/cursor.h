// The mouse pointer: position, capture by a window, and confinement to a rectangle.
#pragma once
#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

namespace platform {

// Screen pixels.
QPoint GetCursorPos();
void SetCursorPos(QPoint screen);

// All mouse input goes to `widget` until released; returns the window that had it before.
QWidget* SetCapture(QWidget* widget);
void ReleaseCapture();
QWidget* GetCapture();

// Keeps the pointer inside `screenRect` (right and bottom edges excluded) until called with
// nothing. Works where the window system lets a program move the pointer.
void ClipCursor(std::optional<QRect> screenRect);
std::optional<QRect> GetClipCursor();
// Where a pointer at `screen` is put while the clip is on.
QPoint ClampToClip(QPoint screen);

} // namespace platform
