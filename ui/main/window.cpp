#include "ui/main/window.h"

#include <commctrl.h>

#include "res/resource.h"
#include "ui/window_class.h"

namespace ui {

namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

}  // namespace

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        HWND h = hwnd_;
        hwnd_ = nullptr;
        DestroyWindow(h);
    }
}

bool Window::CreateTopLevel(const char* className, DWORD exStyle, DWORD style,
                            const char* caption, int x, int y, int clientWidth,
                            int clientHeight, HWND owner) {
    RegisterWindowClass(className, &Window::Procedure, GetSysColorBrush(COLOR_BTNFACE), 0);
    RECT r = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    CreateWindowExA(exStyle, className, caption, style, x, y, r.right - r.left, r.bottom - r.top,
                    owner, nullptr, Instance(), this);
    if (!hwnd_) return false;
    // The DPI is known once the window is on a monitor.
    scale_ = DpiScale::Of(hwnd_);
    SetWindowPos(hwnd_, nullptr, scale_(x), scale_(y), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetClientSize(hwnd_, scale_(clientWidth), scale_(clientHeight));
    return true;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DPICHANGED) {
        scale_ = DpiScale(HIWORD(wParam));
        DpiChanged();
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        LRESULT result = self->HandleMessage(message, wParam, lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->Destroyed();
        return result;
    }
    return self->HandleMessage(message, wParam, lParam);
}

gdi::Font MakeFont(const char* face, int height, bool underline) {
    LOGFONTA lf = gdi::MakeLogFont(face, -height, SHIFTJIS_CHARSET);
    lf.lfUnderline = underline ? TRUE : FALSE;
    return gdi::CreateFontFrom(lf);
}

HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int x,
                   int y, int w, int h, int id, HFONT font, DWORD exStyle) {
    HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y,
                                   w, h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   Instance(), nullptr);
    if (control && font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
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
    return hand ? hand : LoadCursorA(Instance(), MAKEINTRESOURCEA(IDC_MINAMO_HAND));
}

bool IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND button, bool checked) {
    SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Hints::Create(HWND owner) {
    owner_ = owner;
    tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                            nullptr, Instance(), nullptr);
    // Long hints wrap instead of running off the screen.
    SendMessageA(tips_, TTM_SETMAXTIPWIDTH, 0, 400);
}

void Hints::Add(HWND control, const char* text) {
    TOOLINFOA tool = {};
    // The record size every comctl32 knows, from 4.00 on: older versions
    // refuse a larger record.
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Hints::Activate(bool on) { SendMessageA(tips_, TTM_ACTIVATE, on ? TRUE : FALSE, 0); }

void RunModal(HWND dialog, HWND owner, const bool& done) {
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    MSG msg;
    while (!done && IsWindow(dialog)) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (owner)
                SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
            if (done || !IsWindow(dialog)) break;
            if (GetMessageA(&msg, nullptr, 0, 0) <= 0) msg.message = WM_QUIT;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The owner takes the activation back before the dialog disappears.
    if (owner) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) ShowWindow(dialog, SW_HIDE);
    if (owner) SetActiveWindow(owner);
}

}  // namespace ui
