// Keeping the main window docked above the code table window while the
// user drags the code table.
#pragma once

#include <windows.h>

// Top-left corner for the main window (outer size partner) above a code
// table being dragged to dragged, dockGap pixels apart, kept inside a
// screen of the given size: first no coordinate below 0, then no edge past
// the screen's right or bottom.
POINT FollowPosition(const RECT& dragged, SIZE partner, int dockGap, SIZE screen);

// Moves partner to its FollowPosition for dragged on the primary screen.
// Only the position changes: no activation, no size or z-order change, and
// no WM_MOVING reaches the partner, since the system sends that only from
// the interactive move loop.
void MovePartnerAbove(HWND partner, const RECT& dragged, int dockGap);
