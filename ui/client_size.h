// The client area of top-level windows, shared by all windows of the
// program.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace ui {

// Resizes the window so that its client area is w x h, with the frame of
// the window's DPI; the position stays.
inline void SetClientSize(HWND hwnd, int w, int h) {
    RECT r = {0, 0, w, h};
    platform::AdjustWindowRectForDpi(r, static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)),
                                     static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)),
                                     platform::WindowDpi(hwnd));
    SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

inline SIZE ClientSize(HWND hwnd) {
    RECT r = {};
    GetClientRect(hwnd, &r);
    return SIZE{r.right, r.bottom};
}

}  // namespace ui
