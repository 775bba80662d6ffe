// The control that had the keyboard focus when its top-level window lost
// it, given back when the window gets the focus again, so that the user
// comes back to where they were after another window, a message box or a
// modal window.
#pragma once

#include <windows.h>

namespace ui {

class FocusMemory {
public:
    // Notes the focused control when it lies in window. Called when the
    // window is deactivated, and on WM_CANCELMODE, which a window gets
    // first when it is disabled for a modal window: the focus is still on
    // the control then, and gone once the window is disabled.
    void Remember(HWND window) {
        HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) control_ = focus;
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
    HWND control_ = nullptr;
};

}  // namespace ui
