#include "ui/controls.h"

#include "res/resource.h"

namespace ui {

gdi::Font MakeFont(const char* face, int height, bool underline) {
    LOGFONTA lf = gdi::MakeLogFont(face, -height, SHIFTJIS_CHARSET);
    lf.lfUnderline = underline ? TRUE : FALSE;
    return gdi::CreateFontFrom(lf);
}

HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int x,
                   int y, int w, int h, int id, HFONT font, DWORD exStyle) {
    HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y,
                                   w, h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (control && font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void SetFont(HWND control, HFONT font) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void MoveControl(HWND control, const RECT& r) {
    SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetComboHeights(HWND combo, int closedHeight, int listHeight) {
    const RECT r = ChildRect(combo);
    SetWindowPos(combo, nullptr, 0, 0, r.right - r.left, listHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The closed box is a frame around one item. Measured, since the item
    // height the box reports back need not be the one it was given.
    SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), closedHeight);
    RECT closed = {};
    GetWindowRect(combo, &closed);
    const int frame = (closed.bottom - closed.top) - closedHeight;
    SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), closedHeight - frame);
}

RECT ChildRect(HWND child) {
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HCURSOR HandCursor() {
    HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
    return hand ? hand : LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_MINAMO_HAND));
}

bool IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND button, bool checked) {
    SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace ui
