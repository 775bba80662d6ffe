// The keyboard of a dialog box for the program's plain windows, which the
// message loop drives with IsDialogMessage.
#pragma once

#include <windows.h>

namespace ui {

// Answers WM_NEXTDLGCTL as a dialog box does: the focus moves to the next
// (wParam 0) or previous tab stop, or, with lParam non-zero, to the control
// wParam. The dialog manager sends it for the arrow keys, and a multi-line
// edit for Tab.
void MoveFocusAsDialog(HWND window, WPARAM wParam, LPARAM lParam);

// A multi-line edit driven by IsDialogMessage asks for every key and
// answers Esc by closing its parent window; this one leaves Esc to the
// window, as every other control does.
void LeaveEscapeToWindow(HWND edit);

// Sent to a single-line edit's parent for Enter and Esc in it, when the
// edit was given to SendEnterAndEscapeToParent; wParam: the key.
constexpr UINT WM_FIELDKEY = WM_APP + 3;
// The edit's Enter and Esc go to its parent as WM_FIELDKEY instead of a beep.
void SendEnterAndEscapeToParent(HWND edit);

}  // namespace ui
