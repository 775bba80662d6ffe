#include "ui/dialog_keys.h"

namespace ui {

namespace {

const char* const kEditProcedure = "MinamoEditProcedure";

LRESULT CALLBACK EscapeLeavingEdit(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropA(edit, kEditProcedure));
    if (message == WM_NCDESTROY) RemovePropA(edit, kEditProcedure);
    LRESULT result = CallWindowProcA(original, edit, message, wParam, lParam);
    const MSG* key = reinterpret_cast<const MSG*>(lParam);
    if (message == WM_GETDLGCODE && key && key->message == WM_KEYDOWN && key->wParam == VK_ESCAPE)
        result &= ~DLGC_WANTALLKEYS;
    return result;
}

LRESULT CALLBACK EnterAndEscapeToParent(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropA(edit, kEditProcedure));
    if (message == WM_NCDESTROY) RemovePropA(edit, kEditProcedure);
    const bool fieldKey = wParam == VK_RETURN || wParam == VK_ESCAPE;
    if (message == WM_KEYDOWN && fieldKey) {
        SendMessageA(GetParent(edit), WM_FIELDKEY, wParam, 0);
        return 0;
    }
    if (message == WM_CHAR && (wParam == '\r' || wParam == 27)) return 0;  // no beep for them
    return CallWindowProcA(original, edit, message, wParam, lParam);
}

// Puts procedure in the edit's place, keeping the edit's own for it to call.
void Subclass(HWND edit, WNDPROC procedure) {
    SetPropA(edit, kEditProcedure, reinterpret_cast<HANDLE>(GetWindowLongPtrA(edit, GWLP_WNDPROC)));
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

}  // namespace

void MoveFocusAsDialog(HWND window, WPARAM wParam, LPARAM lParam) {
    HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
    if (!target) return;
    SetFocus(target);
    // An edit entered by the keyboard has its text selected.
    if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(target, EM_SETSEL, 0, -1);
}

void LeaveEscapeToWindow(HWND edit) { Subclass(edit, &EscapeLeavingEdit); }

void SendEnterAndEscapeToParent(HWND edit) { Subclass(edit, &EnterAndEscapeToParent); }

}  // namespace ui
