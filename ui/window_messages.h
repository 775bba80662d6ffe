// The program's own window messages; both carry wParam 0 and lParam 0.
#pragma once

#include <windows.h>

// Posted to the code table window after every change of the EUDC state.
constexpr UINT WM_REFRESHCODETABLE = 0x822;
// Sent by the main window to itself: switch EUDC on.
constexpr UINT WM_ENABLEEUDC = 0x824;
