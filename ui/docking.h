// The main window and its code table stay docked one above the other:
// while the user drags either of them, the other follows.
#pragma once

#include <windows.h>

namespace ui {

// Where the partner goes: below the dragged window or above it.
enum class Dock { kBelow, kAbove };

// Moves partner beside a window being dragged to dragged: its left edge at
// dragged's, gap pixels below or above it, then kept on the primary screen
// (first no coordinate below 0, then no edge past the screen's right or
// bottom, so that a partner larger than the screen ends up at a negative
// coordinate). Only the position changes: no activation, no size or
// z-order change, and no WM_MOVING reaches the partner, since the system
// sends that only from the interactive move loop.
void MoveDockedPartner(HWND partner, const RECT& dragged, Dock side, int gap);

}  // namespace ui
