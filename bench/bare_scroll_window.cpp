#include "bench/bare_scroll_window.h"

#include <algorithm>

namespace bench {

namespace {
const char* const kClassName = "MinamoBenchBareScroll";
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}  // namespace

BareScrollWindow::BareScrollWindow(const SIZE& client, HFONT font, const std::vector<RECT>& cells,
                                   int rowPitch, int rows)
    : font_(font), cells_(cells), rowPitch_(rowPitch), rows_(rows),
      visibleRows_(std::max(1, static_cast<int>(client.cy) / rowPitch)) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    // The grid's frame: a sunken edge and both bars.
    const DWORD style = WS_POPUP | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_CLIENTEDGE);
    window_ = CreateWindowExA(WS_EX_CLIENTEDGE, kClassName, "", style, 600, 40, outer.right - outer.left,
                              outer.bottom - outer.top, nullptr, nullptr, wc.hInstance, this);
    if (!window_) return;
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, rows_ - 1, static_cast<UINT>(visibleRows_), 0, 0};
    SetScrollInfo(window_, SB_VERT, &info, FALSE);
    Home();
}

BareScrollWindow::~BareScrollWindow() {
    if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK BareScrollWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<BareScrollWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_PAINT) {
        self->Paint();
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return DefWindowProcA(window, message, wParam, lParam);
}

// Only the rows that meet the invalid area: after a step, the last one.
void BareScrollWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    HGDIOBJ old = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    for (int row = 0; row < visibleRows_; ++row) {
        const int y = row * rowPitch_;
        if (y + rowPitch_ <= paint.rcPaint.top || y >= paint.rcPaint.bottom) continue;
        for (size_t col = 0; col < cells_.size(); ++col) {
            RECT r{cells_[col].left, y, cells_[col].right, y + rowPitch_ - 1};
            const WCHAR ch = static_cast<WCHAR>(0xE000 + (top_ + row) * 16 + col);
            DrawTextW(dc, &ch, 1, &r, kTextFormat);
        }
    }
    SelectObject(dc, old);
    EndPaint(window_, &paint);
}

void BareScrollWindow::SetTop(int top) {
    const int delta = top - top_;
    top_ = top;
    ScrollWindowEx(window_, 0, -delta * rowPitch_, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, top_, 0};
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void BareScrollWindow::Home() {
    top_ = 0;
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
}

void BareScrollWindow::ScrollThrough(int steps) {
    for (int step = 0; step < steps; ++step) {
        SetTop(top_ + 1);
        UpdateWindow(window_);
    }
}

}  // namespace bench
