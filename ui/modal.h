// The modal loop of the program's own dialogs.
#pragma once

#include <windows.h>

namespace ui {

// Shows dialog modally over owner (disabled meanwhile) and pumps messages
// until done turns true or the dialog is gone. Whenever the queue runs dry
// the owner gets WM_ENTERIDLE (MSGF_DIALOGBOX, dialog), as with the
// system's own dialog boxes. Hides the dialog afterwards; a WM_QUIT met on
// the way ends the loop and is posted again for the outer loop.
void RunModal(HWND dialog, HWND owner, const bool& done);

}  // namespace ui
