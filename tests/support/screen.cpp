#include "tests/support/test_support.h"

namespace testing_support {

namespace {

// What the screen shows of a window's client area, every third pixel.
std::vector<COLORREF> OnScreen(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    platform::WindowDC dc(window);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.bottom; y += 3)
        for (int x = 0; x < r.right; x += 3) pixels.push_back(GetPixel(dc.get(), x, y));
    return pixels;
}

}  // namespace

bool ScreenMatchesRepaint(HWND window) {
    UpdateWindow(window);
    const std::vector<COLORREF> shown = OnScreen(window);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    return shown == OnScreen(window);
}

}  // namespace testing_support
