// The modal windows of the program: their place and their message loop.
#pragma once

#include <windows.h>

namespace ui {

// Moves window so that its middle is the middle of area (screen pixels).
void CenterIn(HWND window, const RECT& area);
// The primary screen's rectangle.
RECT ScreenRect();

// Shows dialog modally over owner (disabled meanwhile) and pumps messages
// until done turns true or the dialog is gone. Whenever the queue runs dry
// the owner gets WM_ENTERIDLE (MSGF_DIALOGBOX, dialog), as with the
// system's own dialog boxes. Hides the dialog afterwards; a WM_QUIT met on
// the way ends the loop and is posted again for the outer loop.
void RunModal(HWND dialog, HWND owner, const bool& done);

}  // namespace ui
