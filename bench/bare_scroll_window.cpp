#include "bench/bare_scroll_window.h"

#include <algorithm>

#include "ui/gdi.h"

namespace bench {

namespace {
const ui::WindowClass kClass = {"MinamoBenchBareScroll", nullptr, 0};
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}  // namespace

BareScrollWindow::BareScrollWindow(const SIZE& client, HFONT font, const std::vector<RECT>& cells,
                                   int rowPitch, int rows)
    : font_(font), cells_(cells), rowPitch_(rowPitch), rows_(rows),
      visibleRows_(std::max(1, static_cast<int>(client.cy) / rowPitch)) {
    // The grid's frame: a sunken edge and both bars.
    const DWORD style = WS_POPUP | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_CLIENTEDGE);
    if (!Create(kClass, WS_EX_CLIENTEDGE, style, "", 600, 40, outer.right - outer.left,
                outer.bottom - outer.top, nullptr))
        return;
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, rows_ - 1, static_cast<UINT>(visibleRows_), 0, 0};
    SetScrollInfo(Handle(), SB_VERT, &info, FALSE);
    Home();
}

LRESULT BareScrollWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        return ui::Window::HandleMessage(message, wParam, lParam);
    }
}

// Only the rows that meet the invalid area: after a step, the last one.
void BareScrollWindow::Paint() {
    gdi::PaintDC paint(Handle());
    gdi::Selection keepFont(paint.get(), font_);
    SetBkMode(paint.get(), TRANSPARENT);
    for (int row = 0; row < visibleRows_; ++row) {
        const int y = row * rowPitch_;
        if (y + rowPitch_ <= paint.area().top || y >= paint.area().bottom) continue;
        for (size_t col = 0; col < cells_.size(); ++col) {
            RECT r{cells_[col].left, y, cells_[col].right, y + rowPitch_ - 1};
            const WCHAR ch = static_cast<WCHAR>(0xE000 + (top_ + row) * 16 + col);
            DrawTextW(paint.get(), &ch, 1, &r, kTextFormat);
        }
    }
}

void BareScrollWindow::SetTop(int top) {
    const int delta = top - top_;
    top_ = top;
    ScrollWindowEx(Handle(), 0, -delta * rowPitch_, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, top_, 0};
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void BareScrollWindow::Home() {
    top_ = 0;
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    Repaint();
}

void BareScrollWindow::ScrollThrough(int steps) {
    for (int step = 0; step < steps; ++step) {
        SetTop(top_ + 1);
        UpdateWindow(Handle());
    }
}

}  // namespace bench
