// The control that had the keyboard focus when its top-level window lost
// it, given back when the window gets the focus again, so that the user
// comes back to where they were after another window, a message box or a
// modal window.
#pragma once

#include <windows.h>

namespace ui {

class FocusMemory {
public:
    // Follows the messages of window: notes its focused control when it is
    // deactivated (WM_ACTIVATE, WA_INACTIVE), and on WM_CANCELMODE, which a
    // window gets first when it is disabled for a modal window: the focus
    // is still on the control then, and gone once the window is disabled.
    void Follow(HWND window, UINT message, WPARAM wParam) {
        if (message == WM_CANCELMODE || (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE))
            Remember(window);
    }
    // Gives the focus back to the noted control; false when there is none
    // that could take it (gone, hidden or disabled since).
    bool Restore(HWND window) const {
        if (!control_ || !IsChild(window, control_) || !IsWindowVisible(control_) ||
            !IsWindowEnabled(control_))
            return false;
        SetFocus(control_);
        return true;
    }

private:
    // Notes the focused control when it lies in window.
    void Remember(HWND window) {
        HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) control_ = focus;
    }

    HWND control_ = nullptr;
};

}  // namespace ui
